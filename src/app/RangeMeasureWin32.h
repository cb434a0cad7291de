#pragma once

#include <windows.h>

#include "app/IndicatorText.h"

// What Range measures: the mouse hook's drag, or the anchor hotkey's
// measurement without a drag (app/KeyboardMeasure.h), which a drag replaces.

// The points Range shows with the pointer at cursor, and the DPI its size is
// shown at: with page pixels on, that of the monitor where it started.
DragPoints RangeMeasureNow(POINT cursor);

// The anchor hotkey: switches to Range through the menu's command when another
// mode is on, then starts or ends a measurement where the pointer is.
void OnAnchorKey(HWND window);

// Range is left: the mouse hook stops and a keyboard measurement is forgotten.
void StopRangeMeasures();
