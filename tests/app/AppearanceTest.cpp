// The transparency, display-mode and placement-mode setters: the window's
// layered attributes, the keys written and the greyed menu items.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/IndicatorState.h"
#include "res/resource.h"
#include "settings/Appearance.h"

namespace {

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

class AppearanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetIndicator(settings);
        indicatorState.popupMenu = LoadPopupMenu();
        const auto entry = reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("user32.dll"), "SetLayeredWindowAttributes"));
        indicatorState.layeredEntry = reinterpret_cast<LayeredEntry>(entry);
        ASSERT_NE(indicatorState.layeredEntry, nullptr);

        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = PlainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "AppearanceTestWindow";
        RegisterClassA(&windowClass);
        window =
            CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, "AppearanceTestWindow", "", WS_POPUP,
                            0, 0, 50, 20, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        DestroyWindow(window);
        UnregisterClassA("AppearanceTestWindow", GetModuleHandleA(nullptr));
    }

    struct Layered {
        COLORREF key;
        BYTE alpha;
        DWORD flags;
    };
    Layered ReadLayered() const {
        Layered layered{};
        EXPECT_TRUE(
            GetLayeredWindowAttributes(window, &layered.key, &layered.alpha, &layered.flags));
        return layered;
    }

    std::vector<UINT> Greyed() const { return GreyedCommands(indicatorState.popupMenu); }

    TempSettings settings;
    HWND window = nullptr;
};

struct TransparencyCase {
    int command;
    BYTE alpha;
    DWORD flags;  // LWA_COLORKEY means the colour key is the background colour
    bool greysItself;
};

TEST_F(AppearanceTest, TransparencyAppliesStoresAndGreys) {
    const TransparencyCase cases[] = {
        {IDM_ALPHA_100, 255, LWA_ALPHA, true},
        {IDM_ALPHA_90, 230, LWA_ALPHA, true},
        {IDM_ALPHA_80, 205, LWA_ALPHA, true},
        {IDM_ALPHA_70, 180, LWA_ALPHA, true},
        {IDM_ALPHA_60, 155, LWA_ALPHA, true},
        {IDM_ALPHA_50, 130, LWA_ALPHA, true},
        {IDM_ALPHA_40, 105, LWA_ALPHA, true},
        {IDM_ALPHA_30, 80, LWA_ALPHA, true},
        {IDM_ALPHA_20, 55, LWA_ALPHA, true},
        {IDM_ALPHA_10, 30, LWA_ALPHA, true},
        {IDM_ALPHA_BACKGROUND, 0, LWA_COLORKEY, true},
        // A hand-edited value: the formula modulo 256, no item greyed.
        {5, 70, LWA_ALPHA, false},
        // Close's identifier (40034, two below 100 %) must not grey Close:
        // 255 + 2 * 25 = 305, modulo 256.
        {IDM_CLOSE, 49, LWA_ALPHA, false},
    };
    indicatorState.backColor = RGB(12, 34, 56);
    for (const TransparencyCase& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.command));
        SetTransparency(window, c.command);

        EXPECT_EQ(indicatorState.alphaCommand, c.command);
        const Layered layered = ReadLayered();
        EXPECT_EQ(layered.flags, c.flags);
        if (c.flags == LWA_COLORKEY) {
            EXPECT_EQ(layered.key, RGB(12, 34, 56));
        } else {
            EXPECT_EQ(layered.alpha, c.alpha);
        }
        EXPECT_EQ(settings.Read("ALPHA"), std::to_string(c.command));
        const std::vector<UINT> greyed = Greyed();
        if (c.greysItself) {
            EXPECT_EQ(greyed, std::vector<UINT>{static_cast<UINT>(c.command)});
        } else {
            EXPECT_TRUE(greyed.empty());
        }
    }
}

TEST_F(AppearanceTest, AnAlphaItemEndsTheColourKey) {
    SetTransparency(window, IDM_ALPHA_BACKGROUND);
    ASSERT_EQ(ReadLayered().flags, static_cast<DWORD>(LWA_COLORKEY));
    SetTransparency(window, IDM_ALPHA_50);
    const Layered layered = ReadLayered();
    EXPECT_EQ(layered.flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(layered.alpha, 130);
}

TEST_F(AppearanceTest, WithoutTheLayeredEntryOnlyTheWindowStaysAsItWas) {
    indicatorState.layeredEntry(window, 0, 200, LWA_ALPHA);
    indicatorState.layeredEntry = nullptr;
    SetTransparency(window, IDM_ALPHA_10);

    EXPECT_EQ(ReadLayered().alpha, 200);
    EXPECT_EQ(indicatorState.alphaCommand, IDM_ALPHA_10);
    EXPECT_EQ(settings.Read("ALPHA"), "40045");
    EXPECT_EQ(Greyed(), std::vector<UINT>{IDM_ALPHA_10});
}

struct ModeCase {
    void (*set)(int);
    const char* key;
    int IndicatorState::*field;
    int mode;
    std::vector<UINT> greyed;
};

// Display mode, then placement mode; a value from a hand-edited file is kept
// and written back with nothing greyed.
TEST_F(AppearanceTest, ModesStoreAndGrey) {
    const ModeCase cases[] = {
        {SetDisplayMode, "MODE", &IndicatorState::displayMode, 0, {IDM_COORDINATES}},
        {SetDisplayMode, "MODE", &IndicatorState::displayMode, 1, {IDM_CLOCK}},
        {SetDisplayMode, "MODE", &IndicatorState::displayMode, 2, {IDM_RANGE}},
        {SetDisplayMode, "MODE", &IndicatorState::displayMode, 3, {IDM_COLOR}},
        {SetDisplayMode, "MODE", &IndicatorState::displayMode, 5, {}},
        {SetDisplayMode, "MODE", &IndicatorState::displayMode, -1, {}},
        {SetViewMode, "VIEW_MODE", &IndicatorState::viewMode, 1, {IDM_VIEW_ABSOLUTE}},
        {SetViewMode, "VIEW_MODE", &IndicatorState::viewMode, 0, {IDM_VIEW_CORRECTED}},
        {SetViewMode, "VIEW_MODE", &IndicatorState::viewMode, 2, {}},
        {SetViewMode, "VIEW_MODE", &IndicatorState::viewMode, 7, {}},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " " + std::to_string(c.mode));
        c.set(c.mode);
        EXPECT_EQ(indicatorState.*c.field, c.mode);
        EXPECT_EQ(settings.Read(c.key), std::to_string(c.mode));
        EXPECT_EQ(Greyed(), c.greyed);
    }
    SetColourNotation(2, true);  // a group of its own: the rows above left nothing greyed
    EXPECT_EQ(settings.Read("COLOR_FORMAT"), "2");
    EXPECT_EQ(Greyed(), std::vector<UINT>{IDM_COLOR_CSS_RGB});
    SetCoordinateOrigin(2, true);
    EXPECT_EQ(settings.Read("COORD_ORIGIN"), "2");
    EXPECT_EQ(Greyed(), (std::vector<UINT>{IDM_ORIGIN_CLIENT, IDM_COLOR_CSS_RGB}));
    // The page-pixel toggle's caption says what choosing it does next.
    for (const bool on : {true, false}) {
        SetPagePixels(on, true);
        EXPECT_EQ(settings.Read("LOGICAL_PIXELS"), on ? "1" : "0");
        wchar_t caption[32] = {};
        GetMenuStringW(indicatorState.popupMenu, IDM_LOGICAL_PIXELS, caption, 32, MF_BYCOMMAND);
        EXPECT_STREQ(caption, on ? L"物理ピクセルで表示(&Z)" : L"論理ピクセルで表示(&Z)");
    }
}

// Each group greys only its own items.
TEST_F(AppearanceTest, GroupsKeepTheirOwnGrey) {
    SetTransparency(window, IDM_ALPHA_50);
    SetDisplayMode(2);
    SetViewMode(1);
    EXPECT_EQ(Greyed(), (std::vector<UINT>{IDM_RANGE, IDM_VIEW_ABSOLUTE, IDM_ALPHA_50}));
    EXPECT_EQ(settings.KeysInOrder(), (std::vector<std::string>{"ALPHA", "MODE", "VIEW_MODE"}));
}

}  // namespace
