#include "app/CoordinateOrigin.h"

#include <cstdint>

#include "app/IntRange.h"
#include "settings/DpiScale.h"

ScreenPoint CountedFrom(ScreenPoint pointer, ScreenPoint origin, int dpi) {
    return ScreenPoint{
        HoldInIntRange(PagePixels(std::int64_t{pointer.x} - origin.x, dpi)),
        HoldInIntRange(PagePixels(std::int64_t{pointer.y} - origin.y, dpi)),
    };
}
