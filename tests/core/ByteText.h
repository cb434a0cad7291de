#pragma once

#include <cstring>
#include <string>

#include "text/CodePage.h"

// Helpers for tests of byte texts in the system's ANSI code page.

inline bool ShiftJisCodePage() {
    return IsLeadByte(0x81);
}

// Shows a byte text in a test name: printable ASCII as it is, other bytes
// (Shift-JIS among them) and characters that test lists trip over as %XX.
inline std::string Visible(const char* text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char* p = text; *p != '\0'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0x20 && c < 0x7F && std::strchr(";%\\[]#\"$", c) == nullptr) {
            shown += static_cast<char>(c);
        } else {
            shown += '%';
            shown += kHex[c >> 4];
            shown += kHex[c & 0xF];
        }
    }
    return shown;
}
