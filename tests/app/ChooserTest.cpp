// The font and colour choosers, confirmed and cancelled through their dialog
// boxes, and what each writes afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <colordlg.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "app/IndicatorState.h"
#include "settings/Appearance.h"
#include "settings/FontRecord.h"

namespace {

class ChooserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetIndicator(settings);
        SetDefaultIndicatorFont(indicatorState.logFont);
        indicatorState.font = CreateFontIndirectA(&indicatorState.logFont);
    }
    void TearDown() override { DeleteObject(indicatorState.font); }

    LOGFONTA StoredFont() const {
        LOGFONTA stored;
        ReadIndicatorFont(indicatorSettings, stored);
        return stored;
    }

    TempSettings settings;
};

bool SameRecord(const LOGFONTA& a, const LOGFONTA& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Picks the last entry of the font chooser's colour list and tells the box.
COLORREF PickLastTextColour(HWND dialog) {
    HWND colours = GetDlgItem(dialog, cmb4);
    const LRESULT last = SendMessageA(colours, CB_GETCOUNT, 0, 0) - 1;
    SendMessageA(colours, CB_SETCURSEL, last, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(colours));
    return static_cast<COLORREF>(SendMessageA(colours, CB_GETITEMDATA, last, 0));
}

// A face that the set-up installs, by its name in the Japanese list of faces.
constexpr const char* kJapaneseFace =
    "IPA\x83S\x83V\x83"
    "b\x83N";  // IPAゴシック

TEST_F(ChooserTest, ConfirmedFontTakesRecordAndColourWithHeightCapped) {
    std::strcpy(indicatorState.logFont.lfFaceName, kJapaneseFace);
    indicatorState.logFont.lfHeight = -200;  // 200 pixels, above the cap
    HFONT previous = indicatorState.font;
    COLORREF picked = 0;
    HFONT result;
    {
        DialogCloser closer(IDOK, [&](HWND dialog) { picked = PickLastTextColour(dialog); });
        result = ChooseIndicatorFont();
        ASSERT_TRUE(closer.Pressed());
    }
    ASSERT_NE(picked, 0u) << "the colour list's last entry should not be black";

    EXPECT_NE(result, previous);
    EXPECT_NE(result, nullptr);
    EXPECT_EQ(indicatorState.logFont.lfHeight, -171);
    EXPECT_STREQ(indicatorState.logFont.lfFaceName, kJapaneseFace);
    EXPECT_EQ(indicatorState.textColor, picked);
    // The chooser returns the font; replacing the current one is the caller's job.
    EXPECT_EQ(indicatorState.font, previous);

    EXPECT_TRUE(SameRecord(StoredFont(), indicatorState.logFont));
    EXPECT_EQ(settings.Read("FONT_COLOR"), std::to_string(picked));
    EXPECT_EQ(settings.KeysInOrder(), (std::vector<std::string>{"FONT", "FONT_COLOR"}));

    LOGFONTA made{};
    GetObjectA(result, sizeof made, &made);
    EXPECT_EQ(made.lfHeight, -171);
    DeleteObject(result);
}

TEST_F(ChooserTest, CancelledFontKeepsEverythingAndStillWrites) {
    // A stored record taller than the cap is not capped by a cancel.
    indicatorState.logFont.lfHeight = -300;
    indicatorState.textColor = RGB(1, 2, 3);
    const LOGFONTA before = indicatorState.logFont;
    HFONT result;
    {
        DialogCloser closer(IDCANCEL, [](HWND dialog) { PickLastTextColour(dialog); });
        result = ChooseIndicatorFont();
        ASSERT_TRUE(closer.Pressed());
    }
    EXPECT_EQ(result, indicatorState.font);
    EXPECT_TRUE(SameRecord(indicatorState.logFont, before));
    EXPECT_EQ(indicatorState.textColor, RGB(1, 2, 3));

    EXPECT_TRUE(SameRecord(StoredFont(), before));
    EXPECT_EQ(settings.Read("FONT_COLOR"), std::to_string(RGB(1, 2, 3)));
    EXPECT_EQ(settings.KeysInOrder(), (std::vector<std::string>{"FONT", "FONT_COLOR"}));
}

TEST_F(ChooserTest, FirstCancelStoresTheBuiltInRecord) {
    {
        DialogCloser closer(IDCANCEL);
        ChooseIndicatorFont();
        ASSERT_TRUE(closer.Pressed());
    }
    LOGFONTA builtIn;
    SetDefaultIndicatorFont(builtIn);
    EXPECT_EQ(settings.Read("FONT").size(), 80u);
    EXPECT_TRUE(SameRecord(StoredFont(), builtIn));
    EXPECT_EQ(settings.Read("FONT_COLOR"), "0");
}

struct ColourCase {
    const char* name;
    int button;
    COLORREF expected;  // after the box has been set to RGB(10, 20, 30)
};

TEST_F(ChooserTest, BackgroundColourTakenOnlyWhenConfirmed) {
    const ColourCase cases[] = {
        {"confirmed", IDOK, RGB(10, 20, 30)},
        {"cancelled", IDCANCEL, RGB(200, 100, 50)},
    };
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(c.name);
        indicatorState.backColor = RGB(200, 100, 50);
        settings.Write("BACK_COLOR", "");
        {
            DialogCloser closer(c.button,
                                [](HWND dialog) { ChangeColour(dialog, RGB(10, 20, 30)); });
            ChooseBackColor();
            ASSERT_TRUE(closer.Pressed());
        }
        EXPECT_EQ(indicatorState.backColor, c.expected);
        EXPECT_EQ(settings.Read("BACK_COLOR"), std::to_string(c.expected));
    }
}

// The colour chooser starts from the background colour.
TEST_F(ChooserTest, ColourChooserStartsFromBackgroundColour) {
    indicatorState.backColor = RGB(0x11, 0x22, 0x33);
    char red[8] = {};
    {
        DialogCloser closer(
            IDOK, [&](HWND dialog) { GetDlgItemTextA(dialog, COLOR_RED, red, sizeof red); });
        ChooseBackColor();
        ASSERT_TRUE(closer.Pressed());
    }
    EXPECT_STREQ(red, "17");
    EXPECT_EQ(indicatorState.backColor, RGB(0x11, 0x22, 0x33));
}

}  // namespace
