#include "settings/SettingsPath.h"

#include <cstring>

#include "text/CodePage.h"

namespace {

// The last backslash of text, or nullptr. The walk goes by whole characters,
// because the second byte of a Shift-JIS character can be a backslash (0x5C).
const char* LastBackslash(const char* text) {
    const char* last = nullptr;
    for (const char* p = text; *p != '\0'; ++p) {
        if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') {
            ++p;
        } else if (*p == '\\') {
            last = p;
        }
    }
    return last;
}

}  // namespace

bool ComposeSettingsPath(const char* executablePath, const char* fileName,
                         char (&path)[kSettingsPathSize]) {
    std::memset(path, 0, sizeof path);
    const std::size_t nameLength = std::strlen(fileName);

    if (LastBackslash(fileName) != nullptr) {
        if (nameLength >= kSettingsPathSize) {
            return false;
        }
        std::memcpy(path, fileName, nameLength);
        return true;
    }

    // Without a directory to go beside, a bare name would send the profile
    // functions to the Windows directory: refuse rather than guess.
    const char* lastBackslash = LastBackslash(executablePath);
    if (nameLength == 0 || lastBackslash == nullptr) {
        return false;
    }
    // The drive ("C:", none for a network path) and the directory up to and
    // including its last backslash are the executable's path up to that point.
    const std::size_t prefixLength = static_cast<std::size_t>(lastBackslash - executablePath) + 1;
    if (prefixLength + nameLength >= kSettingsPathSize) {
        return false;
    }
    std::memcpy(path, executablePath, prefixLength);
    std::memcpy(path + prefixLength, fileName, nameLength);
    return true;
}

bool NamesItsFolder(const char* fileName) {
    return LastBackslash(fileName) != nullptr;
}
