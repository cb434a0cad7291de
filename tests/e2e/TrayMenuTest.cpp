// The tray icon and its popup menu, driven as a user would: a right press on
// the icon in Wine's tray window, then the menu's keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "CaseName.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "ProfileContents.h"
#include "TrayMenu.h"
#include "WaitFor.h"

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
    // The choice arrives as a posted command after the menu has closed.
    EXPECT_TRUE(
        WaitFor(kSettleTimeoutMs,
                [&] { return ReadMainInt(session.folder.SettingsPath(), "MODE", -1) == 0; }))
        << "MODE " << ReadMainInt(session.folder.SettingsPath(), "MODE", -1);
    EXPECT_TRUE(ShowsText(session.window, CoordinatesText(CursorPosition()), DefaultLook(),
                          kSettleTimeoutMs));
}

}  // namespace
