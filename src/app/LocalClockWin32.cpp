#include "app/LocalClockWin32.h"

#include <windows.h>

LocalDateTime ReadLocalClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return LocalDateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
