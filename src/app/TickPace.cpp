#include "app/TickPace.h"

namespace {

bool SamePoint(ScreenPoint a, ScreenPoint b) {
    return a.x == b.x && a.y == b.y;
}

}  // namespace

void TickPace::Wake(std::uint32_t nowMs) {
    asleep_ = false;
    lastActivityMs_ = nowMs;
}

InputTick TickPace::ForInput(ScreenPoint cursor, bool buttonsMatter, std::uint32_t nowMs) {
    const bool wasAsleep = asleep_;
    Wake(nowMs);
    if (followingByTimer_) {
        return InputTick::kNone;
    }
    // A sleeping tick runs at once, so that its timer runs awake again.
    if (!wasAsleep && !buttonsMatter && seenCursor_ && SamePoint(cursor, lastCursor_)) {
        return InputTick::kNone;
    }
    if (inputTicked_ &&
        nowMs - lastInputTickMs_ < static_cast<std::uint32_t>(kInputTickSpacingMs)) {
        followingByTimer_ = true;
        return InputTick::kByTimer;
    }
    inputTicked_ = true;
    lastInputTickMs_ = nowMs;
    return InputTick::kNow;
}

bool TickPace::BackstopCanRest(std::uint32_t nowMs) const {
    return !asleep_ && !followingByTimer_ && !aimedAtClock_ && inputTicked_ &&
           nowMs - lastInputTickMs_ < static_cast<std::uint32_t>(kAwakeTickMs);
}

int TickPace::AfterTick(ScreenPoint cursor, std::uint32_t nowMs, int clockChangeInMs,
                        int watchPeriodMs) {
    const bool moved = !seenCursor_ || !SamePoint(cursor, lastCursor_);
    seenCursor_ = true;
    lastCursor_ = cursor;
    if (moved) {
        Wake(nowMs);
    } else {
        // At rest: mouse input runs the tick again.
        followingByTimer_ = false;
        if (!asleep_ && nowMs - lastActivityMs_ >= kStillBeforeSleepMs) {
            asleep_ = true;
        }
    }
    const bool clockDue = clockChangeInMs >= 0;
    if (!asleep_) {
        const int period = followingByTimer_ ? kInputTickSpacingMs : kAwakeTickMs;
        // An awake Clock still shows its change at once.
        aimedAtClock_ = clockDue && clockChangeInMs + kClockMarginMs <= period;
        return aimedAtClock_ ? clockChangeInMs + kClockMarginMs : period;
    }
    aimedAtClock_ = false;
    // A change due within the watch's period is waited for, just past it.
    if (clockDue && clockChangeInMs <= watchPeriodMs) {
        return clockChangeInMs + kClockMarginMs;
    }
    return watchPeriodMs;
}
