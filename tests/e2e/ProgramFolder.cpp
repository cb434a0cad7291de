#include "ProgramFolder.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

// The folder of this driver, where the build puts tavikan.exe and MHook.dll too.
std::string DriverFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string FreshFolderPath() {
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "tavikan-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
}

void DeleteTree(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    for (const std::string& name : names) {
        const std::string path = folder + "\\" + name;
        // An executable just ended may stay mapped for a moment.
        for (int attempt = 0; attempt < 50 && !DeleteFileA(path.c_str()); ++attempt) {
            Sleep(10);
        }
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

ProgramFolder::ProgramFolder() : path_(FreshFolderPath()) {
    DeleteTree(path_);  // left over from an earlier driver with the same process id
    if (!CreateDirectoryA(path_.c_str(), nullptr)) {
        error_ = "cannot create " + path_;
        return;
    }
    const std::string from = DriverFolder();
    for (const char* name : {TAVIKAN_EXE_NAME, MHOOK_DLL_NAME}) {
        if (!CopyFileA((from + "\\" + name).c_str(), PathOf(name).c_str(), TRUE)) {
            error_ = std::string("cannot copy ") + name + " from " + from;
            return;
        }
    }
}

ProgramFolder::~ProgramFolder() {
    DeleteTree(path_);
}

std::string ProgramFolder::ExecutablePath() const {
    return PathOf(TAVIKAN_EXE_NAME);
}

void ProgramFolder::WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> ProgramFolder::ReadBytes(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
