// pointer-path: the benchmark's hand on the mouse, run under Wine beside tavikan.exe.
//   pointer-path place X Y             puts the pointer at X, Y and waits until it is there
//   pointer-path walk SECONDS OX OY    moves the pointer by SendInput along a fixed loop, one
//                                      step every 20 ms, and after each step checks that the
//                                      indicator sits at the pointer plus OX, OY; prints
//                                      "steps N followed M"
//   pointer-path first-moves COUNT OX OY
//                                      COUNT times: leaves the pointer still for 1.2 s, moves
//                                      it by SendInput and times until the indicator sits at
//                                      the pointer plus OX, OY; prints "moves N median M worst W"
//                                      (milliseconds; a move not followed within 2 s counts 2000)
//   pointer-path clock SECONDS         watches the indicator's pixels; each change is timed
//                                      from the last second boundary of the local clock;
//                                      prints "changes N worst W" (milliseconds)
//   pointer-path follow SECONDS OX OY  watches the pointer, however it is moved (also at the
//                                      X level, where no input event reaches Windows programs):
//                                      times the first move until the indicator sits beside the
//                                      pointer, then each new position after that; prints
//                                      "first F later median M worst W of N" (-1: never)
//   pointer-path latency STEPS OX OY   STEPS moves by SendInput, one every 20 ms, each timed
//                                      from the SendInput call until the indicator sits beside
//                                      the pointer; prints "steps N median M worst W within20 K"
//   pointer-path burst SECONDS OX OY   a 1,000 Hz mouse: a SendInput move every millisecond,
//                                      then times from the last one until the indicator sits
//                                      beside the pointer; prints "steps N final F" (-1: never)
//   pointer-path unseen COUNT OX OY    COUNT times each: a SetCursorPos move (no mouse input)
//                                      just after a followed input move, and one after 1.2 s
//                                      of stillness, timed until the indicator sits beside the
//                                      pointer; prints "awake median M worst W asleep median M
//                                      worst W" (a move not followed within 2 s counts 2000)
//   pointer-path window SECONDS        shows a captioned window at 150, 100 (400 x 300) for
//                                      SECONDS, for Coordinates to count from
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ScreenPicture.h"

namespace {

constexpr DWORD kStepMs = 20;  // a pointer moved fifty times a second
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

HWND Indicator();

int Walk(double seconds, int offsetX, int offsetY) {
    HWND indicator = Indicator();
    if (indicator == nullptr) {
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

double NowMs() {
    static LARGE_INTEGER frequency{};
    if (frequency.QuadPart == 0) {
        QueryPerformanceFrequency(&frequency);
    }
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool Beside(HWND indicator, POINT pointer, int offsetX, int offsetY) {
    RECT rect{};
    GetWindowRect(indicator, &rect);
    return rect.left == pointer.x + offsetX && rect.top == pointer.y + offsetY;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Worst(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

HWND Indicator() {
    HWND indicator = FindWindowA("MousePos", "Tavikan");
    if (indicator == nullptr) {
        indicator = FindWindowA("TickFloor", "TickFloor");  // the floor's bare popup
    }
    if (indicator == nullptr) {
        std::fprintf(stderr, "pointer-path: no indicator window\n");
    }
    return indicator;
}

int FirstMoves(int count, int offsetX, int offsetY) {
    HWND indicator = Indicator();
    if (indicator == nullptr) {
        return 1;
    }
    std::vector<double> latencies;
    for (int move = 0; move < count; ++move) {
        Sleep(1200);
        const POINT to = PointOnLoop((move + 1) * 37);
        InputMoveTo(to.x, to.y);
        const double start = NowMs();
        double took = 2000;
        while (NowMs() - start < 2000) {
            if (Beside(indicator, to, offsetX, offsetY)) {
                took = NowMs() - start;
                break;
            }
            Sleep(0);
        }
        latencies.push_back(took);
    }
    std::printf("moves %d median %.1f worst %.1f\n", count, Median(latencies), Worst(latencies));
    return 0;
}

// A copy of the indicator's pixels, to see when its text changes.
std::vector<std::uint32_t> Capture(HWND indicator) {
    RECT rect{};
    GetWindowRect(indicator, &rect);
    return CaptureScreen(rect).pixels;
}

int Clock(double seconds) {
    HWND indicator = Indicator();
    if (indicator == nullptr) {
        return 1;
    }
    std::vector<std::uint32_t> shown = Capture(indicator);
    std::vector<double> lateness;
    const double start = NowMs();
    while (NowMs() - start < seconds * 1000) {
        std::vector<std::uint32_t> now = Capture(indicator);
        SYSTEMTIME clock{};
        GetLocalTime(&clock);
        if (now != shown) {
            shown = now;
            lateness.push_back(clock.wMilliseconds);
        }
        Sleep(1);
    }
    std::printf("changes %d worst %.0f\n", static_cast<int>(lateness.size()), Worst(lateness));
    return 0;
}

// The first time is from the first move until the indicator sits beside the
// pointer wherever it is then; the later ones are of each position after that.
int Follow(double seconds, int offsetX, int offsetY) {
    HWND indicator = Indicator();
    if (indicator == nullptr) {
        return 1;
    }
    POINT last{};
    GetCursorPos(&last);
    double firstMovedAt = -1;
    double first = -1;
    std::vector<double> later;
    double movedAt = 0;
    bool waiting = false;
    const double start = NowMs();
    while (NowMs() - start < seconds * 1000) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x != last.x || now.y != last.y) {
            last = now;
            if (firstMovedAt < 0) {
                firstMovedAt = NowMs();
            } else if (first >= 0) {
                if (waiting) {
                    later.push_back(NowMs() - movedAt);  // moved on before it was followed
                }
                movedAt = NowMs();
                waiting = true;
            }
        }
        if (firstMovedAt >= 0 && first < 0 && Beside(indicator, last, offsetX, offsetY)) {
            first = NowMs() - firstMovedAt;
        } else if (waiting && Beside(indicator, last, offsetX, offsetY)) {
            later.push_back(NowMs() - movedAt);
            waiting = false;
        }
        Sleep(1);
    }
    std::printf("first %.0f later median %.1f worst %.1f of %d\n", first, Median(later),
                Worst(later), static_cast<int>(later.size()));
    return 0;
}

// Milliseconds from start until the indicator sits beside to, waiting at most
// limitMs; limitMs when it never does.
double TimeUntilBeside(HWND indicator, POINT to, int offsetX, int offsetY, double start,
                       double limitMs) {
    while (NowMs() - start < limitMs) {
        if (Beside(indicator, to, offsetX, offsetY)) {
            return NowMs() - start;
        }
        Sleep(0);
    }
    return limitMs;
}

int Latency(int steps, int offsetX, int offsetY) {
    HWND indicator = Indicator();
    if (indicator == nullptr) {
        return 1;
    }
    std::vector<double> latencies;
    int within = 0;
    const double start = NowMs();
    for (int step = 1; step <= steps; ++step) {
        const POINT to = PointOnLoop(step * kStepPixels);
        InputMoveTo(to.x, to.y);
        const double sent = NowMs();
        const double due = start + step * static_cast<double>(kStepMs);
        const double took = TimeUntilBeside(indicator, to, offsetX, offsetY, sent, 2000);
        latencies.push_back(took);
        within += took <= kStepMs ? 1 : 0;
        while (NowMs() < due) {
            Sleep(1);
        }
    }
    std::printf("steps %d median %.1f worst %.1f within20 %d\n", steps, Median(latencies),
                Worst(latencies), within);
    return 0;
}

int Burst(double seconds, int offsetX, int offsetY) {
    HWND indicator = Indicator();
    if (indicator == nullptr) {
        return 1;
    }
    const int steps = static_cast<int>(seconds * 1000);
    POINT to{};
    const double start = NowMs();
    for (int step = 1; step <= steps; ++step) {
        to = PointOnLoop(step);
        InputMoveTo(to.x, to.y);
        while (NowMs() - start < step) {
            Sleep(0);
        }
    }
    const double last = NowMs();
    const double took = TimeUntilBeside(indicator, to, offsetX, offsetY, last, 2000);
    std::printf("steps %d final %.1f\n", steps, took < 2000 ? took : -1.0);
    return 0;
}

int Unseen(int count, int offsetX, int offsetY) {
    HWND indicator = Indicator();
    if (indicator == nullptr) {
        return 1;
    }
    std::vector<double> awake;
    std::vector<double> asleep;
    for (int move = 0; move < count; ++move) {
        POINT to = PointOnLoop(move * 53);
        InputMoveTo(to.x, to.y);
        TimeUntilBeside(indicator, to, offsetX, offsetY, NowMs(), 2000);
        to = PointOnLoop(move * 53 + 20);
        SetCursorPos(to.x, to.y);
        awake.push_back(TimeUntilBeside(indicator, to, offsetX, offsetY, NowMs(), 2000));
        Sleep(1200);
        to = PointOnLoop(move * 53 + 40);
        SetCursorPos(to.x, to.y);
        asleep.push_back(TimeUntilBeside(indicator, to, offsetX, offsetY, NowMs(), 2000));
    }
    std::printf("awake median %.1f worst %.1f asleep median %.1f worst %.1f\n", Median(awake),
                Worst(awake), Median(asleep), Worst(asleep));
    return 0;
}

// Not activated, so that the program keeps whatever else it had.
int WindowFor(double seconds) {
    HWND window = CreateWindowExA(0, "STATIC", "under the pointer", WS_OVERLAPPEDWINDOW, 150, 100,
                                  400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const double end = NowMs() + seconds * 1000;
    for (double now = NowMs(); now < end; now = NowMs()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now) + 1,
                                  QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
    }
    DestroyWindow(window);
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
    if (argc == 5 && std::strcmp(argv[1], "first-moves") == 0) {
        return FirstMoves(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (argc == 3 && std::strcmp(argv[1], "clock") == 0) {
        return Clock(std::atof(argv[2]));
    }
    if (argc == 5 && std::strcmp(argv[1], "follow") == 0) {
        return Follow(std::atof(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (argc == 5 && std::strcmp(argv[1], "latency") == 0) {
        return Latency(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (argc == 5 && std::strcmp(argv[1], "burst") == 0) {
        return Burst(std::atof(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (argc == 5 && std::strcmp(argv[1], "unseen") == 0) {
        return Unseen(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (argc == 3 && std::strcmp(argv[1], "window") == 0) {
        return WindowFor(std::atof(argv[2]));
    }
    std::fprintf(stderr,
                 "usage: pointer-path place X Y | walk SECONDS OFFSET_X OFFSET_Y | first-moves "
                 "COUNT OFFSET_X OFFSET_Y | clock SECONDS | follow SECONDS OFFSET_X OFFSET_Y | "
                 "latency STEPS OFFSET_X OFFSET_Y | burst SECONDS OFFSET_X OFFSET_Y | unseen "
                 "COUNT OFFSET_X OFFSET_Y | window SECONDS\n");
    return 2;
}
