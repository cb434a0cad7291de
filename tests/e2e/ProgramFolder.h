#pragma once

#include <string>

#include "TempFolder.h"

// A fresh folder holding copies of tavikan.exe and MHook.dll, so that every
// start has its own tavi.ini beside the executable. Deleted with everything in
// it when the object goes.
class ProgramFolder : public TempFolder {
  public:
    ProgramFolder();

    // False, with the reason in Error(), when a copy failed.
    bool Ready() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    std::string ExecutablePath() const { return FilePath(TAVIKAN_EXE_NAME); }
    std::string SettingsPath() const { return FilePath("tavi.ini"); }

  private:
    std::string error_;
};

// Where the program keeps its settings when its own folder refuses them:
// %APPDATA%\Tavikan\tavi.ini. Removing them leaves neither file nor folder.
std::string PerUserSettingsFolder();
std::string PerUserSettingsPath();
void RemovePerUserSettings();
