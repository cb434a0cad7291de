#include "app/TickPace.h"

void TickPace::Wake(std::uint32_t nowMs) {
    asleep_ = false;
    lastActivityMs_ = nowMs;
}

int TickPace::AfterTick(ScreenPoint cursor, std::uint32_t nowMs, int clockChangeInMs,
                        int watchPeriodMs) {
    const bool moved = !seenCursor_ || cursor.x != lastCursor_.x || cursor.y != lastCursor_.y;
    seenCursor_ = true;
    lastCursor_ = cursor;
    if (moved) {
        Wake(nowMs);
    } else if (!asleep_ && nowMs - lastActivityMs_ >= kStillBeforeSleepMs) {
        asleep_ = true;
    }
    if (!asleep_) {
        return kFastTickMs;
    }
    // A change due within the watch's period is waited for, just past it.
    if (clockChangeInMs >= 0 && clockChangeInMs <= watchPeriodMs) {
        return clockChangeInMs + kClockMarginMs;
    }
    return watchPeriodMs;
}
