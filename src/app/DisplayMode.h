#pragma once

// What the tick shows. A value outside the list can only come from a
// hand-edited settings file; it is kept as it is and shows nothing new.
using DisplayMode = int;
constexpr DisplayMode kDisplayCoordinates = 0;
constexpr DisplayMode kDisplayClock = 1;
constexpr DisplayMode kDisplayRange = 2;
constexpr DisplayMode kDisplayColour = 3;

// The mode that the "next display mode" key switches to: Coordinates, Clock,
// Range, Colour and round again. A mode outside the list goes to Coordinates.
constexpr DisplayMode NextDisplayMode(DisplayMode mode) {
    switch (mode) {
        case kDisplayCoordinates:
            return kDisplayClock;
        case kDisplayClock:
            return kDisplayRange;
        case kDisplayRange:
            return kDisplayColour;
        default:
            return kDisplayCoordinates;
    }
}
