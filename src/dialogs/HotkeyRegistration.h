#pragma once

#include <windows.h>

// The system side of a global hotkey, for a value of settings/HotkeySetting.h.

// Registers the usable value's key for the window under the identifier. A key
// held down does not repeat it where the system knows MOD_NOREPEAT (Windows 7
// and later); older systems refuse that flag, and the key is then registered
// without it. False when the system refuses the key: another program holds it.
bool RegisterHotkeyValue(HWND window, int id, unsigned value);

// The key as Windows' hotkey control shows it: the modifiers, then the
// keyboard's own name for the key ("Ctrl + Alt + K"), cut to fit the buffer
// of size characters.
void HotkeyName(unsigned value, wchar_t* name, int size);
