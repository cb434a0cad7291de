#pragma once

// The display-settings dialog's sample of the indicator, in pixels. The
// sample's top-left corner sits at the pointer origin plus the offsets, so the
// offsets are where the indicator will sit relative to the cursor's tip.

struct PixelPoint {
    int x;
    int y;
};

// Right and bottom are one past the last pixel.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The tip of the pointer picture, in the dialog's client pixels.
constexpr PixelPoint kPointerOrigin = {250, 250};

// Where the sample goes for the given offsets. Offsets from the settings file
// are not bounded, so the sum is held inside the int range.
PixelPoint SamplePositionForOffsets(PixelPoint offsets);

// The offsets for a sample placed at position.
PixelPoint OffsetsForSamplePosition(PixelPoint position);

// A press at cursor on the sample (its outer rectangle, both in screen pixels).
// Inside the rectangle it stores where the sample was grabbed, from its
// top-left corner, and returns true; outside it leaves grab alone and returns false.
bool GrabSample(PixelPoint cursor, const PixelRect& sample, PixelPoint& grab);

// Where a dragged sample goes, in the dialog's client pixels: the cursor taken
// relative to the dialog's outer top-left corner, less the frame insets of the
// dialog style and the grab point. Held inside the int range.
PixelPoint DraggedSamplePosition(PixelPoint cursor, PixelPoint dialogTopLeft,
                                 PixelPoint frameInsets, PixelPoint grab);

// A mouse message's key-state word: only the left button alone drags, with no
// other button and neither Shift nor Ctrl held.
bool IsLeftButtonAlone(unsigned keyState);
