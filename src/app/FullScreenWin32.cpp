#include "app/FullScreenWin32.h"

#include "app/FullScreen.h"

bool hideOverFullScreen = false;

bool StepAsideForFullScreen(HWND indicator, const ScreenRect& monitor) {
    if (!hideOverFullScreen) {
        return false;
    }
    HWND front = GetForegroundWindow();
    RECT rect{};
    if (front == nullptr || front == indicator || front == GetDesktopWindow() ||
        front == GetShellWindow() || !GetWindowRect(front, &rect)) {
        return false;
    }
    char windowClass[16] = {};  // long enough for the desktop's classes
    GetClassNameA(front, windowClass, sizeof windowClass);
    if (!IsFullScreenProgram(ScreenRect{rect.left, rect.top, rect.right, rect.bottom}, windowClass,
                             monitor)) {
        return false;
    }
    if (IsWindowVisible(indicator)) {
        ShowWindow(indicator, SW_HIDE);
    }
    return true;
}
