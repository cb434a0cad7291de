#include "AppTestSupport.h"

#include <colordlg.h>

#include <fstream>

#include "WindowSearch.h"
#include "app/IndicatorState.h"
#include "res/resource.h"

namespace {

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

void TempSettings::Write(const char* key, const char* value) const {
    WritePrivateProfileStringA("MAIN", key, value, path.c_str());
}

void TempSettings::Write(const char* key, int value) const {
    Write(key, std::to_string(value).c_str());
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

void ChangeColour(HWND dialog, COLORREF colour) {
    SetDlgItemInt(dialog, COLOR_RED, GetRValue(colour), FALSE);
    SetDlgItemInt(dialog, COLOR_GREEN, GetGValue(colour), FALSE);
    SetDlgItemInt(dialog, COLOR_BLUE, GetBValue(colour), FALSE);
}

void ResetIndicator(const TempSettings& settings) {
    indicatorState = IndicatorState{};
    indicatorState.instance = GetModuleHandleA(nullptr);
    indicatorSettings.ResolvePath(settings.Path().c_str());
}

HMENU LoadPopupMenu() {
    return GetSubMenu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU)), 0);
}

std::vector<UINT> GreyedCommands(HMENU menu) {
    std::vector<UINT> greyed;
    CollectGreyed(menu, greyed);
    return greyed;
}

void DiscardMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
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
    HWND dialog = FindVisibleDialog(GetCurrentThreadId());
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
