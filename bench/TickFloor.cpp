// tick-floor: what a 1 ms timer costs under this window system before a tick
// does anything, the floor under the indicator's still-pointer share.
//   tick-floor SECONDS           a top-most popup whose timer ticks do nothing
//   tick-floor SECONDS cursor    the same, each tick reading the cursor
//   tick-floor SECONDS idle      the same popup with no timer at all: an idle window
//   tick-floor SECONDS rawinput  no timer: on each raw-input message the popup is moved
//                                beside the cursor (12, 15 below and right) and repainted,
//                                the least that following a moving pointer can cost
// Prints "ticks N" when the time is up.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool readCursor = false;
long ticks = 0;

// Beside the cursor, and painted at once, as the indicator does.
void FollowCursor(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetWindowPos(window, HWND_TOPMOST, cursor.x + 12, cursor.y + 15, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    HDC dc = GetDC(window);
    RECT fill{0, 0, 80, 16};
    FillRect(dc, &fill, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(window, dc);
}

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        ++ticks;
        if (readCursor) {
            POINT cursor{};
            GetCursorPos(&cursor);
        }
        return 0;
    }
    if (message == WM_INPUT) {
        ++ticks;
        FollowCursor(window);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    const bool idle = argc == 3 && std::strcmp(argv[2], "idle") == 0;
    readCursor = argc == 3 && std::strcmp(argv[2], "cursor") == 0;
    const bool rawInput = argc == 3 && std::strcmp(argv[2], "rawinput") == 0;
    if (argc < 2 || argc > 3 || (argc == 3 && !idle && !readCursor && !rawInput)) {
        std::fprintf(stderr, "usage: tick-floor SECONDS [cursor|idle|rawinput]\n");
        return 2;
    }
    const DWORD lastsMs = static_cast<DWORD>(std::atof(argv[1]) * 1000);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "TickFloor";
    RegisterClassA(&windowClass);
    // Shaped like the indicator: a small top-most tool popup, shown.
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass.lpszClassName,
                                  "TickFloor", WS_POPUP, 300, 250, 80, 16, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    SetWindowPos(window, HWND_TOPMOST, 300, 250, 80, 16, SWP_SHOWWINDOW);
    SetTimer(window, 1, 1, nullptr);
    if (idle || rawInput) {
        // No timer wakes the window until the time is up.
        KillTimer(window, 1);
        SetTimer(window, 2, lastsMs, nullptr);
    }
    if (rawInput) {
        RAWINPUTDEVICE mouse{0x01, 0x02, RIDEV_INPUTSINK, window};
        RegisterRawInputDevices(&mouse, 1, sizeof mouse);
    }

    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < lastsMs && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.wParam == 2) {
            break;
        }
        DispatchMessageA(&message);
    }
    KillTimer(window, 1);
    DestroyWindow(window);
    std::printf("ticks %ld\n", ticks);
    return 0;
}
