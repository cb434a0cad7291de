#pragma once

#include <windows.h>

// The commands that change the indicator's looks and modes. Each stores its
// change at once in the indicator's settings file, and the setters grey the
// current choice of their menu group in the popup menu (enabling the others).

// Runs the font chooser on the indicator's font record and text colour. On OK
// the record (its character height capped at 171 pixels) and colour are taken
// and a new font is returned; otherwise the current font. Either way "FONT"
// and then "FONT_COLOR" are written.
HFONT ChooseIndicatorFont();

// Runs the colour chooser from the background colour, with custom colours kept
// for the run. On OK the chosen colour is taken; either way "BACK_COLOR" is written.
void ChooseBackColor();

// Applies transparency command 40036 (opaque) to 40045 (alpha 30), or 40046
// (background colour transparent), and writes "ALPHA".
void SetTransparency(HWND window, int command);

// 0 Coordinates, 1 Clock, 2 Range, 3 Colour; writes "MODE". The mouse hook is the caller's.
void SetDisplayMode(int mode);

// 0 Corrected, 1 Absolute; writes "VIEW_MODE".
void SetViewMode(int mode);

// Colour mode's notation, 0 to 3 (text/ColourNotation.h); writes "COLOR_FORMAT"
// when store is set (a choice, not the value read at start-up).
void SetColourNotation(int notation, bool store);

// What Coordinates counts from, 0 to 2 (app/CoordinateOrigin.h); writes
// "COORD_ORIGIN" when store is set.
void SetCoordinateOrigin(int origin, bool store);

// Lengths and counted coordinates in page pixels or as they are; writes
// "LOGICAL_PIXELS" when store is set. The item's caption says what choosing
// it does next.
void SetPagePixels(bool on, bool store);
