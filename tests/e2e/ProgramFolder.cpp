#include "ProgramFolder.h"

#include <windows.h>

// The build puts tavikan.exe and MHook.dll beside this driver.
ProgramFolder::ProgramFolder() {
    const std::string from = ThisProgramFolder();
    for (const char* name : {TAVIKAN_EXE_NAME, MHOOK_DLL_NAME}) {
        if (!CopyFileA((from + "\\" + name).c_str(), FilePath(name).c_str(), TRUE)) {
            error_ = std::string("cannot copy ") + name + " from " + from;
            return;
        }
    }
}

std::string PerUserSettingsFolder() {
    char appData[MAX_PATH] = {};
    GetEnvironmentVariableA("APPDATA", appData, MAX_PATH);
    return std::string(appData) + "\\Tavikan";
}

std::string PerUserSettingsPath() {
    return PerUserSettingsFolder() + "\\tavi.ini";
}

void RemovePerUserSettings() {
    DeleteFileA(PerUserSettingsPath().c_str());
    RemoveDirectoryA(PerUserSettingsFolder().c_str());
}
