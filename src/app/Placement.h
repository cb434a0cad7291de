#pragma once

// Where the indicator goes for a cursor position: beside the cursor at the
// user's offset, kept on the cursor's monitor in Corrected mode, never under
// the cursor.
struct IndicatorPosition {
    int x;
    int y;
};

// A rectangle of the virtual screen in pixels; right and bottom lie just
// outside it. Monitors left of or above the primary one have negative
// coordinates.
struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
};

// px, py: cursor; ox, oy: offsets; cx, cy: window size; monitor: the whole
// rectangle of the monitor that holds the cursor (its edges are the ones
// Corrected mode keeps to); viewMode 0 is Corrected, every other value
// Absolute. Sums are taken without overflow; a coordinate beyond the int range
// (only hostile offsets from the settings file reach one) is held at INT_MIN
// or INT_MAX, and the cursor test then uses that held position; a cursor at the
// far end of the range, where the step right and below is held on it, has the
// window put left of it.
IndicatorPosition PlaceIndicator(int px, int py, int ox, int oy, int cx, int cy,
                                 const ScreenRect& monitor, int viewMode);
