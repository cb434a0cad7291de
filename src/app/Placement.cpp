#include "app/Placement.h"

#include "app/IntRange.h"
#include <cstdint>

namespace {

constexpr std::int64_t kMargin = 2;  // gap kept to the monitor edges and to the cursor

// Keeps the window on the monitor on the side the offset points to; the other
// edge is left free.
int CorrectedX(std::int64_t px, std::int64_t ox, std::int64_t cx, std::int64_t left,
               std::int64_t right) {
    if (ox > 0) {
        if (px + ox + cx < right - kMargin) {
            return HoldInIntRange(px + ox);
        }
        return HoldInIntRange(right - cx - kMargin);
    }
    if (px + ox < left + kMargin) {
        return HoldInIntRange(left + kMargin);
    }
    return HoldInIntRange(px + ox);
}

// Like CorrectedX, but a window pushed back onto the monitor that would reach
// the cursor's row changes to the other side of the cursor.
int CorrectedY(std::int64_t py, std::int64_t oy, std::int64_t cy, std::int64_t top,
               std::int64_t bottom) {
    if (oy > 0) {
        if (py + oy + cy < bottom - kMargin) {
            return HoldInIntRange(py + oy);
        }
        const int clamped = HoldInIntRange(bottom - cy - kMargin);
        if (clamped <= py) {
            return HoldInIntRange(py - cy - kMargin);  // above the cursor
        }
        return clamped;
    }
    if (py + oy >= top + kMargin) {
        return HoldInIntRange(py + oy);
    }
    if (py - top <= cy + kMargin) {
        return HoldInIntRange(py + kMargin);  // below the cursor
    }
    return HoldInIntRange(top + kMargin);
}

bool Covers(std::int64_t x, std::int64_t y, std::int64_t cx, std::int64_t cy, std::int64_t px,
            std::int64_t py) {
    return x <= px && px <= x + cx && y <= py && py <= y + cy;
}

}  // namespace

IndicatorPosition PlaceIndicator(int px, int py, int ox, int oy, int cx, int cy,
                                 const ScreenRect& monitor, int viewMode) {
    IndicatorPosition position{};
    if (viewMode == 0) {
        position.x = CorrectedX(px, ox, cx, monitor.left, monitor.right);
        position.y = CorrectedY(py, oy, cy, monitor.top, monitor.bottom);
    } else {
        position.x = HoldInIntRange(std::int64_t{px} + ox);
        position.y = HoldInIntRange(std::int64_t{py} + oy);
    }
    // Never under the cursor, edges included: step just below and right of it,
    // even if that leaves the monitor.
    if (Covers(position.x, position.y, cx, cy, px, py)) {
        position.x = HoldInIntRange(px + kMargin);
        position.y = HoldInIntRange(py + kMargin);
        // A cursor at the far end of the int range cannot be passed on the
        // right and below (the step is held there): go left of it instead.
        if (Covers(position.x, position.y, cx, cy, px, py)) {
            position.x = HoldInIntRange(std::int64_t{px} - cx - kMargin);
        }
    }
    return position;
}
