#include "app/MouseInputWin32.h"

namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kMouseUsage = 0x02;
// Enough for any batch; a flood that outruns it is taken at the next input.
constexpr int kMostTakenAtOnce = 256;

void RegisterMouse(DWORD flags, HWND window) {
    RAWINPUTDEVICE mouse{};
    mouse.usUsagePage = kGenericDesktopPage;
    mouse.usUsage = kMouseUsage;
    mouse.dwFlags = flags;
    mouse.hwndTarget = window;
    RegisterRawInputDevices(&mouse, 1, sizeof mouse);
}

}  // namespace

void StartMouseInput(HWND window) {
    // Also while another program has the focus.
    RegisterMouse(RIDEV_INPUTSINK, window);
}

void StopMouseInput() {
    RegisterMouse(RIDEV_REMOVE, nullptr);
}

void TakeWaitingMouseInput(HWND window) {
    MSG waiting;
    for (int taken = 0; taken < kMostTakenAtOnce &&
                        PeekMessageA(&waiting, window, WM_INPUT, WM_INPUT, PM_REMOVE | PM_NOYIELD);
         ++taken) {
        // The system frees each input's data here.
        DefWindowProcA(window, WM_INPUT, waiting.wParam, waiting.lParam);
    }
}
