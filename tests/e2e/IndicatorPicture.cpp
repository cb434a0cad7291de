#include "IndicatorPicture.h"

#include <cstring>
#include <sstream>

#include "WaitFor.h"

namespace {

constexpr DWORD kPatchTimeoutMs = 3000;

constexpr DWORD kBorderedStyle = 0x80880000;     // WS_POPUP | WS_BORDER | WS_SYSMENU
constexpr DWORD kIndicatorExStyle = 0x00080088;  // layered, tool window, top-most

// Equal, or where they first differ and how much.
testing::AssertionResult SamePicture(const Picture& expected, const Picture& seen) {
    if (expected.width != seen.width || expected.height != seen.height) {
        return testing::AssertionFailure()
               << "size " << seen.width << "x" << seen.height << ", expected " << expected.width
               << "x" << expected.height;
    }
    size_t differing = 0;
    size_t first = 0;
    for (size_t i = 0; i < expected.pixels.size(); ++i) {
        if (expected.pixels[i] != seen.pixels[i] && differing++ == 0) {
            first = i;
        }
    }
    if (differing == 0) {
        return testing::AssertionSuccess();
    }
    const int x = static_cast<int>(first % expected.width);
    const int y = static_cast<int>(first / expected.width);
    return testing::AssertionFailure()
           << differing << " of " << expected.pixels.size() << " pixels differ; first at (" << x
           << "," << y << "): seen " << Hex(seen.pixels[first]) << ", expected "
           << Hex(expected.pixels[first]);
}

}  // namespace

std::string Hex(std::uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

LOGFONTA DefaultIndicatorFont() {
    LOGFONTA font{};
    font.lfHeight = -11;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(font.lfFaceName, "Tahoma");
    return font;
}

IndicatorLook DefaultLook() {
    return IndicatorLook{DefaultIndicatorFont(), 0, 0x00D9FFFF};
}

SIZE MeasureWindowFor(const std::string& text, const LOGFONTA& logFont, bool swatch) {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontIndirectA(&logFont);
    HGDIOBJ previous = SelectObject(screen, font);
    RECT rect{0, 0, 0, 0};
    DrawTextA(screen, text.c_str(), -1, &rect, DT_CALCRECT);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    rect.right += 4 + (swatch ? rect.bottom + 2 : 0);
    AdjustWindowRectEx(&rect, kBorderedStyle, FALSE, kIndicatorExStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

Picture RenderClientArea(const std::string& text, const IndicatorLook& look, SIZE outer,
                         SIZE client) {
    Canvas canvas(client.cx, client.cy);
    HDC dc = canvas.Dc();
    RECT fill{0, 0, outer.cx, outer.cy};
    HBRUSH brush = CreateSolidBrush(look.backColor);
    FillRect(dc, &fill, brush);
    DeleteObject(brush);
    SetTextColor(dc, look.textColor);
    SetBkColor(dc, look.backColor);
    HFONT font = CreateFontIndirectA(&look.font);
    HGDIOBJ previous = SelectObject(dc, font);
    RECT textRect{2, 0, outer.cx, outer.cy};
    if (look.swatch != CLR_INVALID) {
        RECT line{0, 0, 0, 0};
        DrawTextA(dc, text.c_str(), -1, &line, DT_CALCRECT);
        RECT square{2, 0, 2 + line.bottom, line.bottom};
        for (COLORREF colour : {look.textColor, look.swatch}) {  // the frame, then inside it
            HBRUSH fill = CreateSolidBrush(colour);
            FillRect(dc, &square, fill);
            DeleteObject(fill);
            InflateRect(&square, -1, -1);
        }
        textRect.left += line.bottom + 2;
    }
    DrawTextA(dc, text.c_str(), -1, &textRect, 0);
    SelectObject(dc, previous);
    DeleteObject(font);
    return canvas.Pixels();
}

ColourPatch::ColourPatch(const RECT& rect, COLORREF colour, DWORD style) {
    WNDCLASSA patchClass{};
    patchClass.lpfnWndProc = DefWindowProcA;
    patchClass.hInstance = GetModuleHandleA(nullptr);
    patchClass.lpszClassName = "TavikanTestPatch";
    RegisterClassA(&patchClass);  // fails harmlessly for the second patch of the process
    window_ =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, patchClass.lpszClassName, "patch", style,
                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        nullptr, nullptr, patchClass.hInstance, nullptr);
    POINT client{0, 0};
    ClientToScreen(window_, &client);
    corner_ = RECT{client.x, client.y, client.x + 1, client.y + 1};
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    Fill(colour);
}

bool ColourPatch::Fill(COLORREF colour) {
    DeleteObject(reinterpret_cast<HGDIOBJ>(SetClassLongPtrA(
        window_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(CreateSolidBrush(colour)))));
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    return PumpMessagesUntil(kPatchTimeoutMs,
                             [&] { return CountPixels(CaptureScreen(corner_), colour) == 1; });
}

testing::AssertionResult ShowsText(HWND window, const std::string& text, const IndicatorLook& look,
                                   DWORD timeoutMs) {
    testing::AssertionResult last = testing::AssertionFailure() << "nothing captured";
    RECT windowRect{};
    WaitFor(timeoutMs, [&] {
        RECT client{};
        GetWindowRect(window, &windowRect);
        GetClientRect(window, &client);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        const SIZE outer{windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
        const SIZE clientSize{client.right, client.bottom};
        if (clientSize.cx <= 0 || clientSize.cy <= 0) {
            return false;
        }
        const RECT onScreen{origin.x, origin.y, origin.x + clientSize.cx, origin.y + clientSize.cy};
        last =
            SamePicture(RenderClientArea(text, look, outer, clientSize), CaptureScreen(onScreen));
        return static_cast<bool>(last);
    });
    if (!last) {
        last << " (text \"" << text << "\", window " << windowRect.right - windowRect.left << "x"
             << windowRect.bottom - windowRect.top << " at " << windowRect.left << ","
             << windowRect.top << ")";
    }
    return last;
}
