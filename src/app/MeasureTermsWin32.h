#pragma once

#include <windows.h>

#include "app/IndicatorText.h"

// The terms the lines are shown in: what the Coordinates line counts from (the
// screen, or the window under the pointer or its client area) and whether
// lengths and counted coordinates are page pixels (96 DPI) of their monitor.
// Screen coordinates stay physical: monitors at different scales share no one
// grid of page pixels.

// At start: takes COORD_ORIGIN and LOGICAL_PIXELS through the menu's setters;
// writes nothing.
void LoadMeasureTerms();

// True when the command is one of the origins or the page-pixel toggle, which
// it then carries out and stores.
bool OnMeasureTermsCommand(unsigned command);

// What the Coordinates line shows for the cursor on a monitor at dpi: the
// cursor counted from the chosen origin. The window under the pointer is
// looked up only in Coordinates mode with a window's origin, without a message
// to any window, so a window that hangs or closes cannot hold the tick; while
// the pointer rests and no window has changed, the last look-up holds.
ScreenPoint CoordinatesShown(HWND indicator, POINT cursor, int dpi);

// At exit: ends the watch on other programs' windows.
void StopMeasureTerms();
