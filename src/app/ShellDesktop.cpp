#include "app/ShellDesktop.h"

#include <cstring>

bool IsShellDesktopClass(const char* windowClass) {
    return std::strcmp(windowClass, "Progman") == 0 || std::strcmp(windowClass, "WorkerW") == 0;
}
