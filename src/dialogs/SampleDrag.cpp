#include "dialogs/SampleDrag.h"

#include "app/IntRange.h"

PixelPoint SamplePositionForOffsets(PixelPoint offsets) {
    return {HoldInIntRange(static_cast<long long>(offsets.x) + kPointerOrigin.x),
            HoldInIntRange(static_cast<long long>(offsets.y) + kPointerOrigin.y)};
}

PixelPoint OffsetsForSamplePosition(PixelPoint position) {
    return {HoldInIntRange(static_cast<long long>(position.x) - kPointerOrigin.x),
            HoldInIntRange(static_cast<long long>(position.y) - kPointerOrigin.y)};
}

bool GrabSample(PixelPoint cursor, const PixelRect& sample, PixelPoint& grab) {
    const bool inside = sample.left <= cursor.x && cursor.x < sample.right &&
                        sample.top <= cursor.y && cursor.y < sample.bottom;
    if (inside) {
        grab = {HoldInIntRange(static_cast<long long>(cursor.x) - sample.left),
                HoldInIntRange(static_cast<long long>(cursor.y) - sample.top)};
    }
    return inside;
}

PixelPoint DraggedSamplePosition(PixelPoint cursor, PixelPoint dialogTopLeft,
                                 PixelPoint frameInsets, PixelPoint grab) {
    const long long x = static_cast<long long>(cursor.x) - dialogTopLeft.x - frameInsets.x - grab.x;
    const long long y = static_cast<long long>(cursor.y) - dialogTopLeft.y - frameInsets.y - grab.y;
    return {HoldInIntRange(x), HoldInIntRange(y)};
}

bool IsLeftButtonAlone(unsigned keyState) {
    constexpr unsigned kLeftButton = 0x0001;  // MK_LBUTTON
    return keyState == kLeftButton;
}
