#pragma once

#include <windows.h>

#include "dialogs/DialogWrapper.h"
#include "settings/HotkeySetting.h"
#include "settings/SettingsFile.h"

// The hotkey dialog (template 114): one hotkey control per action. OK
// registers every chosen key at once for keyWindow and stores each one that
// changed; a new key that another program holds is refused with a message
// naming it, and the dialog stays open. Every other way out registers and
// stores nothing.
//
// The opener sets keyWindow, keys and held, releases the keys it holds (so
// that the controls can take them), then runs Run. After OK, keys and held
// tell what is stored and registered; after anything else the opener
// registers its keys again.
class HotkeyDialog : public DialogWrapper {
  public:
    // Runs the dialog from the instance's template, without an owner; IDOK
    // after OK.
    int Run(HINSTANCE instance);
    bool OnInit(WPARAM wParam, LPARAM lParam) override;
    bool TakeAndClose();

    HWND keyWindow = nullptr;                // the window that the keys are registered for
    unsigned keys[kHotkeyActionCount] = {};  // as stored, 0 for none
    bool held[kHotkeyActionCount] = {};      // registered before the dialog; after OK, now
    SettingsFile settingsFile;
};

// The process's one hotkey dialog.
extern HotkeyDialog hotkeyDialog;

INT_PTR CALLBACK HotkeyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
