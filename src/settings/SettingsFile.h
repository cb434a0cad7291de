#pragma once

#include "settings/SettingsPath.h"

// The settings file "tavi.ini", read and written through the Windows profile
// functions. Every read has a default; every write reaches the file before it
// returns.
class SettingsFile {
  public:
    // A name with a backslash is the path. A bare name is the program's own
    // file, shared by every instance: beside the executable, or the per-user
    // one in "%APPDATA%\Tavikan" when the executable's folder refuses it
    // (settings/SettingsPlace.h). The first write that the file beside the
    // executable refuses carries the settings read so far to the per-user file
    // and is made there. When no path fits, every read gives its default and
    // every write is skipped.
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

    // The file that reads and writes go to now.
    const char* Path() const;

  private:
    char path[kSettingsPathSize] = {};
    bool isProgramFile = false;  // follows the program's own file wherever it is kept
};

constexpr const char* kSettingsFileName = "tavi.ini";
constexpr const char* kSettingsSection = "MAIN";
constexpr const char* kDefaultDateFormat = "yyyy/MM/dd hh:mm:ss";
