#include "app/LocalClockWin32.h"

namespace {

SYSTEMTIME lastReading{};

}  // namespace

LocalDateTime ReadLocalClock() {
    GetLocalTime(&lastReading);
    const SYSTEMTIME& now = lastReading;
    return LocalDateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

const SYSTEMTIME& LastLocalClockReading() {
    return lastReading;
}
