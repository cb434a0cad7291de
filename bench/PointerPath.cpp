// pointer-path: the benchmark's hand on the mouse, run under Wine beside tavikan.exe.
//   pointer-path place X Y             puts the pointer at X, Y and waits until it is there
//   pointer-path walk SECONDS OX OY    moves the pointer by SendInput along a fixed loop, one
//                                      step every 20 ms, and after each step checks that the
//                                      indicator sits at the pointer plus OX, OY; prints
//                                      "steps N followed M"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kStepMs = 20;  // two ticks of the indicator's timer
constexpr int kStepPixels = 5;
// The loop keeps the indicator well inside a 1024 x 768 screen, so placement
// is the plain offset and the check can compute it.
constexpr RECT kLoop = {300, 250, 700, 500};

LONG Normalized(int pixel, int extent) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

void InputMoveTo(int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalized(x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalized(y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

// The point at distance along the loop's edge, clockwise from its top-left corner.
POINT PointOnLoop(int distance) {
    const int width = kLoop.right - kLoop.left;
    const int height = kLoop.bottom - kLoop.top;
    int d = distance % (2 * (width + height));
    if (d < width) {
        return POINT{kLoop.left + d, kLoop.top};
    }
    d -= width;
    if (d < height) {
        return POINT{kLoop.right, kLoop.top + d};
    }
    d -= height;
    if (d < width) {
        return POINT{kLoop.right - d, kLoop.bottom};
    }
    d -= width;
    return POINT{kLoop.left, kLoop.bottom - d};
}

int Place(int x, int y) {
    GetDesktopWindow();  // Wine moves the cursor only while its desktop process runs
    for (int attempt = 0; attempt < 200; ++attempt) {
        SetCursorPos(x, y);
        POINT now{};
        GetCursorPos(&now);
        if (now.x == x && now.y == y) {
            return 0;
        }
        Sleep(10);
    }
    std::fprintf(stderr, "pointer-path: the pointer did not reach %d, %d\n", x, y);
    return 1;
}

int Walk(double seconds, int offsetX, int offsetY) {
    HWND indicator = FindWindowA("MousePos", "Tavikan");
    if (indicator == nullptr) {
        std::fprintf(stderr, "pointer-path: no indicator window\n");
        return 1;
    }
    const int steps = static_cast<int>(seconds * 1000 / kStepMs);
    int followed = 0;
    const DWORD start = GetTickCount();
    for (int step = 1; step <= steps; ++step) {
        const POINT to = PointOnLoop(step * kStepPixels);
        InputMoveTo(to.x, to.y);
        // Keep to the schedule, so the walk lasts its time whatever a step costs.
        const DWORD due = start + static_cast<DWORD>(step) * kStepMs;
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(due - now) > 0) {
            Sleep(due - now);
        }
        RECT rect{};
        GetWindowRect(indicator, &rect);
        if (rect.left == to.x + offsetX && rect.top == to.y + offsetY) {
            ++followed;
        }
    }
    std::printf("steps %d followed %d\n", steps, followed);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "place") == 0) {
        return Place(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    if (argc == 5 && std::strcmp(argv[1], "walk") == 0) {
        return Walk(std::atof(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    }
    std::fprintf(stderr, "usage: pointer-path place X Y | walk SECONDS OFFSET_X OFFSET_Y\n");
    return 2;
}
