#include "app/Autostart.h"

#include <cstring>

#include "text/CodePage.h"

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The first length bytes of a and the whole of b are the same path: single
// bytes compared without case, double-byte characters exactly (their second
// byte may be a letter's code).
bool SamePath(const char* a, std::size_t length, const char* b) {
    if (std::strlen(b) != length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < length) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
        } else if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool QuoteProgramPath(const char* executablePath, char* value, std::size_t size) {
    const std::size_t length = std::strlen(executablePath);
    if (size == 0) {
        return false;
    }
    value[0] = '\0';
    if (length == 0 || length + 3 > size) {
        return false;
    }
    value[0] = '"';
    std::memcpy(value + 1, executablePath, length);
    value[length + 1] = '"';
    value[length + 2] = '\0';
    return true;
}

bool RunValueNamesProgram(const char* value, const char* executablePath) {
    std::size_t length = std::strlen(value);
    if (length >= 2 && value[0] == '"' && value[length - 1] == '"') {
        ++value;
        length -= 2;
    }
    return length != 0 && SamePath(value, length, executablePath);
}
