#include "app/CursorColourWin32.h"

#include "app/ColourSwatch.h"
#include "app/IndicatorState.h"
#include "app/ScreenPixelWin32.h"

namespace {

void FillWith(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

ColourReading ReadCursorColour(POINT cursor) {
    ColourReading colour{false, 0, indicatorState.colourNotation};
    colour.read = ReadScreenPixel(cursor, &colour.rgb);
    return colour;
}

void PaintSwatch(HDC dc, int lineHeight) {
    const std::uint32_t rgb = indicatorState.swatch;
    if (rgb == kNoSwatch) {
        return;
    }
    RECT square{kTextMargin, 0, kTextMargin + lineHeight, lineHeight};
    FillWith(dc, square, indicatorState.textColor);
    InflateRect(&square, -1, -1);
    FillWith(
        dc, square,
        RGB(static_cast<BYTE>(rgb >> 16), static_cast<BYTE>(rgb >> 8), static_cast<BYTE>(rgb)));
}
