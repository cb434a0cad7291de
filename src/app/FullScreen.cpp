#include "app/FullScreen.h"

#include "app/ShellDesktop.h"

bool IsFullScreenProgram(const ScreenRect& window, const char* windowClass,
                         const ScreenRect& monitor) {
    if (IsShellDesktopClass(windowClass)) {
        return false;
    }
    return monitor.left < monitor.right && monitor.top < monitor.bottom &&
           window.left <= monitor.left && window.top <= monitor.top &&
           window.right >= monitor.right && window.bottom >= monitor.bottom;
}
