#include "settings/Appearance.h"

#include <commdlg.h>

#include <cstddef>

#include "app/DisplayLayoutWin32.h"
#include "app/IndicatorState.h"
#include "res/resource.h"
#include "settings/FontRecord.h"
#include "settings/Transparency.h"

namespace {

// lfHeight as stored: character heights above 171 pixels at 96 DPI are capped.
constexpr LONG kTallestCharacter = -171;

constexpr UINT kDisplayModeItems[] = {IDM_COORDINATES, IDM_CLOCK, IDM_RANGE, IDM_COLOR};
constexpr UINT kViewModeItems[] = {IDM_VIEW_CORRECTED, IDM_VIEW_ABSOLUTE};
constexpr UINT kColourNotationItems[] = {IDM_COLOR_HEX, IDM_COLOR_DECIMAL, IDM_COLOR_CSS_RGB,
                                         IDM_COLOR_CSS_HSL};
constexpr UINT kOriginItems[] = {IDM_ORIGIN_SCREEN, IDM_ORIGIN_WINDOW, IDM_ORIGIN_CLIENT};

// The user's custom colours last for the run; they are never stored.
COLORREF customColors[16] = {};

void SetMenuItemEnabled(UINT command, bool enabled) {
    EnableMenuItem(indicatorState.popupMenu, command,
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// Greys the item whose index is the current choice; a choice outside the list greys none.
template <std::size_t N>
void MarkChoice(const UINT (&items)[N], int choice) {
    for (std::size_t index = 0; index < N; ++index) {
        SetMenuItemEnabled(items[index], static_cast<int>(index) != choice);
    }
}

}  // namespace

HFONT ChooseIndicatorFont() {
    // The chooser works on a copy, so a cancel cannot touch the record. It
    // counts points at the screen's DPI: it gets the sizes in those pixels and
    // its choice is stored back in pixels at 96 DPI.
    const int chooserDpi = ScreenDpi();
    LOGFONTA chosen = FontRecordAtDpi(indicatorState.logFont, chooserDpi);
    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.lpLogFont = &chosen;
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    choice.rgbColors = indicatorState.textColor;

    HFONT result = indicatorState.font;
    if (ChooseFontA(&choice)) {
        LOGFONTA stored = FontRecordFromDpi(chosen, chooserDpi);
        if (stored.lfHeight < kTallestCharacter) {
            stored.lfHeight = kTallestCharacter;
        }
        indicatorState.logFont = stored;
        result = CreateIndicatorFont(indicatorState.logFont, indicatorState.dpi);
        indicatorState.textColor = choice.rgbColors;
    }
    WriteIndicatorFont(indicatorSettings, indicatorState.logFont);
    indicatorSettings.WriteInt(kSettingsSection, kFontColorKey,
                               static_cast<int>(indicatorState.textColor));
    return result;
}

void ChooseBackColor() {
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.rgbResult = indicatorState.backColor;
    choice.lpCustColors = customColors;
    choice.Flags = CC_RGBINIT | CC_ANYCOLOR;
    // After a cancel the colour stays the starting one.
    if (ChooseColorA(&choice)) {
        indicatorState.backColor = choice.rgbResult;
    }
    indicatorSettings.WriteInt(kSettingsSection, kBackColorKey,
                               static_cast<int>(indicatorState.backColor));
}

void SetTransparency(HWND window, int command) {
    indicatorState.alphaCommand = command;
    if (indicatorState.layeredEntry != nullptr) {
        const LayeredAttributes attributes = TransparencyFor(command, indicatorState.backColor);
        indicatorState.layeredEntry(window, attributes.colorKey, attributes.alpha,
                                    attributes.flags);
    }
    indicatorSettings.WriteInt(kSettingsSection, kAlphaKey, command);
    for (int item = IDM_ALPHA_100; item <= IDM_ALPHA_BACKGROUND; ++item) {
        SetMenuItemEnabled(static_cast<UINT>(item), true);
    }
    // Only an item of the group is greyed: a hand-edited value such as the
    // identifier of Close must not disable another command.
    if (command >= IDM_ALPHA_100 && command <= IDM_ALPHA_BACKGROUND) {
        SetMenuItemEnabled(static_cast<UINT>(command), false);
    }
}

void SetDisplayMode(int mode) {
    indicatorState.displayMode = mode;
    indicatorSettings.WriteInt(kSettingsSection, kModeKey, mode);
    MarkChoice(kDisplayModeItems, mode);
}

void SetViewMode(int mode) {
    indicatorState.viewMode = mode;
    indicatorSettings.WriteInt(kSettingsSection, kViewModeKey, mode);
    MarkChoice(kViewModeItems, mode);
}

void SetColourNotation(int notation, bool store) {
    indicatorState.colourNotation = notation;
    if (store) {
        indicatorSettings.WriteInt(kSettingsSection, kColorFormatKey, notation);
    }
    MarkChoice(kColourNotationItems, notation);
}

void SetCoordinateOrigin(int origin, bool store) {
    indicatorState.coordinateOrigin = origin;
    if (store) {
        indicatorSettings.WriteInt(kSettingsSection, kCoordOriginKey, origin);
    }
    MarkChoice(kOriginItems, origin);
}

void SetPagePixels(bool on, bool store) {
    indicatorState.pagePixels = on;
    if (store) {
        indicatorSettings.WriteInt(kSettingsSection, kLogicalPixelsKey, on ? 1 : 0);
    }
    ModifyMenuW(indicatorState.popupMenu, IDM_LOGICAL_PIXELS, MF_BYCOMMAND | MF_STRING,
                IDM_LOGICAL_PIXELS, on ? L"物理ピクセルで表示(&Z)" : L"論理ピクセルで表示(&Z)");
}
