#include "app/AutostartWin32.h"

#include <windows.h>

#include "app/Autostart.h"

namespace {

constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValueName = "Tavikan";
constexpr DWORD kValueSize = MAX_PATH + 2;  // the longest path in double quotes

bool ProgramPath(char (&path)[MAX_PATH]) {
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length != 0 && length < MAX_PATH;
}

}  // namespace

bool StartsWithWindows() {
    char path[MAX_PATH];
    char value[kValueSize];
    DWORD size = sizeof value;
    // Strings only; a longer value than any quoted path is refused whole.
    return ProgramPath(path) &&
           RegGetValueA(HKEY_CURRENT_USER, kRunKey, kRunValueName, RRF_RT_REG_SZ, nullptr, value,
                        &size) == ERROR_SUCCESS &&
           RunValueNamesProgram(value, path);
}

void ToggleStartWithWindows() {
    if (StartsWithWindows()) {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, kRunValueName);
        return;
    }
    char path[MAX_PATH];
    char value[kValueSize];
    if (ProgramPath(path) && QuoteProgramPath(path, value, sizeof value)) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, kRunValueName, REG_SZ, value,
                        static_cast<DWORD>(lstrlenA(value) + 1));
    }
}
