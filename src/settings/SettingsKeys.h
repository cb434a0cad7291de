#pragma once

#include "settings/HotkeySetting.h"

// The keys of the settings file's section "MAIN" that the indicator reads and
// writes, with the default each takes when it is missing or empty. "FONT" is
// kept with the font record (settings/FontRecord.h).

constexpr const char* kBorderKey = "BORDER";
constexpr const char* kAlphaKey = "ALPHA";
constexpr const char* kModeKey = "MODE";
constexpr const char* kViewModeKey = "VIEW_MODE";
constexpr const char* kFontColorKey = "FONT_COLOR";
constexpr const char* kBackColorKey = "BACK_COLOR";
constexpr const char* kOffsetXKey = "WINPOINT_X";
constexpr const char* kOffsetYKey = "WINPOINT_Y";
constexpr const char* kDateFormatKey = "DATE_FORMAT";
// Colour mode's notation: exactly 0 to 3, anything else reads as 0 (text/ColourNotation.h).
constexpr const char* kColorFormatKey = "COLOR_FORMAT";
constexpr const char* kHideFullScreenKey = "HIDE_FULLSCREEN";
// What Coordinates counts from (app/CoordinateOrigin.h) and whether lengths and
// counted coordinates are page pixels: exactly 0 to 2, and 0 or 1; anything else 0.
constexpr const char* kCoordOriginKey = "COORD_ORIGIN";
constexpr const char* kLogicalPixelsKey = "LOGICAL_PIXELS";
// The global hotkeys, by action (settings/HotkeySetting.h); missing means none.
constexpr const char* kHotkeySettingKeys[kHotkeyActionCount] = {"HOTKEY_COPY", "HOTKEY_HIDE",
                                                                "HOTKEY_MODE", "HOTKEY_ANCHOR"};

constexpr int kDefaultBorder = 1;              // bordered
constexpr int kDefaultAlphaCommand = 40036;    // 100 %, opaque
constexpr int kDefaultDisplayMode = 1;         // Clock
constexpr int kDefaultViewMode = 0;            // Corrected
constexpr int kDefaultTextColor = 0;           // black
constexpr int kDefaultBackColor = 0x00D9FFFF;  // red 255, green 255, blue 217
constexpr int kDefaultOffsetX = 12;
constexpr int kDefaultOffsetY = 15;
constexpr int kDefaultHideFullScreen = 0;  // shown over full-screen programs too
