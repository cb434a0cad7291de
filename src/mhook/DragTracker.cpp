#include "mhook/DragTracker.h"

void DragTracker::Reset() {
    dragging_ = false;
    end_ = kPointNotSet;
    current_ = kPointNotSet;
    start_ = kPointNotSet;
}

void DragTracker::Press(PackedPoint point) {
    // End is cleared first: readers take start before end, so none of them sees
    // the new start paired with the old drag's end.
    end_ = kPointNotSet;
    current_ = point;
    start_ = point;
    dragging_ = true;
}

void DragTracker::Move(PackedPoint point) {
    if (dragging_) {
        current_ = point;
    }
}

void DragTracker::Release(PackedPoint point) {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    current_ = point;
    end_ = point;
}
