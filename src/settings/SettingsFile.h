#pragma once

#include "settings/SettingsPath.h"

// The settings file "tavi.ini" beside the executable, read and written through
// the Windows profile functions. Every read has a default; every write reaches
// the file before it returns.
class SettingsFile {
public:
    // Sets the path from a file name (see ComposeSettingsPath). When the path
    // does not fit, every read gives its default and every write is skipped.
    void ResolvePath(const char* fileName);

    int ReadInt(const char* section, const char* key, int defaultValue) const;
    // The value, cut to 1023 bytes, or defaultValue when it is missing or empty.
    // The text lives in one buffer shared by every read: copy it before the next.
    const char* ReadString(const char* section, const char* key, const char* defaultValue) const;
    // Decodes a base64 value into destination (at most limit bytes); returns
    // what Base64Decode returns. The destination is not touched beforehand.
    int ReadBlob(const char* section, const char* key, unsigned char* destination, int limit) const;
    void WriteInt(const char* section, const char* key, int value) const;
    void WriteString(const char* section, const char* key, const char* text) const;

    const char* Path() const { return path; }

private:
    char path[kSettingsPathSize] = {};
};

constexpr const char* kSettingsFileName = "tavi.ini";
constexpr const char* kSettingsSection = "MAIN";
constexpr const char* kDefaultDateFormat = "yyyy/MM/dd hh:mm:ss";
