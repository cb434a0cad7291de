#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "ScreenPicture.h"

// A value as "0x..." in failure messages.
std::string Hex(std::uint32_t value);

// How the indicator draws: font and colours as tavi.ini gives them.
struct IndicatorLook {
    LOGFONTA font;
    COLORREF textColor;
    COLORREF backColor;
    COLORREF swatch = CLR_INVALID;  // Colour mode's swatch left of the text, or none
};

// Tahoma -11, Shift-JIS character set; black on 0x00D9FFFF.
LOGFONTA DefaultIndicatorFont();
IndicatorLook DefaultLook();

// The outer window size for a text: its extent in the font, 4 pixels more on
// the right (and a swatch's line height and 2), then the frame of a bordered layered tool popup.
SIZE MeasureWindowFor(const std::string& text, const LOGFONTA& font, bool swatch = false);

// What the indicator's paint puts into its client area: the outer size filled
// with the background, the text drawn into (2, 0, outer width, outer height);
// a swatch from (2, 0) as tall as the line, framed in the text colour, moves it right.
Picture RenderClientArea(const std::string& text, const IndicatorLook& look, SIZE outer,
                         SIZE client);

// A top-most popup of the test's own in one colour, for Colour mode to read.
class ColourPatch {
  public:
    // A style with a caption gives a window to count coordinates from.
    ColourPatch(const RECT& rect, COLORREF colour, DWORD style = WS_POPUP);
    ~ColourPatch() { DestroyWindow(window_); }
    bool Fill(COLORREF colour);  // true once the screen shows it at the client area's first pixel
    HWND Window() const { return window_; }

  private:
    HWND window_;
    RECT corner_;
};

// Waits until the window's client area on the screen shows the text as the
// indicator paints it; otherwise says where the last capture differed.
testing::AssertionResult ShowsText(HWND window, const std::string& text, const IndicatorLook& look,
                                   DWORD timeoutMs);
