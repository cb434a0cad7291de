#include "app/MouseWakeWin32.h"

namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kMouseUsage = 0x02;

void RegisterMouse(DWORD flags, HWND window) {
    RAWINPUTDEVICE mouse{};
    mouse.usUsagePage = kGenericDesktopPage;
    mouse.usUsage = kMouseUsage;
    mouse.dwFlags = flags;
    mouse.hwndTarget = window;
    RegisterRawInputDevices(&mouse, 1, sizeof mouse);
}

}  // namespace

void StartMouseWake(HWND window) {
    // Also while another program has the focus.
    RegisterMouse(RIDEV_INPUTSINK, window);
}

void StopMouseWake() {
    RegisterMouse(RIDEV_REMOVE, nullptr);
}
