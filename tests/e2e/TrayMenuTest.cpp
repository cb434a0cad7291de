// The tray icon and its popup menu, driven as a user would: a right press on
// the icon in Wine's tray window, then the menu's keys.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <ostream>
#include <set>
#include <string>

#include "CaseName.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "ProfileContents.h"
#include "ScreenPicture.h"
#include "TempFolder.h"
#include "TrayMenu.h"
#include "TwinMenu.h"
#include "WaitFor.h"
#include "WindowSearch.h"

namespace {

// The effect of a menu choice on the settings file: the command is posted
// when the menu closes and writes its key a moment later.
auto StoredSoon(const std::string& path, const char* key, int value) {
    return [path, key, value] {
        return WaitFor(kSettleTimeoutMs, [&] { return ReadMainInt(path, key, -1) == value; });
    };
}

std::string CoordinatesText(POINT at) {
    return "x:" + std::to_string(at.x) + " y:" + std::to_string(at.y);
}

TEST(E2eTrayMenu, OpensAtTheCursorOnARightPress) {
    IndicatorSession session;
    ASSERT_TRUE(session.StartWithoutSettings());
    POINT pressed{};
    HWND menu = OpenTrayMenu(session.program.ProcessId(), &pressed);
    ASSERT_NE(menu, nullptr);
    RECT rect{};
    GetWindowRect(menu, &rect);
    EXPECT_EQ(rect.left, pressed.x);
    EXPECT_EQ(rect.top, pressed.y);
    TypeKeys(std::string(1, VK_ESCAPE));
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs,
                        [&] { return FindMenuWindow(session.program.ProcessId()) == nullptr; }));
}

TEST(E2eTrayMenu, CoordinatesSwitchesTheTextAtOnce) {
    IndicatorSession session;
    ASSERT_TRUE(session.StartWithoutSettings());
    // The choice arrives as a posted command after the menu has closed.
    EXPECT_TRUE(ChooseUntil(session.program.ProcessId(), menu_keys::kCoordinates,
                            StoredSoon(session.folder.SettingsPath(), "MODE", 0)));
    EXPECT_TRUE(ShowsText(session.window, CoordinatesText(CursorPosition()), DefaultLook(),
                          kSettleTimeoutMs));
}

}  // namespace

namespace {

// A visible popup menu of the thread other than the one given, or null.
HWND FindOtherMenuWindow(DWORD processId, HWND besides) {
    return FindWindowWhere(0, [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == processId && window != besides && IsWindowVisible(window) &&
               HasClass(window, "#32768");
    });
}

// What the window shows once it has been drawn: two captures in a row alike.
Picture CaptureWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    Picture last = CaptureScreen(rect);
    WaitFor(kSettleTimeoutMs, [&] {
        Sleep(50);
        Picture now = CaptureScreen(rect);
        const bool same = now.pixels == last.pixels;
        last = std::move(now);
        return same;
    });
    return last;
}

// The menu and, after the keys, its submenu as the screen shows them.
struct MenuPictures {
    Picture menu;
    Picture submenu;
};

// Compares the two pictures of a window at `origin` on the screen, leaving out
// what lies under `covered` (screen pixels).
testing::AssertionResult Same(const Picture& shown, const Picture& expected, POINT origin,
                              const RECT& covered, const char* what) {
    if (shown.width != expected.width || shown.height != expected.height) {
        return testing::AssertionFailure()
               << what << " is " << shown.width << "x" << shown.height << ", expected "
               << expected.width << "x" << expected.height;
    }
    int compared = 0;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const POINT screen{origin.x + x, origin.y + y};
            if (PtInRect(&covered, screen)) {
                continue;
            }
            ++compared;
            const std::size_t at = static_cast<std::size_t>(y) * shown.width + x;
            if (shown.pixels[at] != expected.pixels[at]) {
                return testing::AssertionFailure()
                       << what << " differs first at (" << x << ", " << y << ")";
            }
        }
    }
    return testing::AssertionSuccess() << compared << " pixels alike";
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

struct GreyingCase {
    const char* name;
    std::string settings;
    std::set<UINT> greyed;
    std::string intoSubmenu;  // keys that open a submenu from the freshly opened menu
};

// Test lists and failure lines name a case by its name.
void PrintTo(const GreyingCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eTrayMenuLook : public testing::TestWithParam<GreyingCase> {};

// The program's menu is captured first and closed; the twin then opens at
// the same point, so both are drawn over the same screen.
TEST_P(E2eTrayMenuLook, ShowsTheCaptionsWithTheCurrentChoicesGreyed) {
    const GreyingCase& c = GetParam();
    IndicatorSession session;
    ASSERT_TRUE(session.Start(c.settings));
    const DWORD processId = session.program.ProcessId();
    POINT at{};
    HWND menu = OpenTrayMenu(processId, &at);
    ASSERT_NE(menu, nullptr);
    const Picture shownMenu = CaptureWindow(menu);
    TypeKeys(c.intoSubmenu);
    HWND submenu = nullptr;
    ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] {
        return (submenu = FindOtherMenuWindow(processId, menu)) != nullptr;
    })) << "the keys did not open the submenu";
    const Picture shownSubmenu = CaptureWindow(submenu);
    TypeKeys(std::string(2, VK_ESCAPE));
    ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return FindMenuWindow(processId) == nullptr; }));

    TwinMenu twin(c.greyed);
    HWND twinMenu = twin.Open(at);
    ASSERT_NE(twinMenu, nullptr);
    // The menu opens over Wine's tray window, which the press on the icon may
    // have raised above it: that part is left out.
    const RECT tray = WindowRectOf(FindTrayWindow());
    EXPECT_TRUE(Same(shownMenu, CaptureWindow(twinMenu), at, tray, "the menu"));
    twin.Type(c.intoSubmenu);
    HWND twinSubmenu = nullptr;
    ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] {
        return (twinSubmenu = FindOtherMenuWindow(GetCurrentProcessId(), twinMenu)) != nullptr;
    }));
    const RECT submenuRect = WindowRectOf(twinSubmenu);
    EXPECT_TRUE(Same(shownSubmenu, CaptureWindow(twinSubmenu),
                     POINT{submenuRect.left, submenuRect.top}, tray, "the submenu"));
}

// The indicator, top-most too, is kept away from the menus: it must not cover them.
const std::string kAwayFromTheMenu = MainSection({{"WINPOINT_X", "500"}, {"WINPOINT_Y", "500"}});

const GreyingCase kGreyingCases[] = {
    {"DefaultsPlacement", kAwayFromTheMenu, {40031, 111, 40036}, "D"},
    {"DefaultsTransparency", kAwayFromTheMenu, {40031, 111, 40036}, menu_keys::kIntoTransparency},
    {"StoredPlacement",
     MainSection({{"WINPOINT_X", "500"},
                  {"WINPOINT_Y", "500"},
                  {"MODE", "0"},
                  {"VIEW_MODE", "1"},
                  {"ALPHA", "40041"}}),
     {40032, 112, 40041},
     "D"},
    {"StoredTransparency",
     MainSection({{"WINPOINT_X", "500"},
                  {"WINPOINT_Y", "500"},
                  {"MODE", "2"},
                  {"VIEW_MODE", "1"},
                  {"ALPHA", "40046"}}),
     {40033, 112, 40046},
     menu_keys::kIntoTransparency},
    {"StoredColourNotation",
     MainSection(
         {{"WINPOINT_X", "500"}, {"WINPOINT_Y", "500"}, {"MODE", "3"}, {"COLOR_FORMAT", "3"}}),
     {40050, 111, 40036, 40054},
     "N"},
    {"StoredOrigin",
     MainSection(
         {{"WINPOINT_X", "500"}, {"WINPOINT_Y", "500"}, {"MODE", "0"}, {"COORD_ORIGIN", "2"}}),
     {40032, 111, 40036, 40057},
     "G"},
};

INSTANTIATE_TEST_SUITE_P(Menus, E2eTrayMenuLook, testing::ValuesIn(kGreyingCases), CaseName());

}  // namespace

namespace {

// A Clock format without any token: the clock shows it as it stands.
constexpr char kPlainFormat[] = "TAVI";

struct DisplayModeCase {
    const char* name;
    const char* startMode;
    const char* keys;
    int mode;
    const char* shows;  // null: the cursor's coordinates
};

void PrintTo(const DisplayModeCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eTrayDisplayMode : public testing::TestWithParam<DisplayModeCase> {};

TEST_P(E2eTrayDisplayMode, SwitchesTheTextAtOnceAndStoresTheMode) {
    const DisplayModeCase& c = GetParam();
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", c.startMode}, {"DATE_FORMAT", kPlainFormat}})));
    EXPECT_TRUE(ChooseUntil(session.program.ProcessId(), c.keys,
                            StoredSoon(session.folder.SettingsPath(), "MODE", c.mode)));
    const std::string expected = c.shows != nullptr ? c.shows : CoordinatesText(CursorPosition());
    EXPECT_TRUE(ShowsText(session.window, expected, DefaultLook(), kSettleTimeoutMs));
}

const DisplayModeCase kDisplayModeCases[] = {
    {"ClockFromCoordinates", "0", menu_keys::kClock, 1, kPlainFormat},
    {"CoordinatesFromClock", "1", menu_keys::kCoordinates, 0, nullptr},
    {"RangeFromClock", "1", menu_keys::kRange, 2, "size x:0 y:0"},
    {"CoordinatesFromRange", "2", menu_keys::kCoordinates, 0, nullptr},
    {"ClockFromRange", "2", menu_keys::kClock, 1, kPlainFormat},
};

INSTANTIATE_TEST_SUITE_P(Items, E2eTrayDisplayMode, testing::ValuesIn(kDisplayModeCases),
                         CaseName());

// A drag anywhere on the screen, from one point to another.
void Drag(POINT from, POINT to) {
    LeftButtonGuard button;
    InputMoveTo(from.x, from.y);
    button.Press();
    InputMoveTo(to.x, to.y);
    button.Release();
}

TEST(E2eTrayRange, ShowsTheSizeOfADragAndForgetsItInCoordinates) {
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    const DWORD processId = session.program.ProcessId();
    const std::string path = session.folder.SettingsPath();
    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kRange, StoredSoon(path, "MODE", 2)));
    Drag({300, 300}, {420, 250});
    EXPECT_TRUE(ShowsText(session.window, "size x:120 y:-50", DefaultLook(), kSettleTimeoutMs));

    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kCoordinates, StoredSoon(path, "MODE", 0)));
    Drag({500, 400}, {530, 440});
    EXPECT_TRUE(ShowsText(session.window, CoordinatesText(CursorPosition()), DefaultLook(),
                          kSettleTimeoutMs));
    // Range again starts from nothing: the drag made in Coordinates mode left no trace.
    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kRange, StoredSoon(path, "MODE", 2)));
    EXPECT_TRUE(ShowsText(session.window, "size x:0 y:0", DefaultLook(), kSettleTimeoutMs));
}

struct TransparencyItemCase {
    const char* name;
    int item;  // from the top of the submenu
    const char* startAlpha;
    DWORD flags;
    BYTE alpha;  // with LWA_ALPHA
    int stored;
};

void PrintTo(const TransparencyItemCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eTrayTransparency : public testing::TestWithParam<TransparencyItemCase> {};

TEST_P(E2eTrayTransparency, GivesTheLayeredAttributesAndStoresThem) {
    const TransparencyItemCase& c = GetParam();
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"ALPHA", c.startAlpha}, {"BACK_COLOR", "1193046"}})));
    EXPECT_TRUE(ChooseUntil(session.program.ProcessId(), menu_keys::TransparencyItem(c.item),
                            StoredSoon(session.folder.SettingsPath(), "ALPHA", c.stored)))
        << "ALPHA is " << ReadMainValue(session.folder.SettingsPath(), "ALPHA");
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(session.window, &key, &alpha, &flags));
    EXPECT_EQ(flags, c.flags);
    if (c.flags == LWA_ALPHA) {
        EXPECT_EQ(alpha, c.alpha);
    } else {
        EXPECT_EQ(key, 0x00123456u);
    }
}

const TransparencyItemCase kTransparencyItemCases[] = {
    {"Percent100", 0, "40046", LWA_ALPHA, 255, 40036},
    {"Percent90", 1, "40036", LWA_ALPHA, 230, 40037},
    {"Percent80", 2, "40036", LWA_ALPHA, 205, 40038},
    {"Percent70", 3, "40036", LWA_ALPHA, 180, 40039},
    {"Percent60", 4, "40036", LWA_ALPHA, 155, 40040},
    {"Percent50", 5, "40036", LWA_ALPHA, 130, 40041},
    {"Percent40", 6, "40036", LWA_ALPHA, 105, 40042},
    {"Percent30", 7, "40036", LWA_ALPHA, 80, 40043},
    {"Percent20", 8, "40036", LWA_ALPHA, 55, 40044},
    {"Percent10", 9, "40036", LWA_ALPHA, 30, 40045},
    {"BackgroundTransparent", 10, "40036", LWA_COLORKEY, 0, 40046},
};

INSTANTIATE_TEST_SUITE_P(Items, E2eTrayTransparency, testing::ValuesIn(kTransparencyItemCases),
                         CaseName());

struct PlacementItemCase {
    const char* name;
    const char* startViewMode;
    int item;
    int stored;
    bool keptOnScreen;
};

void PrintTo(const PlacementItemCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eTrayPlacement : public testing::TestWithParam<PlacementItemCase> {};

// An offset far to the left of the cursor: Corrected keeps the indicator on
// the screen, Absolute puts it at the plain offset, partly off the screen.
TEST_P(E2eTrayPlacement, SwitchesThePlacementRule) {
    const PlacementItemCase& c = GetParam();
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection(
        {{"VIEW_MODE", c.startViewMode}, {"WINPOINT_X", "-100"}, {"WINPOINT_Y", "300"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    EXPECT_TRUE(ChooseUntil(session.program.ProcessId(), menu_keys::PlacementItem(c.item),
                            StoredSoon(session.folder.SettingsPath(), "VIEW_MODE", c.stored)));
    const POINT cursor = CursorPosition();
    RECT rect{};
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs,
                        [&] {
                            rect = session.WindowRect();
                            return c.keptOnScreen ? rect.left >= 0 : rect.left == cursor.x - 100;
                        }))
        << "the indicator is at " << rect << " with the cursor at " << cursor.x << "," << cursor.y;
    EXPECT_EQ(rect.top, cursor.y + 300);
}

const PlacementItemCase kPlacementItemCases[] = {
    {"AbsoluteFromCorrected", "0", 1, 1, false},
    {"CorrectedFromAbsolute", "1", 0, 0, true},
};

INSTANTIATE_TEST_SUITE_P(Items, E2eTrayPlacement, testing::ValuesIn(kPlacementItemCases),
                         CaseName());

bool HasBorder(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_BORDER) != 0;
}

struct BorderCase {
    const char* name;
    const char* startBorder;
    int storedAfterOne;
};

void PrintTo(const BorderCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eTrayBorder : public testing::TestWithParam<BorderCase> {};

TEST_P(E2eTrayBorder, TwiceBringsBackTheStartingStyleAndKeepsTheSize) {
    const BorderCase& c = GetParam();
    IndicatorSession session;
    ASSERT_TRUE(session.Start(
        MainSection({{"BORDER", c.startBorder}, {"MODE", "1"}, {"DATE_FORMAT", kPlainFormat}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();
    const std::string path = session.folder.SettingsPath();
    const bool startBordered = HasBorder(session.window);
    const RECT startRect = session.WindowRect();

    // A retry only when the first choice left BORDER as it was: the item toggles.
    ASSERT_TRUE(
        ChooseUntil(processId, menu_keys::kBorder, StoredSoon(path, "BORDER", c.storedAfterOne)));
    // BORDER is written before the window changes: the style follows a moment later.
    EXPECT_TRUE(
        WaitFor(kSettleTimeoutMs, [&] { return HasBorder(session.window) == !startBordered; }));
    // The new style has no WS_VISIBLE; the next tick shows the window again.
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return IsWindowVisible(session.window) != 0; }));
    RECT rect = session.WindowRect();
    EXPECT_EQ(rect.right - rect.left, startRect.right - startRect.left);
    EXPECT_EQ(rect.bottom - rect.top, startRect.bottom - startRect.top);

    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kBorder,
                            StoredSoon(path, "BORDER", c.storedAfterOne == 0 ? 1 : 0)));
    EXPECT_TRUE(
        WaitFor(kSettleTimeoutMs, [&] { return HasBorder(session.window) == startBordered; }));
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return IsWindowVisible(session.window) != 0; }));
    rect = session.WindowRect();
    EXPECT_EQ(rect.right - rect.left, startRect.right - startRect.left);
    EXPECT_EQ(rect.bottom - rect.top, startRect.bottom - startRect.top);
}

const BorderCase kBorderCases[] = {
    {"StartingBordered", "1", 0},
    {"StartingBorderless", "0", 1},
};

INSTANTIATE_TEST_SUITE_P(Item, E2eTrayBorder, testing::ValuesIn(kBorderCases), CaseName());

TEST(E2eTrayIcon, DoubleClickOpensTheAboutBoxWithTheIndicatorHidden) {
    IndicatorSession session;
    ASSERT_TRUE(session.StartWithoutSettings());
    const DWORD processId = session.program.ProcessId();
    ASSERT_TRUE(DoubleClickTrayIcon());
    HWND about = nullptr;
    ASSERT_TRUE(
        WaitFor(kSettleTimeoutMs, [&] { return (about = FindDialogOf(processId)) != nullptr; }));
    EXPECT_FALSE(IsWindowVisible(session.window));
    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return IsWindowVisible(session.window) != 0; }));
}

// The icon as the shell holds it: the indicator's window and identifier 180.
bool TrayIconExists(HWND indicator) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = indicator;
    icon.uID = 180;
    return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE;
}

TEST(E2eTrayIcon, ComesBackWhenTheTaskbarIsMadeAnew) {
    IndicatorSession session;
    ASSERT_TRUE(session.StartWithoutSettings());
    ASSERT_TRUE(WaitFor(kStartTimeoutMs, [&] { return TrayIconExists(session.window); }));
    // The shell forgets its icons when it restarts: take ours away as it would.
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = session.window;
    icon.uID = 180;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_FALSE(TrayIconExists(session.window));

    PostMessageA(session.window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return TrayIconExists(session.window); }));
    // And it is the program's own icon again: its menu opens from it.
    EXPECT_TRUE(ChooseUntil(session.program.ProcessId(), menu_keys::kCoordinates,
                            StoredSoon(session.folder.SettingsPath(), "MODE", 0)));
}

TEST(E2eTrayMenu, CloseRemovesTheIconAndEndsWithExitCodeZero) {
    IndicatorSession session;
    ASSERT_TRUE(session.StartWithoutSettings());
    ASSERT_TRUE(WaitFor(kStartTimeoutMs, [&] { return TrayIconExists(session.window); }));
    ASSERT_TRUE(session.WaitForFirstTick());  // start-up has written its settings
    const std::string before = ReadFileBytes(session.folder.SettingsPath());
    DWORD exitCode = 99;
    ASSERT_TRUE(ChooseUntil(session.program.ProcessId(), menu_keys::kClose, [&] {
        return session.program.WaitForExit(kExitTimeoutMs, &exitCode);
    }));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(FindTrayIconWindow(), nullptr);
    EXPECT_EQ(ReadFileBytes(session.folder.SettingsPath()), before);
}

// --- Copy, hide and the global hotkeys ---------------------------------------

struct ClipboardText {
    std::wstring unicode;
    std::string ansi;
};

// The clipboard's text in both forms; empty while it holds none or is held open.
ClipboardText ReadClipboard() {
    ClipboardText text;
    if (OpenClipboard(nullptr)) {
        HANDLE unicode = GetClipboardData(CF_UNICODETEXT);
        HANDLE ansi = GetClipboardData(CF_TEXT);
        if (unicode != nullptr && ansi != nullptr) {
            text = {static_cast<const wchar_t*>(GlobalLock(unicode)),
                    static_cast<const char*>(GlobalLock(ansi))};
            GlobalUnlock(unicode);
            GlobalUnlock(ansi);
        }
        CloseClipboard();
    }
    return text;
}

bool EmptyTheClipboard() {
    if (!WaitFor(kSettleTimeoutMs, [] { return OpenClipboard(nullptr) != FALSE; })) {
        return false;
    }
    EmptyClipboard();
    return CloseClipboard() != FALSE;
}

struct CopyCase {
    const char* name;
    const char* mode;
    bool hiddenFirst;            // hidden by its key at 400, 300, then the pointer moved on
    const char* line;            // Shift-JIS bytes
    const wchar_t* unicodeLine;  // null for ASCII
};

// Test lists and failure lines name a case by its name.
void PrintTo(const CopyCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eCopy : public testing::TestWithParam<CopyCase> {};

TEST_P(E2eCopy, PutsExactlyTheShownLineOnTheClipboard) {
    const CopyCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", c.mode},
                                           {"DATE_FORMAT", "\x8e\x9e\x8d\x8f"},  // 時刻
                                           {"HOTKEY_COPY", std::to_string(CtrlAlt('C'))},
                                           {"HOTKEY_HIDE", std::to_string(CtrlAlt('H'))}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    if (std::string(c.mode) == "2") {
        Drag({300, 300}, {420, 250});
    }
    if (c.hiddenFirst) {
        PressCtrlAlt('H');
        ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return !IsWindowVisible(session.window); }));
        ASSERT_TRUE(PlaceCursor(500, 350));
    } else {
        EXPECT_TRUE(ShowsText(session.window, c.line, DefaultLook(), kSettleTimeoutMs));
    }
    ASSERT_TRUE(EmptyTheClipboard());
    // Hidden, the line still follows the pointer: the key runs the tick first.
    ClipboardText copied;
    PressCtrlAlt('C');
    EXPECT_TRUE(
        WaitFor(kSettleTimeoutMs, [&] { return (copied = ReadClipboard()).ansi == c.line; }))
        << "copied \"" << copied.ansi << "\"";
    const std::string line = c.line;
    EXPECT_EQ(copied.unicode,
              c.unicodeLine != nullptr ? c.unicodeLine : std::wstring(line.begin(), line.end()));
}

const CopyCase kCopyCases[] = {
    {"Coordinates", "0", false, "x:400 y:300", nullptr},
    {"ClockInJapanese", "1", false, "\x8e\x9e\x8d\x8f", L"時刻"},
    {"Range", "2", false, "size x:120 y:-50", nullptr},
    {"CoordinatesWhileHidden", "0", true, "x:500 y:350", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Modes, E2eCopy, testing::ValuesIn(kCopyCases), CaseName());

// Hidden, the indicator stays as it was through pointer moves and a dialog,
// while its line, copied from the menu, follows the pointer.
TEST(E2eHide, SurvivesPointerMovesAndADialogAndIsNotStored) {
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();
    const ProfileContents before = ReadProfile(session.folder.SettingsPath());
    const auto shown = [&](bool wanted) {
        return WaitFor(kSettleTimeoutMs,
                       [&] { return (IsWindowVisible(session.window) != 0) == wanted; });
    };
    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kHide, [&] { return shown(false); }));
    const RECT hiddenAt = session.WindowRect();
    InputMoveTo(200, 200);
    InputMoveTo(300, 500);
    HWND about = nullptr;
    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kAbout, [&] {
        return WaitFor(kSettleTimeoutMs,
                       [&] { return (about = FindDialogOf(processId)) != nullptr; });
    }));
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return !IsWindow(about); }));

    // Taken after the dialog's end: the line of the pointer where the menu opened.
    ASSERT_TRUE(EmptyTheClipboard());
    ClipboardText copied;
    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kCopy, [&] {
        return WaitFor(kSettleTimeoutMs, [&] { return !(copied = ReadClipboard()).ansi.empty(); });
    }));
    EXPECT_EQ(copied.ansi, CoordinatesText(CursorPosition()));
    EXPECT_FALSE(IsWindowVisible(session.window));
    EXPECT_EQ(session.WindowRect(), hiddenAt);
    EXPECT_EQ(ReadProfile(session.folder.SettingsPath()), before) << "hiding wrote to tavi.ini";
    EXPECT_TRUE(ChooseUntil(processId, menu_keys::kHide, [&] { return shown(true); }));
}

}  // namespace

// --- Start with Windows, and out of the way of full-screen programs ----------

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run value "Tavikan": "none" when missing, "?" when no string.
std::string RunValue() {
    char value[8192] = {};
    DWORD size = sizeof value;
    const LSTATUS status =
        RegGetValueA(HKEY_CURRENT_USER, kRunKey, "Tavikan", RRF_RT_REG_SZ, nullptr, value, &size);
    return status == ERROR_SUCCESS ? value : status == ERROR_FILE_NOT_FOUND ? "none" : "?";
}

struct AutostartCase {
    const char* name;
    DWORD type;  // REG_NONE: no value before
    std::string data;
};

void PrintTo(const AutostartCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eAutostart : public testing::TestWithParam<AutostartCase> {};

// Whatever stood there, the item points the value here; chosen again, it
// deletes it. Start-up writes nothing there, and the item nothing to tavi.ini.
TEST_P(E2eAutostart, PointsTheRunValueHereThenRemovesIt) {
    const AutostartCase& c = GetParam();
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Tavikan");
    if (c.type != REG_NONE) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, "Tavikan", c.type, c.data.data(),
                        static_cast<DWORD>(c.data.size()));
    }
    const std::string before = RunValue();
    IndicatorSession session;
    ASSERT_TRUE(session.StartWithoutSettings());
    ASSERT_TRUE(session.WaitForFirstTick());
    const ProfileContents settings = ReadProfile(session.folder.SettingsPath());
    EXPECT_EQ(RunValue(), before) << "start-up changed the Run value";
    const auto runValueIs = [](const std::string& want) {
        return [want] { return WaitFor(kSettleTimeoutMs, [&] { return RunValue() == want; }); };
    };
    const DWORD processId = session.program.ProcessId();
    EXPECT_TRUE(ChooseUntil(processId, menu_keys::kAutostart,
                            runValueIs("\"" + session.folder.ExecutablePath() + "\"")));
    EXPECT_TRUE(ChooseUntil(processId, menu_keys::kAutostart, runValueIs("none")));
    EXPECT_EQ(ReadProfile(session.folder.SettingsPath()), settings);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Tavikan");
}

const AutostartCase kAutostartCases[] = {
    {"NoValue", REG_NONE, ""},
    {"AnotherPath", REG_SZ, std::string("\"C:\\old\\tavikan.exe\"", 22)},
    {"NotAString", REG_DWORD, std::string(4, '\x01')},
    {"Empty", REG_SZ, std::string(1, '\0')},
    {"FarTooLong", REG_SZ, std::string(6000, 'p') + '\0'},
};

INSTANTIATE_TEST_SUITE_P(RunValues, E2eAutostart, testing::ValuesIn(kAutostartCases), CaseName());

struct FullScreenCase {
    const char* name;
    const char* stored;  // HIDE_FULLSCREEN at start
    const char* keys;    // chosen first, with its effect on HIDE_FULLSCREEN; -1: hidden
    int storedAfter;
    bool hides;  // while a full-screen window is in front
};

void PrintTo(const FullScreenCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eFullScreen : public testing::TestWithParam<FullScreenCase> {};

// A window of this test covers the screen in front, then shrinks: the
// indicator steps aside while it covers, if chosen so (the sleeping tick's
// watch sees it), and comes back without taking the foreground.
TEST_P(E2eFullScreen, StepsAsideWhileAFullScreenWindowIsInFront) {
    const FullScreenCase& c = GetParam();
    constexpr DWORD kWatchAndSomeMs = 1500;
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}, {"HIDE_FULLSCREEN", c.stored}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const auto shows = [&] { return IsWindowVisible(session.window) != 0; };
    if (c.keys != nullptr) {
        EXPECT_TRUE(ChooseUntil(session.program.ProcessId(), c.keys, [&] {
            return c.storedAfter < 0 ? WaitFor(kSettleTimeoutMs, [&] { return !shows(); })
                                     : StoredSoon(session.folder.SettingsPath(), "HIDE_FULLSCREEN",
                                                  c.storedAfter)();
        }));
    }
    HWND front = CreateWindowExA(0, "STATIC", "full screen", WS_POPUP | WS_VISIBLE, 0, 0,
                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(PumpMessagesUntil(kSettleTimeoutMs, [&] {
        SetForegroundWindow(front);
        return GetForegroundWindow() == front;
    }));
    EXPECT_EQ(
        PumpMessagesUntil(c.hides ? kSettleTimeoutMs : kWatchAndSomeMs, [&] { return !shows(); }),
        c.hides);
    SetWindowPos(front, nullptr, 100, 100, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    const bool userHid = c.storedAfter < 0;
    EXPECT_EQ(PumpMessagesUntil(userHid ? kWatchAndSomeMs : kSettleTimeoutMs, shows), !userHid);
    EXPECT_EQ(GetForegroundWindow(), front) << "the indicator took the foreground";
    DestroyWindow(front);
}

const FullScreenCase kFullScreenCases[] = {
    {"StoredOn", "1", nullptr, 1, true},
    {"Off", "0", nullptr, 0, false},
    {"TurnedOnFromTheMenu", "0", menu_keys::kHideFullScreen, 1, true},
    {"TurnedOffFromTheMenu", "1", menu_keys::kHideFullScreen, 0, false},
    {"TheUsersHideWins", "1", menu_keys::kHide, -1, true},
};

INSTANTIATE_TEST_SUITE_P(Options, E2eFullScreen, testing::ValuesIn(kFullScreenCases), CaseName());

}  // namespace
