#include "settings/SettingsPlace.h"

#include <cstring>

#include "text/CodePage.h"

namespace {

constexpr const char* kPerUserFolderName = "Tavikan";

// Whether text ends in a backslash that is a character of its own, not the
// second byte of a Shift-JIS character.
bool EndsInBackslash(const char* text) {
    bool last = false;
    for (const char* p = text; *p != '\0'; ++p) {
        if (IsLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') {
            ++p;
            last = false;
        } else {
            last = *p == '\\';
        }
    }
    return last;
}

}  // namespace

SettingsPlace PlaceAtStart(bool perUserExists, bool besideWritable) {
    return perUserExists && !besideWritable ? SettingsPlace::PerUser : SettingsPlace::BesideProgram;
}

bool CarriesOverAfterRefusal(SettingsPlace place, bool perUserNamed) {
    return place == SettingsPlace::BesideProgram && perUserNamed;
}

bool ComposePerUserPath(const char* appData, const char* fileName, char (&path)[kSettingsPathSize],
                        char (&folder)[kSettingsPathSize]) {
    std::memset(path, 0, sizeof path);
    std::memset(folder, 0, sizeof folder);
    std::size_t base = std::strlen(appData);
    if (base == 0 || fileName[0] == '\0') {
        return false;
    }
    if (EndsInBackslash(appData)) {
        --base;
    }
    const std::size_t folderName = std::strlen(kPerUserFolderName);
    const std::size_t name = std::strlen(fileName);
    if (base + 1 + folderName + 1 + name >= kSettingsPathSize) {
        return false;
    }
    std::memcpy(folder, appData, base);
    folder[base] = '\\';
    std::memcpy(folder + base + 1, kPerUserFolderName, folderName);
    std::memcpy(path, folder, base + 1 + folderName);
    path[base + 1 + folderName] = '\\';
    std::memcpy(path + base + 2 + folderName, fileName, name);
    return true;
}
