#pragma once

#include <windows.h>

// The indicator's global hotkeys: copy the line, hide or show the indicator,
// the next display mode, each as its menu command does, and the anchor of a
// Range measurement without a drag.

// At creation: reads the stored keys and registers each one.
void TakeStoredHotkeys(HWND window);

// Registers every stored key for the window. A key that another program
// holds is left out without a word; the hotkey dialog shows it as taken.
void TakeHotkeys(HWND window);

// Releases every key the window holds: at exit, and while the hotkey dialog
// is up, so that its controls can take them.
void ReleaseHotkeys(HWND window);

// WM_HOTKEY: wParam is the identifier of the key that was pressed.
LRESULT OnHotkey(HWND window, WPARAM id);
