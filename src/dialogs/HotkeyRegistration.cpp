#include "dialogs/HotkeyRegistration.h"

#include "settings/HotkeySetting.h"

namespace {

void Append(wchar_t* name, int size, const wchar_t* text) {
    const int used = lstrlenW(name);
    lstrcpynW(name + used, text, size - used);
}

// Appends the keyboard's name for the key, or its number when it has none.
void AppendKeyName(wchar_t* name, int size, unsigned virtualKey, bool extended) {
    const int used = lstrlenW(name);
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const LONG keyData = static_cast<LONG>(scanCode << 16 | (extended ? 1u << 24 : 0u));
    if (GetKeyNameTextW(keyData, name + used, size - used) > 0) {
        return;
    }
    wchar_t number[] = L"0x00";
    number[2] = L"0123456789ABCDEF"[virtualKey >> 4 & 0xF];
    number[3] = L"0123456789ABCDEF"[virtualKey & 0xF];
    Append(name, size, number);
}

}  // namespace

bool RegisterHotkeyValue(HWND window, int id, unsigned value) {
    const UINT modifiers = HotkeyModifiers(value);
    const UINT key = HotkeyVirtualKey(value);
    if (RegisterHotKey(window, id, modifiers | MOD_NOREPEAT, key)) {
        return true;
    }
    if (GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED) {
        return false;
    }
    return RegisterHotKey(window, id, modifiers, key) != FALSE;
}

void HotkeyName(unsigned value, wchar_t* name, int size) {
    struct Modifier {
        unsigned flag;
        const wchar_t* text;
    };
    constexpr Modifier kModifiers[] = {
        {kHotkeyControl, L"Ctrl + "}, {kHotkeyShift, L"Shift + "}, {kHotkeyAlt, L"Alt + "}};
    const unsigned flags = value >> 8;
    name[0] = L'\0';
    for (const Modifier& modifier : kModifiers) {
        if ((flags & modifier.flag) != 0) {
            Append(name, size, modifier.text);
        }
    }
    AppendKeyName(name, size, HotkeyVirtualKey(value), (flags & kHotkeyExtended) != 0);
}
