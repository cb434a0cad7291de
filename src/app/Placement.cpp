#include "app/Placement.h"

#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kMargin = 2;  // gap kept to the screen edges and to the cursor

// Offsets come from a hand-editable file, so sums are taken in 64 bits and
// held at the ends of the int range rather than wrapped.
int Saturate(std::int64_t value) {
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

// Keeps the window on the screen on the side the offset points to; the other
// edge is left free.
int CorrectedX(std::int64_t px, std::int64_t ox, std::int64_t cx, std::int64_t screenWidth) {
    if (ox > 0) {
        if (px + ox + cx < screenWidth - kMargin) {
            return Saturate(px + ox);
        }
        return Saturate(screenWidth - cx - kMargin);
    }
    if (px + ox < kMargin) {
        return static_cast<int>(kMargin);
    }
    return Saturate(px + ox);
}

// Like CorrectedX, but a window pushed back onto the screen that would reach
// the cursor's row changes to the other side of the cursor.
int CorrectedY(std::int64_t py, std::int64_t oy, std::int64_t cy, std::int64_t screenHeight) {
    if (oy > 0) {
        if (py + oy + cy < screenHeight - kMargin) {
            return Saturate(py + oy);
        }
        const int clamped = Saturate(screenHeight - cy - kMargin);
        if (clamped <= py) {
            return Saturate(py - cy - kMargin);  // above the cursor
        }
        return clamped;
    }
    if (py + oy >= kMargin) {
        return Saturate(py + oy);
    }
    if (py <= cy + kMargin) {
        return Saturate(py + kMargin);  // below the cursor
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
        position.x = Saturate(std::int64_t{px} + ox);
        position.y = Saturate(std::int64_t{py} + oy);
    }
    // Never under the cursor, edges included: step just below and right of it,
    // even if that leaves the screen.
    if (Covers(position.x, position.y, cx, cy, px, py)) {
        position.x = Saturate(px + kMargin);
        position.y = Saturate(py + kMargin);
    }
    return position;
}
