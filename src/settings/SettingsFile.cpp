#include "settings/SettingsFile.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "settings/Base64.h"
#include "settings/SettingsPlace.h"

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

// The program's own settings file, found at the first resolve of its name and
// moved to the per-user file at the first write refused beside the executable.
struct ProgramFile {
    bool found = false;
    SettingsPlace place = SettingsPlace::BesideProgram;
    char beside[kSettingsPathSize] = {};
    char perUser[kSettingsPathSize] = {};
    char perUserFolder[kSettingsPathSize] = {};

    const char* InUse() const { return place == SettingsPlace::PerUser ? perUser : beside; }
};
ProgramFile programFile;

bool IsFile(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Whether the profile functions could write the file: open it for writing when
// it is there; otherwise make it, and the system deletes it again at once.
bool CanWrite(const char* path) {
    if (path[0] == '\0') {
        return false;
    }
    const bool exists = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              exists ? OPEN_EXISTING : CREATE_NEW,
                              exists ? FILE_ATTRIBUTE_NORMAL : FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

void FindProgramFile(const char* fileName) {
    ProgramFile& file = programFile;
    file.found = true;
    char executablePath[kSettingsPathSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, executablePath, sizeof executablePath);
    if (length == 0 || length >= sizeof executablePath) {
        // Unknown or cut short: there is no directory to put the file beside.
        executablePath[0] = '\0';
    }
    ComposeSettingsPath(executablePath, fileName, file.beside);
    char appData[kSettingsPathSize] = {};
    const DWORD appDataLength = GetEnvironmentVariableA("APPDATA", appData, sizeof appData);
    if (appDataLength == 0 || appDataLength >= sizeof appData) {
        appData[0] = '\0';
    }
    ComposePerUserPath(appData, fileName, file.perUser, file.perUserFolder);
    // The folder is asked only when a per-user file could take its place.
    const bool perUserExists = file.perUser[0] != '\0' && IsFile(file.perUser);
    file.place = PlaceAtStart(perUserExists, perUserExists && CanWrite(file.beside));
}

// The settings read so far go with the program: the file beside the
// executable, as it stands, becomes the per-user one.
void CarryOverToPerUser() {
    ProgramFile& file = programFile;
    CreateDirectoryA(file.perUserFolder, nullptr);
    if (file.beside[0] != '\0' && CopyFileA(file.beside, file.perUser, FALSE)) {
        SetFileAttributesA(file.perUser, FILE_ATTRIBUTE_NORMAL);  // a read-only one stays writable
    }
    file.place = SettingsPlace::PerUser;
}

}  // namespace

void SettingsFile::ResolvePath(const char* fileName) {
    std::memset(path, 0, sizeof path);
    isProgramFile = false;
    if (NamesItsFolder(fileName)) {
        ComposeSettingsPath("", fileName, path);  // stands as it is
        return;
    }
    if (fileName[0] == '\0') {
        return;
    }
    if (!programFile.found) {
        FindProgramFile(fileName);
    }
    isProgramFile = true;
}

const char* SettingsFile::Path() const {
    return isProgramFile ? programFile.InUse() : path;
}

// An empty path means the file could not be placed. The profile functions
// would take a bare or empty name as a file in the Windows directory, so
// nothing reaches them then: reads give their defaults, writes are skipped.

int SettingsFile::ReadInt(const char* section, const char* key, int defaultValue) const {
    const char* file = Path();
    if (file[0] == '\0') {
        return defaultValue;
    }
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, file));
}

const char* SettingsFile::ReadString(const char* section, const char* key,
                                     const char* defaultValue) const {
    const char* file = Path();
    if (file[0] == '\0') {
        return defaultValue;
    }
    const char* value = ReadRaw(file, section, key);
    return value[0] == '\0' ? defaultValue : value;
}

int SettingsFile::ReadBlob(const char* section, const char* key, unsigned char* destination,
                           int limit) const {
    const char* file = Path();
    const char* text = file[0] == '\0' ? "" : ReadRaw(file, section, key);
    return Base64Decode(destination, text, limit);
}

void SettingsFile::WriteInt(const char* section, const char* key, int value) const {
    char text[12];  // "-2147483648" and the terminator
    std::snprintf(text, sizeof text, "%d", value);
    WriteString(section, key, text);
}

// A refused write to the program's own file beside the executable (or one
// that has no path there) moves it to the per-user file; a refused write there
// is ignored, and the choice lasts as long as the program runs.
void SettingsFile::WriteString(const char* section, const char* key, const char* text) const {
    const char* file = Path();
    if (file[0] != '\0' && WritePrivateProfileStringA(section, key, text, file)) {
        return;
    }
    if (!isProgramFile ||
        !CarriesOverAfterRefusal(programFile.place, programFile.perUser[0] != '\0')) {
        return;
    }
    CarryOverToPerUser();
    WritePrivateProfileStringA(section, key, text, programFile.perUser);
}
