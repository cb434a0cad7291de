#pragma once

#include <optional>
#include <string>

// A fresh folder holding copies of tavikan.exe and MHook.dll, so that every
// start has its own tavi.ini beside the executable. Deleted with everything in
// it when the object goes.
class ProgramFolder {
  public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // False, with the reason in Error(), when the folder or a copy failed.
    bool Ready() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }
    std::string ExecutablePath() const;
    std::string SettingsPath() const { return PathOf("tavi.ini"); }

    void WriteBytes(const std::string& name, const std::string& bytes) const;
    // The file's bytes, or nothing when it does not exist.
    std::optional<std::string> ReadBytes(const std::string& name) const;

  private:
    std::string path_;
    std::string error_;
};
