#pragma once

#include <cstdint>

#include "app/IndicatorText.h"

// How often the indicator's timer runs. While the pointer moves, or just after
// mouse input, a command or a display change, the tick runs as fast as the
// system's timer allows. After a short stillness it sleeps: the timer then
// only watches, once a second, for what no event reports (a pointer moved
// where no Windows program sees it, the indicator hidden or covered from
// outside), and wakes the Clock when its text is due to change. Mouse input
// wakes the tick through an event of the system. Platform-free: the glue hands
// in the time and the cursor.

constexpr int kFastTickMs = 1;  // as often as the system ticks
constexpr std::uint32_t kStillBeforeSleepMs = 500;
constexpr int kWatchPeriodMs = 1000;
// Colour mode watches more often: what lies under a still pointer can change.
constexpr int kColourWatchPeriodMs = 400;
// The timer aims just past the Clock's change, never just before it.
constexpr int kClockMarginMs = 2;

class TickPace {
  public:
    // Mouse input, a command or a display change: the fast tick runs from now.
    void Wake(std::uint32_t nowMs);

    // After each tick, with the cursor it read and the milliseconds until the
    // Clock text is next due to change (negative when no clock shows), and the
    // sleeping tick's watch period. Gives the timer's period from now on.
    int AfterTick(ScreenPoint cursor, std::uint32_t nowMs, int clockChangeInMs,
                  int watchPeriodMs = kWatchPeriodMs);

    bool Asleep() const { return asleep_; }

  private:
    bool asleep_ = false;
    bool seenCursor_ = false;
    ScreenPoint lastCursor_{0, 0};
    std::uint32_t lastActivityMs_ = 0;
};
