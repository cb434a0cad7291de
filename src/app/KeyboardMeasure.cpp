#include "app/KeyboardMeasure.h"

namespace {

bool SamePoint(ScreenPoint a, ScreenPoint b) {
    return a.x == b.x && a.y == b.y;
}

}  // namespace

bool KeyboardMeasure::DraggedSince(const DragPoints& hook) const {
    // A press sets the hook's start and clears its end, a release sets its
    // end: every drag changes one of the two, even one that starts where the
    // last one did.
    return !SamePoint(hook.start, hookStart_) || !SamePoint(hook.end, hookEnd_);
}

void KeyboardMeasure::Press(ScreenPoint pointer, const DragPoints& hook) {
    if (step_ != Step::kNone && DraggedSince(hook)) {
        step_ = Step::kNone;
    }
    if (step_ == Step::kLive) {
        end_ = pointer;
        step_ = Step::kEnded;
        return;
    }
    start_ = pointer;
    hookStart_ = hook.start;
    hookEnd_ = hook.end;
    step_ = Step::kLive;
}

DragPoints KeyboardMeasure::Shown(const DragPoints& hook, ScreenPoint pointer) {
    if (step_ != Step::kNone && DraggedSince(hook)) {
        step_ = Step::kNone;
    }
    switch (step_) {
        case Step::kLive:
            return DragPoints{start_, ScreenPoint{-1, -1}, pointer, hook.lengthDpi};
        case Step::kEnded:
            return DragPoints{start_, end_, end_, hook.lengthDpi};
        default:
            return hook;
    }
}
