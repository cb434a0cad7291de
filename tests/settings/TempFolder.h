#pragma once

#include <string>
#include <vector>

// A fresh folder under the temporary directory for one test, removed with the
// files in it when the test ends.
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

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
