#include "app/TrayCommands.h"

#include "app/Clipboard.h"
#include "app/DeskCommands.h"
#include "app/Hotkeys.h"
#include "app/IndicatorState.h"
#include "app/IndicatorWindow.h"
#include "app/MeasureTermsWin32.h"
#include "app/RangeMeasureWin32.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HotkeyDialog.h"
#include "dialogs/SettingsDialog.h"
#include "res/resource.h"
#include "settings/DpiScale.h"
#include "settings/Appearance.h"
#include "text/MouseHook.h"

namespace {

// Every dialog and chooser opened from the indicator runs the same way: never
// two at once, the indicator hidden while it is up, and shown again afterwards
// unless the user hid it. The follow-up is skipped when the program was closed
// from the menu while the dialog was up: the dialog ended because the program
// is quitting, and nothing more may be shown.
template <typename Run, typename FollowUp>
void RunGuardedDialog(HWND window, Run run, FollowUp followUp) {
    if (indicatorState.dialogOpen) {
        return;
    }
    indicatorState.dialogOpen = true;
    ShowWindow(window, SW_HIDE);
    run();
    indicatorState.dialogOpen = false;
    if (indicatorState.closing) {
        return;
    }
    followUp();
    if (!indicatorState.hidden) {
        ShowWindow(window, SW_SHOW);
    }
}

// The dialog shows the indicator as it is drawn now (its font, size and offset
// in pixels at its DPI) and stores its results on OK; whatever the user chose,
// the indicator takes them back from the file.
void OpenDisplaySettings(HWND window) {
    RunGuardedDialog(
        window,
        [window] {
            RECT outer{};
            GetWindowRect(window, &outer);
            settingsDialog.font = indicatorState.font;
            settingsDialog.sampleWidth = outer.right - outer.left;
            settingsDialog.sampleHeight = outer.bottom - outer.top;
            settingsDialog.offsetX = ScaleToDpi(indicatorState.offsetX, indicatorState.dpi);
            settingsDialog.offsetY = ScaleToDpi(indicatorState.offsetY, indicatorState.dpi);
            settingsDialog.dpi = indicatorState.dpi;
            settingsDialog.ShowModal(nullptr, MAKEINTRESOURCEA(IDD_DISPLAY_SETTINGS),
                                     SettingsDialogProc, indicatorState.instance);
        },
        [] {
            LoadOffsets();
            LoadClockFormat();
        });
}

// While the background is the transparent colour, a new colour becomes the key.
void OpenBackColorChooser(HWND window) {
    RunGuardedDialog(window, ChooseBackColor, [window] {
        if (indicatorState.alphaCommand == IDM_ALPHA_BACKGROUND &&
            indicatorState.layeredEntry != nullptr) {
            indicatorState.layeredEntry(window, indicatorState.backColor, 0, LWA_COLORKEY);
        }
    });
}

// Only a font that was replaced is deleted: after a cancel the chooser hands
// back the font in use.
void OpenFontChooser(HWND window) {
    HFONT chosen = nullptr;
    RunGuardedDialog(
        window, [&chosen] { chosen = ChooseIndicatorFont(); },
        [&chosen] {
            if (chosen != indicatorState.font) {
                DeleteObject(indicatorState.font);
                indicatorState.font = chosen;
            }
        });
}

void OpenAboutBox(HWND window) {
    RunGuardedDialog(
        window,
        [window] {
            DialogBoxParamA(indicatorState.instance, MAKEINTRESOURCEA(IDD_ABOUT), window,
                            AboutDialogProc, 0);
        },
        [] {});
}

// The keys are free while the dialog is up, so that its controls can take the
// indicator's own. After OK the dialog has registered and stored the keys it
// took; after anything else the indicator takes its keys back.
void OpenHotkeySettings(HWND window) {
    int result = 0;
    RunGuardedDialog(
        window,
        [window, &result] {
            hotkeyDialog.keyWindow = window;
            for (int action = 0; action < kHotkeyActionCount; ++action) {
                hotkeyDialog.keys[action] = indicatorState.hotkeys[action];
                hotkeyDialog.held[action] = indicatorState.hotkeyHeld[action];
            }
            ReleaseHotkeys(window);
            result = hotkeyDialog.Run(indicatorState.instance);
        },
        [window, &result] {
            if (result != IDOK) {
                TakeHotkeys(window);
                return;
            }
            for (int action = 0; action < kHotkeyActionCount; ++action) {
                indicatorState.hotkeys[action] = hotkeyDialog.keys[action];
                indicatorState.hotkeyHeld[action] = hotkeyDialog.held[action];
            }
        });
}

// Hidden until chosen again, whatever the pointer or a dialog does; the tick
// leaves the window alone meanwhile and shows it again once it is chosen
// (after the dialog, if one is up).
void ToggleHidden(HWND window) {
    indicatorState.hidden = !indicatorState.hidden;
    ModifyMenuW(indicatorState.popupMenu, IDM_HIDE, MF_BYCOMMAND | MF_STRING, IDM_HIDE,
                indicatorState.hidden ? L"表示する(&H)" : L"隠す(&H)");
    if (indicatorState.hidden) {
        ShowWindow(window, SW_HIDE);
    }
}

// The border goes or comes back at once; the size the tick measures stays.
void ToggleBorder(HWND window) {
    if (indicatorState.dialogOpen) {
        return;
    }
    const bool bordered = (indicatorState.windowStyle & WS_BORDER) != 0;
    indicatorSettings.WriteInt(kSettingsSection, kBorderKey, bordered ? 0 : 1);
    if (bordered) {
        indicatorState.windowStyle &= ~static_cast<DWORD>(WS_BORDER);
    } else {
        indicatorState.windowStyle |= WS_BORDER;
    }
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(indicatorState.windowStyle));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

// The menu opens with its top-left corner at the cursor. The indicator comes to
// the foreground first and gets a null message after, so that the menu closes
// when the user clicks elsewhere.
void OpenPopupMenu(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    SetFocus(window);
    ShowDeskCaptions(indicatorState.popupMenu);
    TrackPopupMenu(indicatorState.popupMenu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window,
                   nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
}

}  // namespace

LRESULT OnTrayNotify(HWND window, LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
        case WM_RBUTTONDOWN:
            OpenPopupMenu(window);
            break;
        case WM_LBUTTONDBLCLK:
            OpenAboutBox(window);
            break;
        default:
            break;
    }
    return 0;
}

LRESULT OnMenuCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const unsigned command = LOWORD(wParam);
    if (command >= IDM_ALPHA_100 && command <= IDM_ALPHA_BACKGROUND) {
        SetTransparency(window, static_cast<int>(command));
        return 0;
    }
    if (command >= IDM_COLOR_HEX && command <= IDM_COLOR_CSS_HSL) {
        SetColourNotation(static_cast<int>(command - IDM_COLOR_HEX), true);
        return 0;
    }
    if (OnDeskCommand(command) || OnMeasureTermsCommand(command)) {
        return 0;
    }
    switch (command) {
        case IDM_VIEW_CORRECTED:
            SetViewMode(kViewCorrected);
            break;
        case IDM_VIEW_ABSOLUTE:
            SetViewMode(kViewAbsolute);
            break;
        case IDM_DISPLAY_SETTINGS:
            OpenDisplaySettings(window);
            break;
        case IDM_BORDER:
            ToggleBorder(window);
            break;
        case IDM_BACK_COLOR:
            OpenBackColorChooser(window);
            break;
        case IDM_FONT:
            OpenFontChooser(window);
            break;
        case IDM_CLOCK:
            StopRangeMeasures();
            SetDisplayMode(kDisplayClock);
            break;
        case IDM_COORDINATES:
            StopRangeMeasures();
            SetDisplayMode(kDisplayCoordinates);
            break;
        case IDM_RANGE:
            SetDisplayMode(kDisplayRange);
            HookStart();
            break;
        case IDM_COLOR:
            StopRangeMeasures();
            SetDisplayMode(kDisplayColour);
            break;
        case IDM_CLOSE:
            SendMessageA(window, WM_DESTROY, 0, 0);
            break;
        case IDM_ABOUT:
            OpenAboutBox(window);
            break;
        case IDM_COPY:  // the line last built, shown or not
            PutTextOnClipboard(window, indicatorState.text);
            break;
        case IDM_HIDE:
            ToggleHidden(window);
            break;
        case IDM_HOTKEYS:
            OpenHotkeySettings(window);
            break;
        default:
            return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
    return 0;
}

LRESULT OnTaskbarCreated() {
    if (!indicatorState.closing) {
        Shell_NotifyIconA(NIM_ADD, &indicatorState.trayIcon);
    }
    return 0;
}
