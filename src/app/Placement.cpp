#include "app/Placement.h"

#include "app/IntRange.h"
#include <cstdint>

namespace {

constexpr std::int64_t kMargin = 2;  // gap kept to the screen edges and to the cursor

// Keeps the window on the screen on the side the offset points to; the other
// edge is left free.
int CorrectedX(std::int64_t px, std::int64_t ox, std::int64_t cx, std::int64_t screenWidth) {
    if (ox > 0) {
        if (px + ox + cx < screenWidth - kMargin) {
            return HoldInIntRange(px + ox);
        }
        return HoldInIntRange(screenWidth - cx - kMargin);
    }
    if (px + ox < kMargin) {
        return static_cast<int>(kMargin);
    }
    return HoldInIntRange(px + ox);
}

// Like CorrectedX, but a window pushed back onto the screen that would reach
// the cursor's row changes to the other side of the cursor.
int CorrectedY(std::int64_t py, std::int64_t oy, std::int64_t cy, std::int64_t screenHeight) {
    if (oy > 0) {
        if (py + oy + cy < screenHeight - kMargin) {
            return HoldInIntRange(py + oy);
        }
        const int clamped = HoldInIntRange(screenHeight - cy - kMargin);
        if (clamped <= py) {
            return HoldInIntRange(py - cy - kMargin);  // above the cursor
        }
        return clamped;
    }
    if (py + oy >= kMargin) {
        return HoldInIntRange(py + oy);
    }
    if (py <= cy + kMargin) {
        return HoldInIntRange(py + kMargin);  // below the cursor
    }
    return static_cast<int>(kMargin);
}

bool Covers(std::int64_t x, std::int64_t y, std::int64_t cx, std::int64_t cy, std::int64_t px,
            std::int64_t py) {
    return x <= px && px <= x + cx && y <= py && py <= y + cy;
}

}  // namespace

IndicatorPosition PlaceIndicator(int px, int py, int ox, int oy, int cx, int cy, int screenWidth,
                                 int screenHeight, int viewMode) {
    IndicatorPosition position{};
    if (viewMode == 0) {
        position.x = CorrectedX(px, ox, cx, screenWidth);
        position.y = CorrectedY(py, oy, cy, screenHeight);
    } else {
        position.x = HoldInIntRange(std::int64_t{px} + ox);
        position.y = HoldInIntRange(std::int64_t{py} + oy);
    }
    // Never under the cursor, edges included: step just below and right of it,
    // even if that leaves the screen.
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
