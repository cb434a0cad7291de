#include "AppTestSupport.h"

#include <fstream>
#include <sstream>

#include "app/IndicatorState.h"
#include "res/resource.h"

namespace {

int folderCount = 0;

BOOL CALLBACK RememberDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CollectGreyed(HMENU menu, std::vector<UINT>& greyed) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (HMENU submenu = GetSubMenu(menu, position)) {
            CollectGreyed(submenu, greyed);
            continue;
        }
        const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
        if ((state & MF_SEPARATOR) == 0 && (state & MF_GRAYED) != 0) {
            greyed.push_back(GetMenuItemID(menu, position));
        }
    }
}

DialogCloser* activeCloser = nullptr;

}  // namespace

TempSettings::TempSettings() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::ostringstream name;
    name << temp << "tavikan-app-" << GetCurrentProcessId() << "-" << ++folderCount;
    folder = name.str();
    CreateDirectoryA(folder.c_str(), nullptr);
    path = folder + "\\tavi.ini";
}

TempSettings::~TempSettings() {
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
}

void TempSettings::Write(const char* key, const char* value) const {
    WritePrivateProfileStringA("MAIN", key, value, path.c_str());
}

void TempSettings::Write(const char* key, int value) const {
    Write(key, std::to_string(value).c_str());
}

std::string TempSettings::Read(const char* key) const {
    char value[1024] = {};
    GetPrivateProfileStringA("MAIN", key, "<missing>", value, sizeof value, path.c_str());
    return value;
}

std::vector<std::string> TempSettings::KeysInOrder() const {
    std::vector<std::string> keys;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            keys.push_back(line.substr(0, equals));
        }
    }
    return keys;
}

bool TempSettings::Exists() const {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void TempSettings::Remove() const {
    DeleteFileA(path.c_str());
}

void ResetIndicator(const TempSettings& settings) {
    indicatorState = IndicatorState{};
    indicatorState.instance = GetModuleHandleA(nullptr);
    indicatorSettings.ResolvePath(settings.Path().c_str());
}

HMENU LoadPopupMenu() {
    return GetSubMenu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU)), 0);
}

bool IsGreyed(HMENU menu, UINT command) {
    return (GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

std::vector<UINT> GreyedCommands(HMENU menu) {
    std::vector<UINT> greyed;
    CollectGreyed(menu, greyed);
    return greyed;
}

HWND FindThreadDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), RememberDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

DialogCloser::DialogCloser(int button, std::function<void(HWND)> prepare)
    : button(button), prepare(std::move(prepare)) {
    activeCloser = this;
    timer = SetTimer(nullptr, 0, 50, OnTimer);
}

DialogCloser::~DialogCloser() {
    KillTimer(nullptr, timer);
    activeCloser = nullptr;
}

void CALLBACK DialogCloser::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (activeCloser != nullptr) {
        activeCloser->TryClose();
    }
}

void DialogCloser::TryClose() {
    HWND dialog = FindThreadDialog();
    if (pressed || dialog == nullptr) {
        return;
    }
    pressed = true;
    if (prepare) {
        prepare(dialog);
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}
