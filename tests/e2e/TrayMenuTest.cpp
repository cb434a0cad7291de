// The tray icon and its popup menu, driven as a user would: a right press on
// the icon in Wine's tray window, then the menu's keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

#include "CaseName.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "ProfileContents.h"
#include "ScreenPicture.h"
#include "TrayMenu.h"
#include "TwinMenu.h"
#include "WaitFor.h"
#include "WindowSearch.h"

namespace {

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
    ASSERT_TRUE(ChooseFromTrayMenu(session.program.ProcessId(), menu_keys::kCoordinates));
    EXPECT_EQ(ReadMainInt(session.folder.SettingsPath(), "MODE", -1), 0);
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
    }));
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

const std::string kUpUpRight{static_cast<char>(VK_UP), static_cast<char>(VK_UP),
                             static_cast<char>(VK_RIGHT)};

// The indicator, top-most too, is kept away from the menus: it must not cover them.
const std::string kAwayFromTheMenu = MainSection({{"WINPOINT_X", "500"}, {"WINPOINT_Y", "500"}});

const GreyingCase kGreyingCases[] = {
    {"DefaultsPlacement", kAwayFromTheMenu, {40031, 111, 40036}, "D"},
    {"DefaultsTransparency", kAwayFromTheMenu, {40031, 111, 40036}, kUpUpRight},
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
     kUpUpRight},
};

INSTANTIATE_TEST_SUITE_P(Menus, E2eTrayMenuLook, testing::ValuesIn(kGreyingCases), CaseName());

}  // namespace
