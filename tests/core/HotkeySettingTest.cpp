#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "app/DisplayMode.h"
#include "settings/HotkeySetting.h"
#include "settings/StoredChoice.h"

namespace {

// What a hand-edited file may hold: only plain decimal digits naming a usable
// key register anything. After "0" come values that would read as
// Ctrl+Alt+C (1603) if cut to 16 bits or read up to a non-digit, then
// modifiers alone or with a modifier or mouse button for key, flags that the
// control never gives, and no key at all.
TEST(HotkeySettingTest, StoredTextGivesAUsableKeyOrNone) {
    EXPECT_EQ(ParseHotkeySetting("1603"), 0x0643u);  // Ctrl+Alt+C
    EXPECT_EQ(ParseHotkeySetting("0075"), 0x004Bu);  // K alone
    EXPECT_EQ(ParseHotkeySetting("2349"), 0x092Du);  // Shift and the extended Insert
    for (const char* text :
         {"",        "0",     "-63933", "67139", "4294968899", "99999999999999999999",
          "1603abc", " 1603", "+1603",  "16:3",  "0x643",      "Ctrl+Alt+C",
          "1536",    "1553",  "1697",   "1628",  "1537",       "1791",
          "5699",    "4095",  "2303"}) {
        EXPECT_EQ(ParseHotkeySetting(text), 0u) << '"' << text << '"';
    }
    EXPECT_EQ(ParseHotkeySetting(nullptr), 0u);
    EXPECT_FALSE(IsUsableHotkey(0x1643));  // a flag above the control's four
}

// The menus' stored choices (COORD_ORIGIN, LOGICAL_PIXELS, COLOR_FORMAT).
TEST(HotkeySettingTest, StoredChoiceIsOneDigitInRangeOrNone) {
    EXPECT_EQ(ParseStoredChoice("2", 3), 2);
    EXPECT_EQ(ParseStoredChoice("1", 2), 1);
    for (const char* text : {"", "3", "-1", "4294967297", "1abc", " 1", "01", "+1", "\x81"}) {
        EXPECT_EQ(ParseStoredChoice(text, 3), 0) << '"' << text << '"';
    }
    EXPECT_EQ(ParseStoredChoice(nullptr, 3), 0);
}

TEST(HotkeySettingTest, ModifiersAreTheRegistrationFlags) {
    EXPECT_EQ(HotkeyModifiers(0x0643), 0x3u);  // MOD_ALT | MOD_CONTROL
    EXPECT_EQ(HotkeyModifiers(0x0170), 0x4u);  // MOD_SHIFT, F1
    EXPECT_EQ(HotkeyModifiers(0x0F2D), 0x7u);  // the extended flag adds nothing
    EXPECT_EQ(HotkeyVirtualKey(0x0F2D), 0x2Du);
}

// The extended flag does not make another key; no key is never repeated.
TEST(HotkeySettingTest, FindsAKeyChosenTwice) {
    const std::pair<std::array<unsigned, kHotkeyActionCount>, int> cases[] = {
        {{0x0643, 0x0648, 0x064D}, -1}, {{0, 0, 0}, -1},          {{0x0643, 0, 0x0643}, 2},
        {{0x0643, 0x0643, 0}, 1},       {{0x022D, 0x0A2D, 0}, 1}, {{0x022D, 0x032D, 0}, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirstRepeatedHotkey(c.first.data(), kHotkeyActionCount), c.second)
            << c.first[0] << " " << c.first[1] << " " << c.first[2];
    }
}

TEST(HotkeySettingTest, NextDisplayModeGoesRound) {
    const std::pair<DisplayMode, DisplayMode> steps[] = {{kDisplayCoordinates, kDisplayClock},
                                                         {kDisplayClock, kDisplayRange},
                                                         {kDisplayRange, kDisplayColour},
                                                         {kDisplayColour, kDisplayCoordinates},
                                                         {7, kDisplayCoordinates},
                                                         {-1, kDisplayCoordinates}};
    for (const auto& step : steps) {
        EXPECT_EQ(NextDisplayMode(step.first), step.second) << step.first;
    }
}

}  // namespace
