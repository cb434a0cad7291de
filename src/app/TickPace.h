#pragma once

#include <cstdint>

#include "app/IndicatorText.h"

// What runs the indicator's tick. While the pointer moves, each batch of mouse
// input runs it at once, so the indicator is where the pointer is rather than
// where it was at the timer's last tick. Beside that a backstop timer runs
// while awake, for moves that come without mouse input (another program's
// SetCursorPos, a move the window system made outside every Windows program).
// After a short stillness the tick sleeps: the timer then only watches, once a
// second, for what no event reports (such a move, the indicator hidden or
// covered from outside), and wakes the Clock when its text is due to change.
// Input faster than a tick is worth (a 1,000 Hz mouse) is followed by a short
// timer instead, until a tick finds the pointer at rest. Platform-free: the
// glue hands in the time and the cursor.

// No faster than the system's own tick on Windows: a shorter period would
// cost wake-ups and show nothing sooner.
constexpr int kAwakeTickMs = 16;
constexpr int kInputTickSpacingMs = 10;
constexpr std::uint32_t kStillBeforeSleepMs = 500;
constexpr int kWatchPeriodMs = 1000;
// Colour mode watches more often: what lies under a still pointer can change.
constexpr int kColourWatchPeriodMs = 400;
// The timer aims just past the Clock's change, never just before it.
constexpr int kClockMarginMs = 2;

enum class InputTick {
    kNone,     // nothing the input changed shows: no tick
    kNow,      // run the tick now
    kByTimer,  // input comes too fast: the timer follows it from now
};

class TickPace {
  public:
    // Mouse input, a command or a display change: the tick is awake from now.
    void Wake(std::uint32_t nowMs);

    // Mouse input has arrived with the pointer at cursor; buttonsMatter when a
    // press without a move changes the line (a drag's start). Wakes the tick.
    InputTick ForInput(ScreenPoint cursor, bool buttonsMatter, std::uint32_t nowMs);

    // After each tick, with the cursor it read and the milliseconds until the
    // Clock text is next due to change (negative when no clock shows), and the
    // sleeping tick's watch period. Gives the timer's period from now on.
    int AfterTick(ScreenPoint cursor, std::uint32_t nowMs, int clockChangeInMs,
                  int watchPeriodMs = kWatchPeriodMs);

    bool Asleep() const { return asleep_; }
    // A backstop timer tick has nothing to add: mouse input ran the tick less
    // than a backstop's period ago, and the timer is not aimed at the Clock.
    bool BackstopCanRest(std::uint32_t nowMs) const;
    // While the timer follows a fast mouse, its input need not be delivered.
    bool FollowingByTimer() const { return followingByTimer_; }

  private:
    bool asleep_ = false;
    bool followingByTimer_ = false;
    bool seenCursor_ = false;
    bool inputTicked_ = false;
    bool aimedAtClock_ = false;
    ScreenPoint lastCursor_{0, 0};
    std::uint32_t lastActivityMs_ = 0;
    std::uint32_t lastInputTickMs_ = 0;
};
