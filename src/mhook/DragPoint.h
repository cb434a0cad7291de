#pragma once

#include <cstdint>

// A point as MHook.dll hands it out: one 64-bit value with x in the low 32 bits
// and y in the high 32 bits, both signed. A negative x means "not set".
using PackedPoint = std::int64_t;

constexpr PackedPoint kPointNotSet = -1;  // x = -1, y = -1

PackedPoint PackPoint(std::int32_t x, std::int32_t y);
std::int32_t PointX(PackedPoint point);
std::int32_t PointY(PackedPoint point);

// The rectangle that all monitors together cover, in screen coordinates.
struct ScreenArea {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
};

// The pointer's position measured from the area's top-left corner and kept
// inside the area. Monitors left of or above the primary one have negative
// screen coordinates, and a low-level hook may see the pointer pushed past the
// edge before it is clipped; either would read as "not set". Only differences
// between points are shown, so the shift leaves the drag sizes unchanged.
PackedPoint ToDragPoint(std::int32_t x, std::int32_t y, const ScreenArea& area);
