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
