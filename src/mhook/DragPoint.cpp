#include "mhook/DragPoint.h"

#include <algorithm>

PackedPoint PackPoint(std::int32_t x, std::int32_t y) {
    // Through unsigned values, so that a negative x does not spill into y.
    const std::uint64_t high = static_cast<std::uint32_t>(y);
    const std::uint64_t low = static_cast<std::uint32_t>(x);
    return static_cast<PackedPoint>(high << 32 | low);
}

std::int32_t PointX(PackedPoint point) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(point));
}

std::int32_t PointY(PackedPoint point) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(point) >> 32));
}

namespace {

// The offset of `value` from `first`, kept within 0 .. extent - 1 (0 for an empty extent).
std::int32_t OffsetWithin(std::int32_t value, std::int32_t first, std::int32_t extent) {
    const std::int64_t last = std::max<std::int64_t>(extent, 1) - 1;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{value} - first, 0, last));
}

}  // namespace

PackedPoint ToDragPoint(std::int32_t x, std::int32_t y, const ScreenArea& area) {
    return PackPoint(OffsetWithin(x, area.left, area.width),
                     OffsetWithin(y, area.top, area.height));
}
