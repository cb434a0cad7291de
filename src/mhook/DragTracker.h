#pragma once

#include <atomic>

#include "mhook/DragPoint.h"

// Follows drags of the left mouse button and keeps their three points. A press
// starts a drag: start and current go to the press point and end to "not set".
// Moves while the button is down take current along; moves outside a drag are
// ignored. The release sets end and current to the release point, and the
// points stay until the next press. A release without a press seen first (the
// button went down before tracking began) is ignored.
//
// The events arrive on the hook's thread; the points may be read from any
// thread, each one whole.
class DragTracker {
  public:
    // Forgets every point and any drag in progress.
    void Reset();

    void Press(PackedPoint point);
    void Move(PackedPoint point);
    void Release(PackedPoint point);

    PackedPoint Start() const { return start_.load(); }
    PackedPoint End() const { return end_.load(); }
    PackedPoint Current() const { return current_.load(); }

  private:
    static_assert(std::atomic<PackedPoint>::is_always_lock_free,
                  "a hook callback must never wait for a lock");

    std::atomic<PackedPoint> start_{kPointNotSet};
    std::atomic<PackedPoint> end_{kPointNotSet};
    std::atomic<PackedPoint> current_{kPointNotSet};
    std::atomic<bool> dragging_{false};
};
