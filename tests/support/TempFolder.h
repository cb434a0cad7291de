#pragma once

#include <string>
#include <vector>

// A fresh folder under the temporary directory, removed with the files in it
// when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's full path, without a backslash at the end.
    const std::string& Path() const { return path; }
    std::string FilePath(const std::string& name) const { return path + "\\" + name; }
    // The names of the files in the folder.
    std::vector<std::string> FileNames() const;

  private:
    std::string path;
};

// The folder of this test program, without a backslash at the end.
std::string ThisProgramFolder();

bool FileExists(const std::string& path);
// Both throw when the file cannot be opened, read or written.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
