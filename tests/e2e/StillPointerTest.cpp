// With the pointer still the tick redoes nothing unless what shows would
// change, and after a short stillness it sleeps: each change below must still
// reach the screen, within a tick or within the sleeping tick's watch.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "ProfileContents.h"
#include "TrayMenu.h"
#include "WaitFor.h"
#include "res/resource.h"
#include "settings/Base64.h"

namespace {

SYSTEMTIME SecondsLater(const SYSTEMTIME& from, int seconds) {
    FILETIME file{};
    SystemTimeToFileTime(&from, &file);
    ULARGE_INTEGER value{};
    value.LowPart = file.dwLowDateTime;
    value.HighPart = file.dwHighDateTime;
    value.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000;
    file.dwLowDateTime = value.LowPart;
    file.dwHighDateTime = value.HighPart;
    SYSTEMTIME later{};
    FileTimeToSystemTime(&file, &later);
    return later;
}

std::string ClockText(const SYSTEMTIME& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
    return text;
}

TEST(E2eStillPointer, ClockShowsEverySecond) {
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "1"}, {"DATE_FORMAT", "hh:mm:ss"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    SYSTEMTIME now{};
    GetLocalTime(&now);
    // Two seconds in a row, each shown while the pointer stays where it is.
    for (int later = 1; later <= 2; ++later) {
        EXPECT_TRUE(ShowsText(session.window, ClockText(SecondsLater(now, later)), DefaultLook(),
                              kSettleTimeoutMs))
            << later << " s later";
    }
}

TEST(E2eStillPointer, RangePressShowsTheNewDragAtOnce) {
    ASSERT_TRUE(PlaceCursor(600, 500));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "2"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    LeftButtonGuard button;
    InputMoveTo(400, 300);
    const POINT start = button.Press();
    // One digit each way: the final size measures as wide as the zero size, so
    // only the new text, not a new size, can bring the repaint.
    const POINT end = InputMoveTo(start.x + 5, start.y + 7);
    button.Release();
    const std::string finalSize =
        "size x:" + std::to_string(end.x - start.x) + " y:" + std::to_string(end.y - start.y);
    ASSERT_TRUE(ShowsText(session.window, finalSize, DefaultLook(), kSettleTimeoutMs));

    // A press without a move starts the next drag: its size is zero at once.
    button.Press();
    EXPECT_TRUE(ShowsText(session.window, "size x:0 y:0", DefaultLook(), kSettleTimeoutMs))
        << "after the press";
    button.Release();
    EXPECT_TRUE(ShowsText(session.window, "size x:0 y:0", DefaultLook(), kSettleTimeoutMs))
        << "after the release";
}

TEST(E2eStillPointer, HiddenFromOutsideShowsAgain) {
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    ASSERT_TRUE(ShowsText(session.window, "x:300 y:300", DefaultLook(), kSettleTimeoutMs));
    const RECT before = session.WindowRect();

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ShowWindow(session.window, SW_HIDE);
        EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] {
            return IsWindowVisible(session.window) != FALSE;
        })) << "still hidden";
        EXPECT_TRUE(session.WindowRect() == before) << session.WindowRect();
        EXPECT_TRUE(ShowsText(session.window, "x:300 y:300", DefaultLook(), kSettleTimeoutMs));
    }
}

// Whether window above lies above the indicator in the z order.
bool Above(HWND above, HWND indicator) {
    for (HWND w = GetWindow(indicator, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == above) {
            return true;
        }
    }
    return false;
}

TEST(E2eStillPointer, CoveredByATopMostWindowComesBackOnTop) {
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    ASSERT_TRUE(ShowsText(session.window, "x:300 y:300", DefaultLook(), kSettleTimeoutMs));
    const RECT rect = session.WindowRect();

    // A black top-most popup of this process, exactly over the indicator.
    WNDCLASSA coverClass{};
    coverClass.lpfnWndProc = DefWindowProcA;
    coverClass.hInstance = GetModuleHandleA(nullptr);
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = "TavikanTestCover";
    RegisterClassA(&coverClass);
    HWND cover =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, coverClass.lpszClassName, "cover",
                        WS_POPUP, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, nullptr, nullptr, coverClass.hInstance, nullptr);
    ASSERT_NE(cover, nullptr);
    SetWindowPos(cover, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    EXPECT_TRUE(PumpMessagesUntil(kSettleTimeoutMs, [&] { return !Above(cover, session.window); }))
        << "the top-most window stays above the indicator";
    PumpMessagesUntil(100, [] { return false; });  // the cover paints its part, if it still shows
    EXPECT_TRUE(ShowsText(session.window, "x:300 y:300", DefaultLook(), kSettleTimeoutMs));
    DestroyWindow(cover);
    UnregisterClassA(coverClass.lpszClassName, coverClass.hInstance);
}

LOGFONTA StoredFont(const std::string& settingsPath) {
    char value[200] = {};
    GetPrivateProfileStringA("MAIN", "FONT", "", value, sizeof value, settingsPath.c_str());
    LOGFONTA font = DefaultIndicatorFont();
    Base64Decode(reinterpret_cast<unsigned char*>(&font), value, sizeof font);
    return font;
}

// The font chooser, run from the tray menu with the pointer still: the text is
// drawn in the chosen font as soon as the chooser has closed.
TEST(E2eStillPointer, ChosenFontShowsAtOnce) {
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();

    HWND chooser = nullptr;
    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kFont, [&] {
        // The chooser lists every face before it shows: slow on a busy machine.
        return WaitFor(3 * kSettleTimeoutMs,
                       [&] { return (chooser = FindDialogOf(processId)) != nullptr; });
    })) << "no font chooser";
    // The size box (cmb3), then OK.
    constexpr int kSizeBox = 0x472;
    SendMessageA(GetDlgItem(chooser, kSizeBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("20"));
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
    ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return !IsWindow(chooser); }));

    // The chooser's window goes before the program writes what it returned.
    LOGFONTA chosen{};
    ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] {
        chosen = StoredFont(session.folder.SettingsPath());
        return chosen.lfHeight != DefaultIndicatorFont().lfHeight;
    })) << "the size was not taken";
    const IndicatorLook look{
        chosen, static_cast<COLORREF>(ReadMainInt(session.folder.SettingsPath(), "FONT_COLOR", 0)),
        DefaultLook().backColor};
    // The pointer stays where the menu left it.
    const POINT at = CursorPosition();
    const std::string text = "x:" + std::to_string(at.x) + " y:" + std::to_string(at.y);
    EXPECT_TRUE(ShowsText(session.window, text, look, kSettleTimeoutMs));
    // The window shows again at its old size and the tick then measures it anew.
    const SIZE measured = MeasureWindowFor(text, chosen);
    RECT after{};
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs,
                        [&] {
                            after = session.WindowRect();
                            return after.right - after.left == measured.cx &&
                                   after.bottom - after.top == measured.cy;
                        }))
        << "seen " << after << ", measured " << measured.cx << "x" << measured.cy;
}

// Long enough for the tick to fall asleep; there is nothing outside to see it by.
constexpr DWORD kAsleepAfterMs = 1200;
// Well within the sleeping tick's one-second watch: only a wake-up is this quick.
constexpr DWORD kWokenWithinMs = 300;

TEST(E2eStillPointer, FirstMoveAfterStillnessIsFollowedAtOnce) {
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    // The watch may see a move by chance; it cannot see three in a row.
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        Sleep(kAsleepAfterMs);
        const POINT to = InputMoveTo(300 + 20 * round, 300 + 10 * round);
        EXPECT_TRUE(WaitFor(kWokenWithinMs, [&] {
            const RECT rect = session.WindowRect();
            return rect.left == to.x + 12 && rect.top == to.y + 15;
        })) << session.WindowRect();
    }
}

// A window of the test's own whose thread stops answering for a while.
DWORD WINAPI HungWindowThread(LPVOID ready) {
    HWND hung = CreateWindowExA(0, "STATIC", "hung", WS_POPUP | WS_VISIBLE, 200, 200, 400, 300,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetEvent(static_cast<HANDLE>(ready));
    Sleep(4000);
    DestroyWindow(hung);
    return 0;
}

// Mouse input runs the tick: a burst of fast input ends with the indicator at
// the last position, a window under the pointer that hangs does not stop it,
// and a move without input (SetCursorPos) is followed while awake too.
TEST(E2eStillPointer, FollowsBurstsHungWindowsAndMovesWithoutInput) {
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const auto follows = [&](POINT to, DWORD withinMs) {
        return WaitFor(withinMs, [&] {
            const RECT rect = session.WindowRect();
            return rect.left == to.x + 12 && rect.top == to.y + 15;
        });
    };
    POINT to{};
    for (int step = 1; step <= 200; ++step) {
        to = InputMoveTo(300 + step, 300 + step / 2);
    }
    EXPECT_TRUE(follows(to, kWokenWithinMs)) << "after the burst: " << session.WindowRect();

    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, HungWindowThread, ready, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(ready, INFINITE);
    for (int step = 1; step <= 5; ++step) {
        SCOPED_TRACE(step);
        to = InputMoveTo(250 + 40 * step, 250 + 20 * step);
        EXPECT_TRUE(follows(to, kWokenWithinMs))
            << "over the hung window: " << session.WindowRect();
    }
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(ready);

    // Followed first: a SendInput move still under way could land after the
    // placed pointer and take it back.
    EXPECT_TRUE(follows(InputMoveTo(320, 330), kWokenWithinMs)) << session.WindowRect();
    ASSERT_TRUE(PlaceCursor(340, 350));
    EXPECT_TRUE(follows(POINT{340, 350}, kWokenWithinMs))
        << "moved without input: " << session.WindowRect();
}

TEST(E2eStillPointer, CommandWhileAsleepActsAtOnce) {
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "2"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    ASSERT_TRUE(ShowsText(session.window, "size x:0 y:0", DefaultLook(), kSettleTimeoutMs));
    const struct {
        unsigned command;
        const char* text;
    } commands[] = {{IDM_COORDINATES, "x:300 y:300"}, {IDM_RANGE, "size x:0 y:0"}};
    for (const auto& c : commands) {
        SCOPED_TRACE(c.text);
        Sleep(kAsleepAfterMs);
        PostMessageA(session.window, WM_COMMAND, c.command, 0);
        EXPECT_TRUE(ShowsText(session.window, c.text, DefaultLook(), kWokenWithinMs));
    }
}

// Colour mode over a one-pixel patch at the point: chosen by the menu's
// command, each notation shows; then the patch changes under the resting
// pointer, and the sleeping tick shows it within half a second.
void ExpectColourFollows(POINT at, const LOGFONTA& font) {
    ColourPatch patch(RECT{at.x, at.y, at.x + 1, at.y + 1}, RGB(30, 144, 255));
    ASSERT_TRUE(PlaceCursor(at.x, at.y));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const std::string path = session.folder.SettingsPath();
    PostMessageA(session.window, WM_COMMAND, IDM_COLOR, 0);
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return ReadMainInt(path, "MODE", -1) == 3; }));
    const COLORREF back = DefaultLook().backColor;
    EXPECT_TRUE(
        ShowsText(session.window, "#1E90FF", {font, 0, back, RGB(30, 144, 255)}, kSettleTimeoutMs));
    const RECT rect = session.WindowRect();  // wider by the swatch
    EXPECT_EQ(rect.right - rect.left, MeasureWindowFor("#1E90FF", font, true).cx);
    const struct {
        unsigned command;
        COLORREF colour;
        const char* line;
        DWORD stillMs;  // each change falls at another point of the sleeping tick's period
    } rows[] = {
        {IDM_COLOR_DECIMAL, RGB(255, 0, 0), "R:255 G:0 B:0", 1200},
        {IDM_COLOR_CSS_RGB, RGB(0, 128, 0), "rgb(0, 128, 0)", 1450},
        {IDM_COLOR_CSS_HSL, RGB(30, 144, 255), "hsl(210, 100%, 56%)", 1700},
        {IDM_COLOR_HEX, RGB(0x12, 0x34, 0xAB), "#1234AB", 1950},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        PostMessageA(session.window, WM_COMMAND, row.command, 0);
        const int stored = static_cast<int>(row.command - IDM_COLOR_HEX);
        EXPECT_TRUE(WaitFor(kSettleTimeoutMs,
                            [&] { return ReadMainInt(path, "COLOR_FORMAT", -1) == stored; }));
        Sleep(row.stillMs);
        ASSERT_TRUE(patch.Fill(row.colour));
        EXPECT_TRUE(ShowsText(session.window, row.line, {font, 0, back, row.colour}, 500));
    }
}

// The two-monitor desk and the 144-DPI prefix set theirs; 0 when unset.
int FromEnvironment(const char* name) {
    char value[8] = {};
    GetEnvironmentVariableA(name, value, sizeof value);
    return std::atoi(value);
}

TEST(E2eStillPointer, ColourFollowsThePixelUnderThePointer) {
    ExpectColourFollows(POINT{300, 300}, DefaultIndicatorFont());
}

TEST(E2eTwoMonitorsColour, FollowsAPixelOnTheLeftMonitor) {
    if (FromEnvironment("TAVIKAN_TWO_MONITORS") == 0) {
        GTEST_SKIP() << "runs on two monitors (E2eTwoMonitors.Desk)";
    }
    ExpectColourFollows(POINT{-600, 300}, DefaultIndicatorFont());
}

// The physical pixel under the hotspot, and a swatch as tall as the scaled line.
TEST(E2eScaled, ColourFollowsThePhysicalPixel) {
    const int dpi = FromEnvironment("TAVIKAN_SCALED_DPI");
    if (dpi == 0) {
        GTEST_SKIP() << "runs in the 144-DPI prefix (E2eScaled.At144Dpi)";
    }
    LOGFONTA font = DefaultIndicatorFont();
    font.lfHeight = MulDiv(font.lfHeight, dpi, 96);
    ExpectColourFollows(POINT{400, 300}, font);
}

}  // namespace
