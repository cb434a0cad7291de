#include "settings/HotkeySetting.h"

namespace {

constexpr unsigned kModifierFlags = kHotkeyShift | kHotkeyControl | kHotkeyAlt | kHotkeyExtended;
constexpr unsigned kLargestValue = kModifierFlags << 8 | 0xFF;

// Virtual keys that no hotkey may name: none, the mouse buttons, and the
// modifiers, alone or as their left and right keys.
bool IsRefusedKey(unsigned key) {
    switch (key) {
        case 0x00:  // no key
        case 0x01:  // VK_LBUTTON
        case 0x02:  // VK_RBUTTON
        case 0x04:  // VK_MBUTTON
        case 0x05:  // VK_XBUTTON1
        case 0x06:  // VK_XBUTTON2
        case 0x10:  // VK_SHIFT
        case 0x11:  // VK_CONTROL
        case 0x12:  // VK_MENU
        case 0x5B:  // VK_LWIN
        case 0x5C:  // VK_RWIN
        case 0xFF:  // no mapping
            return true;
        default:
            return key >= 0xA0 && key <= 0xA5;  // VK_LSHIFT to VK_RMENU
    }
}

}  // namespace

bool IsUsableHotkey(unsigned value) {
    return value <= kLargestValue && !IsRefusedKey(value & 0xFF);
}

unsigned ParseHotkeySetting(const char* text) {
    if (text == nullptr || *text == '\0') {
        return 0;
    }
    unsigned value = 0;
    for (const char* at = text; *at != '\0'; ++at) {
        if (*at < '0' || *at > '9') {
            return 0;
        }
        value = value * 10 + static_cast<unsigned>(*at - '0');
        if (value > kLargestValue) {
            return 0;  // also keeps the sum from wrapping
        }
    }
    return IsUsableHotkey(value) ? value : 0;
}

unsigned HotkeyModifiers(unsigned value) {
    const unsigned flags = value >> 8;
    unsigned modifiers = 0;
    if ((flags & kHotkeyAlt) != 0) {
        modifiers |= 0x1;  // MOD_ALT
    }
    if ((flags & kHotkeyControl) != 0) {
        modifiers |= 0x2;  // MOD_CONTROL
    }
    if ((flags & kHotkeyShift) != 0) {
        modifiers |= 0x4;  // MOD_SHIFT
    }
    return modifiers;
}

unsigned HotkeyVirtualKey(unsigned value) {
    return value & 0xFF;
}

int FirstRepeatedHotkey(const unsigned* values, int count) {
    const unsigned kSameKey = ~(kHotkeyExtended << 8);
    for (int later = 1; later < count; ++later) {
        for (int earlier = 0; earlier < later; ++earlier) {
            if (values[later] != 0 && (values[later] & kSameKey) == (values[earlier] & kSameKey)) {
                return later;
            }
        }
    }
    return -1;
}
