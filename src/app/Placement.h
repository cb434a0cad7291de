#pragma once

// Where the indicator goes for a cursor position: beside the cursor at the
// user's offset, kept on the screen in Corrected mode, never under the cursor.
struct IndicatorPosition {
    int x;
    int y;
};

// px, py: cursor; ox, oy: offsets; cx, cy: window size; viewMode 0 is
// Corrected, every other value Absolute. The screen runs from 0 to its extent.
// Sums are taken without overflow; a coordinate beyond the int range (only
// hostile offsets from the settings file reach one) is held at INT_MIN or
// INT_MAX, and the cursor test then uses that held position; a cursor at the
// far end of the range, where the step right and below is held on it, has the
// window put left of it.
IndicatorPosition PlaceIndicator(int px, int py, int ox, int oy, int cx, int cy, int screenWidth,
                                 int screenHeight, int viewMode);
