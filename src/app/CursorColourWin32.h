#pragma once

#include <windows.h>

#include "app/IndicatorText.h"

// Colour mode's glue: the colour under the cursor in the stored notation, and
// the swatch that shows it beside the text.

// The pixel at the cursor's hotspot, in the indicator's notation.
ColourReading ReadCursorColour(POINT cursor);

// Draws indicatorState's swatch, if one shows, for a line of the height: the
// square left of the text, framed one pixel in the text colour.
void PaintSwatch(HDC dc, int lineHeight);
