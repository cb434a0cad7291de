#include "app/Hotkeys.h"

#include "app/IndicatorState.h"
#include "app/RangeMeasureWin32.h"
#include "app/TrayCommands.h"
#include "dialogs/HotkeyRegistration.h"
#include "res/resource.h"

namespace {

// The menu item of a display mode: choosing it is what switches the mode.
WPARAM ModeCommand(DisplayMode mode) {
    switch (mode) {
        case kDisplayClock:
            return IDM_CLOCK;
        case kDisplayRange:
            return IDM_RANGE;
        case kDisplayColour:
            return IDM_COLOR;
        default:
            return IDM_COORDINATES;
    }
}

}  // namespace

void TakeStoredHotkeys(HWND window) {
    for (int action = 0; action < kHotkeyActionCount; ++action) {
        indicatorState.hotkeys[action] = ParseHotkeySetting(
            indicatorSettings.ReadString(kSettingsSection, kHotkeySettingKeys[action], ""));
    }
    TakeHotkeys(window);
}

void TakeHotkeys(HWND window) {
    for (int action = 0; action < kHotkeyActionCount; ++action) {
        const unsigned key = indicatorState.hotkeys[action];
        indicatorState.hotkeyHeld[action] =
            key != 0 && RegisterHotkeyValue(window, HotkeyId(action), key);
    }
}

void ReleaseHotkeys(HWND window) {
    for (int action = 0; action < kHotkeyActionCount; ++action) {
        if (indicatorState.hotkeyHeld[action]) {
            UnregisterHotKey(window, HotkeyId(action));
            indicatorState.hotkeyHeld[action] = false;
        }
    }
}

LRESULT OnHotkey(HWND window, WPARAM id) {
    switch (static_cast<int>(id)) {
        case HotkeyId(kHotkeyCopy):
            return OnMenuCommand(window, IDM_COPY, 0);
        case HotkeyId(kHotkeyHide):
            return OnMenuCommand(window, IDM_HIDE, 0);
        case HotkeyId(kHotkeyNextMode):
            return OnMenuCommand(window, ModeCommand(NextDisplayMode(indicatorState.displayMode)),
                                 0);
        case HotkeyId(kHotkeyAnchor):
            OnAnchorKey(window);
            return 0;
        default:
            return 0;
    }
}
