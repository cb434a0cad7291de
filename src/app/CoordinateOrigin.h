#pragma once

#include "app/IndicatorText.h"

// What the Coordinates line counts from, as the settings file keeps it
// (COORD_ORIGIN). Platform-free: the glue finds the window under the pointer.
using CoordinateOrigin = int;
constexpr CoordinateOrigin kOriginScreen = 0;  // the screen's own coordinates
constexpr CoordinateOrigin kOriginWindow =
    1;  // the top-left corner of the window under the pointer
constexpr CoordinateOrigin kOriginClient = 2;  // the top-left corner of that window's client area
constexpr int kOriginCount = 3;

// The pointer counted from origin (both in screen coordinates), negative left
// of or above it, in page pixels of a monitor at dpi (96: as they are).
// Differences past the int range are held at its ends.
ScreenPoint CountedFrom(ScreenPoint pointer, ScreenPoint origin, int dpi);
