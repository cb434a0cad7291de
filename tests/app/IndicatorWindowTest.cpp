// The indicator window: creation, the tick, painting and destruction.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "AppTestSupport.h"
#include "ScreenPicture.h"
#include "WaitFor.h"
#include "app/IndicatorState.h"
#include "app/IndicatorWindow.h"
#include "settings/FontRecord.h"

namespace {

class IndicatorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetIndicator(settings);
        indicatorState.windowStyle = kBorderedStyle;
        ASSERT_NE(RegisterIndicatorClass(), 0);
    }

    void TearDown() override {
        Destroy();
        UnregisterClassA(kIndicatorClassName, GetModuleHandleA(nullptr));
    }

    void Create(DWORD extendedStyle = kPlainExStyle) {
        window = CreateIndicatorWindow(extendedStyle);
        ASSERT_NE(window, nullptr);
    }

    void Destroy() {
        if (window != nullptr && IsWindow(window)) {
            DestroyWindow(window);
        }
        window = nullptr;
        DiscardMessages();
    }

    void Tick() { SendMessageA(window, WM_TIMER, kIndicatorTimerId, 0); }

    void TickAt(int x, int y) {
        SetCursorPos(x, y);
        Tick();
    }

    RECT WindowRect() const {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }

    TempSettings settings;
    HWND window = nullptr;
};

LOGFONTA StoredTestFont() {
    LOGFONTA font;
    SetDefaultIndicatorFont(font);
    font.lfHeight = -20;
    font.lfWeight = FW_BOLD;
    std::strcpy(font.lfFaceName, "Arial");
    return font;
}

struct StoredLooksCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> values;
    bool storeFont;
    COLORREF textColor;
    COLORREF backColor;
    int offsetX;
    int offsetY;
    const char* dateFormat;
    LONG fontHeight;
    const char* fontFace;
};

TEST_F(IndicatorWindowTest, CreationReadsStoredLooks) {
    const StoredLooksCase cases[] = {
        {"no file", {}, false, 0, 0x00D9FFFF, 12, 15, "yyyy/MM/dd hh:mm:ss", -11, "Tahoma"},
        {"stored",
         {{"FONT_COLOR", "255"},
          {"BACK_COLOR", "65280"},
          {"WINPOINT_X", "-30"},
          {"WINPOINT_Y", "40"},
          {"DATE_FORMAT", "hh:mm"}},
         true,
         255,
         65280,
         -30,
         40,
         "hh:mm",
         -20,
         "Arial"},
        {"empty values",
         {{"FONT", ""},
          {"FONT_COLOR", ""},
          {"BACK_COLOR", ""},
          {"WINPOINT_X", ""},
          {"WINPOINT_Y", ""},
          {"DATE_FORMAT", ""}},
         false,
         0,
         0x00D9FFFF,
         12,
         15,
         "yyyy/MM/dd hh:mm:ss",
         -11,
         "Tahoma"},
    };
    for (const StoredLooksCase& c : cases) {
        SCOPED_TRACE(c.name);
        settings.Remove();
        for (const auto& [key, value] : c.values) {
            settings.Write(key, value);
        }
        if (c.storeFont) {
            WriteIndicatorFont(indicatorSettings, StoredTestFont());
        }
        Create();

        EXPECT_EQ(indicatorState.textColor, c.textColor);
        EXPECT_EQ(indicatorState.backColor, c.backColor);
        EXPECT_EQ(indicatorState.offsetX, c.offsetX);
        EXPECT_EQ(indicatorState.offsetY, c.offsetY);
        EXPECT_STREQ(clockFormatter.Format(), c.dateFormat);
        EXPECT_EQ(indicatorState.logFont.lfHeight, c.fontHeight);
        EXPECT_STREQ(indicatorState.logFont.lfFaceName, c.fontFace);
        LOGFONTA made{};
        ASSERT_NE(GetObjectA(indicatorState.font, sizeof made, &made), 0);
        EXPECT_EQ(made.lfHeight, c.fontHeight);
        EXPECT_STREQ(made.lfFaceName, c.fontFace);
        // Creation only reads: nothing is written back.
        EXPECT_EQ(settings.KeysInOrder().size(), c.values.size() + (c.storeFont ? 1 : 0));
        Destroy();
    }
}

TEST_F(IndicatorWindowTest, CreationPutsUpTheTrayIcon) {
    Create();
    const NOTIFYICONDATAA& icon = indicatorState.trayIcon;
    EXPECT_EQ(icon.cbSize, 88u);
    EXPECT_EQ(icon.hWnd, window);
    EXPECT_EQ(icon.uID, 180u);
    EXPECT_EQ(icon.uFlags, 7u);
    EXPECT_EQ(icon.uCallbackMessage, 0x8064u);
    EXPECT_NE(icon.hIcon, nullptr);
    EXPECT_STREQ(icon.szTip, "Tavikan");
    const char noTip[64 - 8] = {};
    EXPECT_EQ(std::memcmp(icon.szTip + 8, noTip, sizeof noTip), 0);

    // Loaded at the system's small-icon size, which grows with the display's scale.
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon.hIcon, &parts));
    BITMAP mask{};
    GetObjectA(parts.hbmMask, sizeof mask, &mask);
    DeleteObject(parts.hbmMask);
    DeleteObject(parts.hbmColor);
    EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXSMICON));

    NOTIFYICONDATAA probe = icon;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &probe)) << "the icon should be up";
    // The window is created hidden; start-up shows it.
    EXPECT_FALSE(IsWindowVisible(window));
}

// The size the tick must give the window for the current text and font: the
// text's extent, 4 pixels of room and a one-pixel border on each side.
SIZE SizeForText(HWND window) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, indicatorState.font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, indicatorState.text, std::strlen(indicatorState.text), &extent);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return SIZE{extent.cx + 6, extent.cy + 2};
}

TEST_F(IndicatorWindowTest, TickShowsCoordinatesBesideTheCursor) {
    indicatorState.displayMode = kDisplayCoordinates;
    Create();
    TickAt(300, 200);

    EXPECT_STREQ(indicatorState.text, "x:300 y:200");
    const RECT measured = indicatorState.textRect;
    EXPECT_EQ(measured.left, 0);
    EXPECT_EQ(measured.top, 0);

    const SIZE expected = SizeForText(window);
    EXPECT_EQ(measured.right, expected.cx);
    EXPECT_EQ(measured.bottom, expected.cy);

    const RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 312);
    EXPECT_EQ(rect.top, 215);
    EXPECT_EQ(rect.right - rect.left, measured.right);
    EXPECT_EQ(rect.bottom - rect.top, measured.bottom);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // The same text measures the same on every tick.
    TickAt(300, 200);
    EXPECT_TRUE(EqualRect(&indicatorState.textRect, &measured));
}

TEST_F(IndicatorWindowTest, TickFollowsTheOffsetsAndPlacementMode) {
    struct Case {
        int offsetX, offsetY, viewMode, cursorX, cursorY, left, top;
    };
    const Case cases[] = {
        {12, 15, kViewCorrected, 100, 100, 112, 115},
        {-120, -40, kViewCorrected, 400, 300, 280, 260},
        // Absolute placement keeps the plain offset even past the screen's edge.
        {30, 30, kViewAbsolute, 1000, 700, 1030, 730},
    };
    indicatorState.displayMode = kDisplayCoordinates;
    Create();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.cursorX) + "," + std::to_string(c.cursorY));
        indicatorState.offsetX = c.offsetX;
        indicatorState.offsetY = c.offsetY;
        indicatorState.viewMode = c.viewMode;
        TickAt(c.cursorX, c.cursorY);
        const RECT rect = WindowRect();
        EXPECT_EQ(rect.left, c.left);
        EXPECT_EQ(rect.top, c.top);
    }
}

LONG FontHeight(HFONT font) {
    LOGFONTA description{};
    GetObjectA(font, sizeof description, &description);
    return description.lfHeight;
}

// The tick keeps to the cursor's monitor: its edges in Corrected mode, its DPI
// for the font and the offsets (stored at 96 DPI). The screen is split into two
// made-up monitors, the right one at 150 %; a display change brings back the
// real one.
TEST_F(IndicatorWindowTest, TickKeepsToTheCursorsMonitorAndItsScale) {
    indicatorState.displayMode = kDisplayCoordinates;
    Create();
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const int seam = width / 2;
    indicatorState.displayLayout =
        DisplayLayout{{{{0, 0, seam, height}, 96}, {{seam, 0, width, height}, 144}}, 2};
    struct Case {
        int cursorX;
        LONG fontHeight;
        int left;  // or the right edge, for a clamp
        bool clampedRight;
        int top;
    };
    const Case cases[] = {
        {100, -11, 112, false, 115},
        {seam - 12, -11, seam - 2, true, 115},  // the seam is the left monitor's right edge
        {seam + 100, -17, seam + 118, false, 123},
        {100, -11, 112, false, 115},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cursorX);
        TickAt(c.cursorX, 100);
        EXPECT_EQ(FontHeight(indicatorState.font), c.fontHeight);
        const RECT rect = WindowRect();
        EXPECT_EQ(c.clampedRight ? rect.right : rect.left, c.left);
        EXPECT_EQ(rect.top, c.top);
        const SIZE expected = SizeForText(window);
        EXPECT_EQ(rect.right - rect.left, expected.cx);
        EXPECT_EQ(rect.bottom - rect.top, expected.cy);
    }

    SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(width, height));
    ASSERT_EQ(indicatorState.displayLayout.count, 1);
    EXPECT_EQ(indicatorState.displayLayout.monitors[0].rect.right, width);
    TickAt(seam + 100, 100);
    EXPECT_EQ(FontHeight(indicatorState.font), -11);
    EXPECT_EQ(WindowRect().left, seam + 112);
}

// The border command and a missing transparency capability change the styles;
// the measured size stays that of the bordered layered popup.
TEST_F(IndicatorWindowTest, SizeDoesNotDependOnBorderOrTransparency) {
    const std::pair<DWORD, DWORD> styles[] = {
        {kBorderedStyle, kLayeredExStyle},
        {kBorderlessStyle, kLayeredExStyle},
        {kBorderlessStyle, kPlainExStyle},
        {kBorderedStyle, kPlainExStyle},
    };
    indicatorState.displayMode = kDisplayCoordinates;
    Create();
    std::vector<SIZE> sizes;
    for (const auto& [style, extendedStyle] : styles) {
        SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style));
        SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(extendedStyle));
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
        ASSERT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_BORDER, style & WS_BORDER);
        TickAt(500, 400);
        const RECT rect = WindowRect();
        sizes.push_back(SIZE{rect.right - rect.left, rect.bottom - rect.top});
    }
    for (const SIZE& size : sizes) {
        EXPECT_EQ(size.cx, sizes.front().cx);
        EXPECT_EQ(size.cy, sizes.front().cy);
    }
}

// The way the font command swaps fonts: the new one is made, then the old one deleted.
void SwapFont(LONG height, const char* face) {
    LOGFONTA description;
    SetDefaultIndicatorFont(description);
    description.lfHeight = height;
    std::strcpy(description.lfFaceName, face);
    indicatorState.logFont = description;
    HFONT made = CreateFontIndirectA(&description);
    DeleteObject(indicatorState.font);
    indicatorState.font = made;
}

void SetBorder(HWND window, DWORD style) {
    indicatorState.windowStyle = style;
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

bool Covers(HWND above, HWND window) {
    for (HWND w = GetWindow(window, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == above) {
            return true;
        }
    }
    return false;
}

enum class Repaint { kNo, kYes, kEither };

// A colour no case paints with, put where the indicator's fill goes: the tick
// paints at once, so whether it repainted shows in this pixel.
constexpr COLORREF kMarker = RGB(1, 2, 3);

COLORREF CornerPixel(HWND window, bool paintMarker) {
    HDC dc = GetDC(window);
    if (paintMarker) {
        SetPixel(dc, 0, 0, kMarker);
    }
    const COLORREF shown = GetPixel(dc, 0, 0);
    ReleaseDC(window, dc);
    return shown;
}

// What the commands and other programs change while the pointer stays still;
// each must reach the screen at the next tick, and nothing else may be redone.
TEST_F(IndicatorWindowTest, StillPointerTickRedoesWhatChanged) {
    HWND other = nullptr;
    struct Case {
        const char* name;
        std::function<void()> change;
        Repaint repaint;
        const char* text;
        bool sameSize;  // the size before the change
    };
    const Case cases[] = {
        {"nothing changed", [] {}, Repaint::kNo, "x:300 y:200", true},
        {"text colour", [] { indicatorState.textColor = RGB(255, 0, 0); }, Repaint::kYes,
         "x:300 y:200", true},
        {"background colour", [] { indicatorState.backColor = RGB(0, 0, 255); }, Repaint::kYes,
         "x:300 y:200", true},
        {"nothing changed again", [] {}, Repaint::kNo, "x:300 y:200", true},
        {"larger font", [] { SwapFont(-24, "Tahoma"); }, Repaint::kYes, "x:300 y:200", false},
        // Two swaps between ticks: the second font may get the handle value of
        // the one the last tick measured with.
        {"two fonts in a row",
         [] {
             SwapFont(-11, "Tahoma");
             SwapFont(-16, "Tahoma");
         },
         Repaint::kYes, "x:300 y:200", false},
        {"border off", [this] { SetBorder(window, kBorderlessStyle); }, Repaint::kYes,
         "x:300 y:200", true},
        {"border on", [this] { SetBorder(window, kBorderedStyle); }, Repaint::kYes, "x:300 y:200",
         true},
        {"display mode", [] { indicatorState.displayMode = kDisplayRange; }, Repaint::kYes,
         "size x:0 y:0", false},
        {"hidden from outside", [this] { ShowWindow(window, SW_HIDE); }, Repaint::kEither,
         "size x:0 y:0", true},
        {"top-most window above",
         [&] {
             other = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "cover",
                                     WS_POPUP | WS_VISIBLE, 300, 200, 200, 100, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
             ASSERT_TRUE(Covers(other, window));
         },
         Repaint::kEither, "size x:0 y:0", true},
    };
    indicatorState.displayMode = kDisplayCoordinates;
    Create();
    TickAt(300, 200);
    UpdateWindow(window);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RECT before = WindowRect();
        UpdateWindow(window);  // paints what is due, so the update region starts empty
        ASSERT_FALSE(GetUpdateRect(window, nullptr, FALSE));
        ASSERT_EQ(CornerPixel(window, true), kMarker);
        c.change();
        TickAt(300, 200);

        EXPECT_STREQ(indicatorState.text, c.text);
        if (c.repaint != Repaint::kEither) {
            EXPECT_EQ(CornerPixel(window, false) != kMarker, c.repaint == Repaint::kYes);
        }
        const RECT after = WindowRect();
        EXPECT_EQ(after.left, 312);
        EXPECT_EQ(after.top, 215);
        const SIZE size = SizeForText(window);
        EXPECT_EQ(after.right - after.left, size.cx);
        EXPECT_EQ(after.bottom - after.top, size.cy);
        EXPECT_EQ(after.right - after.left == before.right - before.left &&
                      after.bottom - after.top == before.bottom - before.top,
                  c.sameSize);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
        if (other != nullptr) {
            EXPECT_FALSE(Covers(other, window)) << "still covered";
        }
    }
    DestroyWindow(other);
}

TEST_F(IndicatorWindowTest, OpenDialogHoldsTheWindowWhileTheTextGoesOn) {
    indicatorState.displayMode = kDisplayCoordinates;
    Create();
    TickAt(300, 200);
    const RECT before = WindowRect();

    indicatorState.dialogOpen = true;
    ShowWindow(window, SW_HIDE);
    TickAt(600, 500);
    EXPECT_STREQ(indicatorState.text, "x:600 y:500");
    EXPECT_FALSE(IsWindowVisible(window));
    const RECT held = WindowRect();
    EXPECT_EQ(held.left, before.left);
    EXPECT_EQ(held.top, before.top);

    indicatorState.dialogOpen = false;
    Tick();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(WindowRect().left, 612);
}

TEST_F(IndicatorWindowTest, UnknownModeKeepsTheTextButStillMoves) {
    indicatorState.displayMode = 7;
    Create();
    std::strcpy(indicatorState.text, "kept");
    TickAt(300, 200);
    EXPECT_STREQ(indicatorState.text, "kept");
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(WindowRect().left, 312);
}

TEST_F(IndicatorWindowTest, ClockTextFromTheFormat) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string year = std::to_string(now.wYear);
    struct Case {
        std::string format;
        std::string text;
    };
    const Case cases[] = {
        {"yyyy", year},
        {"[yyyy]", "[" + year + "]"},
        // The line holds 79 bytes: a longer expansion is cut there...
        {std::string(99, 'x'), std::string(79, 'x')},
        // ...or before a double-byte character that would not fit whole.
        {std::string(78, 'x') + "\x82\xA0", std::string(78, 'x')},
    };
    indicatorState.displayMode = kDisplayClock;
    Create();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        clockFormatter.SetFormat(c.format.c_str());
        Tick();
        EXPECT_EQ(std::string(indicatorState.text), c.text);
    }
}

TEST_F(IndicatorWindowTest, RangeBeforeAnyDragShowsZero) {
    indicatorState.displayMode = kDisplayRange;
    Create();
    Tick();
    EXPECT_STREQ(indicatorState.text, "size x:0 y:0");
}

TEST_F(IndicatorWindowTest, PaintFillsTheBackgroundAndDrawsTheText) {
    const COLORREF back = RGB(32, 192, 64);
    settings.Write("BACK_COLOR", static_cast<int>(back));
    settings.Write("FONT_COLOR", static_cast<int>(RGB(128, 0, 128)));
    indicatorState.displayMode = kDisplayCoordinates;
    Create();
    TickAt(200, 300);
    UpdateWindow(window);
    PumpMessagesUntil(300, [] { return false; });  // paints and ticks for a while

    const RECT rect = WindowRect();
    // The client area: one pixel of border on each side.
    const Picture client =
        CaptureScreen({rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1});
    const int backPixels = CountPixels(client, back);
    const int whitePixels = CountPixels(client, RGB(255, 255, 255));
    const int otherPixels = static_cast<int>(client.pixels.size()) - backPixels - whitePixels;
    EXPECT_GT(backPixels, 0);
    EXPECT_GT(otherPixels, 0) << "no text drawn";
    EXPECT_EQ(whitePixels, 0) << "the class background shows through";
}

TEST_F(IndicatorWindowTest, DestroyEndsTheRun) {
    const std::pair<const char*, UINT> ways[] = {{"close", WM_CLOSE}, {"destroy", WM_DESTROY}};
    for (const auto& [name, message] : ways) {
        SCOPED_TRACE(name);
        Create();
        HFONT font = indicatorState.font;
        NOTIFYICONDATAA probe = indicatorState.trayIcon;
        ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &probe));

        SendMessageA(window, message, 0, 0);

        EXPECT_EQ(GetObjectType(font), 0u) << "font not deleted";
        EXPECT_EQ(indicatorState.font, nullptr);
        EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &probe)) << "tray icon still up";
        MSG quit{};
        ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(quit.wParam, 0u);
        Destroy();
    }
}

}  // namespace
