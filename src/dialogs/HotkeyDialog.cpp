#include "dialogs/HotkeyDialog.h"

#include <commctrl.h>

#include "dialogs/HotkeyRegistration.h"
#include "res/resource.h"
#include "settings/SettingsKeys.h"

HotkeyDialog hotkeyDialog;

namespace {

constexpr int kKeyControls[kHotkeyActionCount] = {IDC_HOTKEY_COPY, IDC_HOTKEY_HIDE, IDC_HOTKEY_MODE,
                                                  IDC_HOTKEY_ANCHOR};
constexpr int kTakenNotes[kHotkeyActionCount] = {IDC_HOTKEY_COPY_TAKEN, IDC_HOTKEY_HIDE_TAKEN,
                                                 IDC_HOTKEY_MODE_TAKEN, IDC_HOTKEY_ANCHOR_TAKEN};

void RequestClose(HWND dialog) {
    SendMessageA(dialog, WM_CLOSE, 0, 0);
}

void EndWith(HWND dialog, int result) {
    EndDialog(dialog, result);
    hotkeyDialog.hwnd = nullptr;
}

// The control's key; a modifier alone, or a key that cannot be registered, is none.
unsigned ChosenKey(HWND dialog, int action) {
    const auto value = static_cast<unsigned>(
                           SendDlgItemMessageA(dialog, kKeyControls[action], HKM_GETHOTKEY, 0, 0)) &
                       0xFFFF;
    return IsUsableHotkey(value) ? value : 0;
}

// Names the key between Japanese quotes, followed by what is wrong with it.
void Refuse(HWND dialog, unsigned key, const wchar_t* why) {
    constexpr int kTextSize = 256;
    wchar_t text[kTextSize] = L"「";
    HotkeyName(key, text + 1, kTextSize - 1);
    lstrcatW(text, L"」");  // the name takes at most 63 characters of the room
    lstrcatW(text, why);
    MessageBoxW(dialog, text, L"Tavikanホットキー設定", MB_OK | MB_ICONWARNING);
}

INT_PTR OnCommand(HWND dialog, WORD command, WORD notification) {
    switch (command) {
        case IDC_HOTKEYS_OK:
            return hotkeyDialog.TakeAndClose();
        case IDC_HOTKEYS_CANCEL:
        case IDCANCEL:  // Esc: Alt+F4 is a key that the focused control takes
            RequestClose(dialog);
            return TRUE;
        default:
            break;
    }
    // A row that the user changed no longer shows the stored key.
    for (int action = 0; action < kHotkeyActionCount; ++action) {
        if (command == kKeyControls[action] && notification == EN_CHANGE) {
            ShowWindow(GetDlgItem(dialog, kTakenNotes[action]), SW_HIDE);
        }
    }
    return FALSE;  // Enter (command 1) included: it does not close
}

}  // namespace

int HotkeyDialog::Run(HINSTANCE instance) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    return ShowModal(nullptr, MAKEINTRESOURCEA(IDD_HOTKEYS), HotkeyDialogProc, instance);
}

bool HotkeyDialog::OnInit(WPARAM, LPARAM) {
    settingsFile.ResolvePath(kSettingsFileName);
    for (int action = 0; action < kHotkeyActionCount; ++action) {
        SendDlgItemMessageA(hwnd, kKeyControls[action], HKM_SETHOTKEY, keys[action], 0);
        const bool taken = keys[action] != 0 && !held[action];
        ShowWindow(GetDlgItem(hwnd, kTakenNotes[action]), taken ? SW_SHOW : SW_HIDE);
    }
    return true;
}

// All or nothing: a refused key takes back the keys registered before it.
// A stored key that another program still holds is kept as it is, unheld.
bool HotkeyDialog::TakeAndClose() {
    unsigned chosen[kHotkeyActionCount] = {};
    for (int action = 0; action < kHotkeyActionCount; ++action) {
        chosen[action] = ChosenKey(hwnd, action);
    }
    const int repeated = FirstRepeatedHotkey(chosen, kHotkeyActionCount);
    if (repeated >= 0) {
        Refuse(hwnd, chosen[repeated], L"が二つの操作に選ばれています。別のキーを選んで下さい。");
        return true;
    }
    bool taken[kHotkeyActionCount] = {};
    for (int action = 0; action < kHotkeyActionCount; ++action) {
        const unsigned key = chosen[action];
        taken[action] = key != 0 && RegisterHotkeyValue(keyWindow, HotkeyId(action), key);
        if (key != 0 && !taken[action] && key != keys[action]) {
            for (int earlier = 0; earlier < action; ++earlier) {
                if (taken[earlier]) {
                    UnregisterHotKey(keyWindow, HotkeyId(earlier));
                }
            }
            Refuse(hwnd, key, L"は他のプログラムが使っています。別のキーを選んで下さい。");
            return true;
        }
    }
    for (int action = 0; action < kHotkeyActionCount; ++action) {
        if (chosen[action] != keys[action]) {
            keys[action] = chosen[action];
            settingsFile.WriteInt(kSettingsSection, kHotkeySettingKeys[action],
                                  static_cast<int>(keys[action]));
        }
        held[action] = taken[action];
    }
    EndWith(hwnd, IDOK);
    return true;
}

INT_PTR CALLBACK HotkeyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            hotkeyDialog.hwnd = dialog;
            return hotkeyDialog.OnInit(wParam, lParam);
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_SYSCOMMAND:
            if (wParam != SC_CLOSE) {
                return FALSE;
            }
            RequestClose(dialog);
            return TRUE;
        case WM_CLOSE:
            EndWith(dialog, IDCANCEL);
            return TRUE;
        case WM_DESTROY:  // also when the program quits while the dialog is up
            hotkeyDialog.hwnd = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}
