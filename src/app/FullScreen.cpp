#include "app/FullScreen.h"

#include <cstring>

bool IsFullScreenProgram(const ScreenRect& window, const char* windowClass,
                         const ScreenRect& monitor) {
    // The desktop behind the icons: "Progman", and "WorkerW" in front of it
    // since Windows 8.
    if (std::strcmp(windowClass, "Progman") == 0 || std::strcmp(windowClass, "WorkerW") == 0) {
        return false;
    }
    return monitor.left < monitor.right && monitor.top < monitor.bottom &&
           window.left <= monitor.left && window.top <= monitor.top &&
           window.right >= monitor.right && window.bottom >= monitor.bottom;
}
