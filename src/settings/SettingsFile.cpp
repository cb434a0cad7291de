#include "settings/SettingsFile.h"

#include <windows.h>

#include <cstdio>

#include "settings/Base64.h"

namespace {

// One buffer for every ReadString and ReadBlob of every instance: a value is
// cut to 1023 bytes and the terminator.
constexpr DWORD kReadBufferSize = 1024;
char readBuffer[kReadBufferSize];

// The value of the key in the shared buffer, "" when it is missing or empty.
const char* ReadRaw(const char* path, const char* section, const char* key) {
    if (GetPrivateProfileStringA(section, key, "", readBuffer, kReadBufferSize, path) == 0) {
        readBuffer[0] = '\0';
    }
    return readBuffer;
}

}  // namespace

void SettingsFile::ResolvePath(const char* fileName) {
    char executablePath[kSettingsPathSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, executablePath, sizeof executablePath);
    if (length == 0 || length >= sizeof executablePath) {
        // Unknown or cut short: there is no directory to put the file beside.
        executablePath[0] = '\0';
    }
    ComposeSettingsPath(executablePath, fileName, path);
}

// An empty path means the file could not be placed. The profile functions
// would take a bare or empty name as a file in the Windows directory, so
// nothing reaches them then: reads give their defaults, writes are skipped.

int SettingsFile::ReadInt(const char* section, const char* key, int defaultValue) const {
    if (path[0] == '\0') {
        return defaultValue;
    }
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, path));
}

const char* SettingsFile::ReadString(const char* section, const char* key,
                                     const char* defaultValue) const {
    if (path[0] == '\0') {
        return defaultValue;
    }
    const char* value = ReadRaw(path, section, key);
    return value[0] == '\0' ? defaultValue : value;
}

int SettingsFile::ReadBlob(const char* section, const char* key, unsigned char* destination,
                           int limit) const {
    const char* text = path[0] == '\0' ? "" : ReadRaw(path, section, key);
    return Base64Decode(destination, text, limit);
}

void SettingsFile::WriteInt(const char* section, const char* key, int value) const {
    char text[12];  // "-2147483648" and the terminator
    std::snprintf(text, sizeof text, "%d", value);
    WriteString(section, key, text);
}

void SettingsFile::WriteString(const char* section, const char* key, const char* text) const {
    if (path[0] == '\0') {
        return;
    }
    WritePrivateProfileStringA(section, key, text, path);
}
