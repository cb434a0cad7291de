#include "app/DisplayLayout.h"

#include <cstdint>

#include "settings/DpiScale.h"

namespace {

// Beyond this any monitor is far; held there, two squared distances add up
// without overflow.
constexpr std::int64_t kFar = std::int64_t{1} << 30;

// How far the value lies outside first .. end - 1; 0 inside.
std::int64_t DistanceOutside(std::int64_t value, std::int64_t first, std::int64_t end) {
    std::int64_t distance = 0;
    if (value < first) {
        distance = first - value;
    } else if (value >= end) {
        distance = value - (end - 1);
    }
    return distance < kFar ? distance : kFar;
}

std::int64_t SquaredDistance(const ScreenRect& rect, ScreenPoint point) {
    const std::int64_t dx = DistanceOutside(point.x, rect.left, rect.right);
    const std::int64_t dy = DistanceOutside(point.y, rect.top, rect.bottom);
    return dx * dx + dy * dy;
}

}  // namespace

MonitorArea MonitorAt(const DisplayLayout& layout, ScreenPoint point) {
    MonitorArea nearest{{0, 0, 0, 0}, kBaseDpi};
    std::int64_t nearestDistance = -1;
    const int count = layout.count < kMaxMonitors ? layout.count : kMaxMonitors;
    for (int i = 0; i < count; ++i) {
        const std::int64_t distance = SquaredDistance(layout.monitors[i].rect, point);
        if (nearestDistance < 0 || distance < nearestDistance) {
            nearest = layout.monitors[i];
            nearestDistance = distance;
        }
    }
    return nearest;
}
