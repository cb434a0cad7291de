#pragma once

#include "app/IndicatorText.h"

// A Range measurement taken with the anchor hotkey instead of a drag, for
// places where a press would select, follow a link or move something. The
// first press puts the start where the pointer is; the size then follows the
// pointer as during a drag; the second press puts the end, and the final size
// stays until the next press starts anew. A mouse drag measures as before and
// replaces a keyboard measurement, finished or not.
//
// Platform-free. Points are in the mouse hook's terms (a negative x is "not
// set"), so that both measurements read alike; the glue shifts the pointer so.
class KeyboardMeasure {
  public:
    // A press of the anchor key with the pointer at pointer; hook is the mouse
    // hook's drag as it stands, against which a later drag is told apart.
    void Press(ScreenPoint pointer, const DragPoints& hook);

    // What Range measures now: the keyboard's points while they hold (a live
    // one ending at the pointer), otherwise the hook's drag as it is.
    DragPoints Shown(const DragPoints& hook, ScreenPoint pointer);

    // Range was left: the next measurement starts from nothing.
    void Forget() { step_ = Step::kNone; }

  private:
    enum class Step { kNone, kLive, kEnded };

    // The hook's points moved since the press: the mouse made a drag.
    bool DraggedSince(const DragPoints& hook) const;

    Step step_ = Step::kNone;
    ScreenPoint start_{-1, -1};
    ScreenPoint end_{-1, -1};
    ScreenPoint hookStart_{-1, -1};  // the hook's start and end at the first press
    ScreenPoint hookEnd_{-1, -1};
};
