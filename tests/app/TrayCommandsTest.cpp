// The menu commands in-process, where the window system cannot show the
// result: which font object survives a font choice, the colour key after a new
// background colour, and whether the mouse hook still runs after a mode change.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <ostream>
#include <thread>

#include "AppTestSupport.h"
#include "SyntheticInput.h"
#include "WaitFor.h"
#include "app/IndicatorState.h"
#include "app/IndicatorWindow.h"
#include "app/TrayCommands.h"
#include "res/resource.h"
#include "settings/FontRecord.h"
#include "text/MouseHook.h"

namespace {

class TrayCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetIndicator(settings);
        indicatorState.layeredEntry = SetLayeredWindowAttributes;
        indicatorState.windowStyle = kBorderedStyle;
        indicatorState.popupMenu = LoadPopupMenu();
        ASSERT_NE(RegisterIndicatorClass(), 0);
        window = CreateIndicatorWindow(kLayeredExStyle);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        HookStop();
        DestroyWindow(window);
        DiscardMessages();
        UnregisterClassA(kIndicatorClassName, GetModuleHandleA(nullptr));
    }

    void Command(UINT id) { OnMenuCommand(window, id, 0); }

    TempSettings settings;
    HWND window = nullptr;
};

struct FontChoiceCase {
    const char* name;
    int button;
    bool replaced;
};

// Test lists and failure lines name a case by its name.
void PrintTo(const FontChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

class TrayFontCommandTest : public TrayCommandsTest,
                            public testing::WithParamInterface<FontChoiceCase> {};

// Only a font that was replaced is deleted; after a cancel the one in use stays alive.
TEST_P(TrayFontCommandTest, DeletesOnlyAReplacedFont) {
    const FontChoiceCase& c = GetParam();
    HFONT before = indicatorState.font;
    ASSERT_EQ(GetObjectType(before), static_cast<DWORD>(OBJ_FONT));
    {
        DialogCloser closer(c.button);
        Command(IDM_FONT);
        ASSERT_TRUE(closer.Pressed());
    }
    EXPECT_FALSE(indicatorState.dialogOpen);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetObjectType(indicatorState.font), static_cast<DWORD>(OBJ_FONT));
    if (c.replaced) {
        EXPECT_NE(indicatorState.font, before);
        EXPECT_EQ(GetObjectType(before), 0u) << "the replaced font is still alive";
    } else {
        EXPECT_EQ(indicatorState.font, before);
    }
}

const FontChoiceCase kFontChoiceCases[] = {
    {"Confirmed", IDOK, true},
    {"Cancelled", IDCANCEL, false},
};

INSTANTIATE_TEST_SUITE_P(Choices, TrayFontCommandTest, testing::ValuesIn(kFontChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ColourKeyCase {
    const char* name;
    int alphaCommand;
    DWORD flags;
    COLORREF key;
    BYTE alpha;
};

void PrintTo(const ColourKeyCase& c, std::ostream* out) {
    *out << c.name;
}

class TrayBackColorCommandTest : public TrayCommandsTest,
                                 public testing::WithParamInterface<ColourKeyCase> {};

// While the background is transparent a new colour becomes the key at once;
// otherwise the layered attributes stay as they were.
TEST_P(TrayBackColorCommandTest, RenewsTheColourKeyOnlyWhileTheBackgroundIsTransparent) {
    const ColourKeyCase& c = GetParam();
    Command(static_cast<UINT>(c.alphaCommand));
    {
        DialogCloser closer(IDOK, [](HWND dialog) { ChangeColour(dialog, RGB(10, 20, 30)); });
        Command(IDM_BACK_COLOR);
        ASSERT_TRUE(closer.Pressed());
    }
    EXPECT_EQ(indicatorState.backColor, RGB(10, 20, 30));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(flags, c.flags);
    if (c.flags == LWA_COLORKEY) {
        EXPECT_EQ(key, c.key);
    } else {
        EXPECT_EQ(alpha, c.alpha);
    }
}

const ColourKeyCase kColourKeyCases[] = {
    {"BackgroundTransparent", IDM_ALPHA_BACKGROUND, LWA_COLORKEY, RGB(10, 20, 30), 0},
    {"HalfOpaque", IDM_ALPHA_50, LWA_ALPHA, 0, 130},
};

INSTANTIATE_TEST_SUITE_P(Transparency, TrayBackColorCommandTest, testing::ValuesIn(kColourKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A left-button drag by real input from a second thread while this thread,
// which runs the hook, pumps its messages.
void DragWhilePumping(POINT from, POINT to) {
    std::atomic<bool> done{false};
    std::thread hand([&] {
        SendEvent(MoveEvent(from.x, from.y));
        SendEvent(MouseEvent(MOUSEEVENTF_LEFTDOWN));
        SendEvent(MoveEvent(to.x, to.y));
        SendEvent(MouseEvent(MOUSEEVENTF_LEFTUP));
        done = true;
    });
    PumpMessagesUntil(2000, [&] { return done.load(); });
    hand.join();
    PumpMessagesUntil(200, [] { return false; });  // lets the hook take the last events
}

struct ModeAfterRangeCase {
    const char* name;
    UINT command;
};

void PrintTo(const ModeAfterRangeCase& c, std::ostream* out) {
    *out << c.name;
}

class TrayModeAfterRangeTest : public TrayCommandsTest,
                               public testing::WithParamInterface<ModeAfterRangeCase> {};

TEST_P(TrayModeAfterRangeTest, StopsTheMouseHook) {
    Command(IDM_RANGE);
    DragWhilePumping({200, 200}, {260, 230});
    const std::int64_t endOfDrag = GetDragEnd(0);
    ASSERT_NE(endOfDrag, GetDragStart(0)) << "the hook did not see the first drag";

    Command(GetParam().command);
    DragWhilePumping({400, 400}, {480, 420});
    EXPECT_EQ(GetDragEnd(0), endOfDrag) << "the hook still runs";
}

const ModeAfterRangeCase kModeAfterRangeCases[] = {
    {"Coordinates", IDM_COORDINATES},
    {"Clock", IDM_CLOCK},
    {"Colour", IDM_COLOR},
};

INSTANTIATE_TEST_SUITE_P(Modes, TrayModeAfterRangeTest, testing::ValuesIn(kModeAfterRangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Hidden, the tick leaves the window alone; the item offers what it does next.
TEST_F(TrayCommandsTest, HideHoldsThroughTicksAndTheItemSaysWhatItDoesNext) {
    wchar_t caption[32] = {};
    for (const wchar_t* next : {L"表示する(&H)", L"隠す(&H)"}) {
        Command(IDM_HIDE);
        SendMessageA(window, WM_TIMER, kIndicatorTimerId, 0);
        EXPECT_EQ(IsWindowVisible(window) != 0, indicatorState.hidden == false);
        GetMenuStringW(indicatorState.popupMenu, IDM_HIDE, caption, 32, MF_BYCOMMAND);
        EXPECT_STREQ(caption, next);
    }
}

}  // namespace
