#pragma once

// A global hotkey as the hotkey control gives it and the settings file keeps
// it: the virtual key in the low byte, the control's modifier flags in the
// high byte, 0 for none. Platform-free.

constexpr unsigned kHotkeyShift = 0x01;     // HOTKEYF_SHIFT
constexpr unsigned kHotkeyControl = 0x02;   // HOTKEYF_CONTROL
constexpr unsigned kHotkeyAlt = 0x04;       // HOTKEYF_ALT
constexpr unsigned kHotkeyExtended = 0x08;  // HOTKEYF_EXT: an extended key of the keyboard

// What a hotkey can do, in the order of the dialog's rows.
// The anchor starts and ends a Range measurement without a drag.
enum HotkeyAction { kHotkeyCopy, kHotkeyHide, kHotkeyNextMode, kHotkeyAnchor, kHotkeyActionCount };

// The identifier that an action's key is registered under.
constexpr int HotkeyId(int action) {
    return action + 1;
}

// Whether the value names a key that the system can register: a key that is
// neither a mouse button nor a modifier, with none but the four flags above.
bool IsUsableHotkey(unsigned value);

// The value that a stored text stands for: decimal digits alone, naming a
// usable hotkey. Anything else (a sign, other characters, a modifier alone,
// a number past the control's range) gives 0: no hotkey.
unsigned ParseHotkeySetting(const char* text);

// What RegisterHotKey takes for a usable value: MOD_ALT 1, MOD_CONTROL 2 and
// MOD_SHIFT 4, and the virtual key.
unsigned HotkeyModifiers(unsigned value);
unsigned HotkeyVirtualKey(unsigned value);

// The first of the values that the system would take for the same key as an
// earlier one (the extended flag does not count, 0 is no key), or -1.
int FirstRepeatedHotkey(const unsigned* values, int count);
