#include "Foreground.h"

#include "IndicatorSession.h"
#include "TrayMenu.h"
#include "WaitFor.h"

GUITHREADINFO ThreadInputOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        info = GUITHREADINFO{};
    }
    return info;
}

bool TakesMessages(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kSettleTimeoutMs, &ignored) != 0;
}

bool FocusEventsTaken(HWND window) {
    HWND tray = FindTrayWindow();
    return (tray == nullptr || TakesMessages(tray)) && TakesMessages(window) &&
           TakesMessages(window);
}

bool BringToFront(HWND window) {
    // Asked again only when a late event has taken the place since.
    constexpr DWORD kAskAgainMs = 250;
    DWORD asked = 0;
    return WaitFor(kSettleTimeoutMs, [&] {
        if (!FocusEventsTaken(window)) {
            return false;
        }
        if (GetForegroundWindow() == window) {
            return true;
        }
        if (asked == 0 || GetTickCount() - asked >= kAskAgainMs) {
            SetForegroundWindow(window);
            asked = GetTickCount();
        }
        return false;
    });
}

std::string Describe(HWND window) {
    if (window == nullptr) {
        return "no window";
    }
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) + " " + std::to_string(GetDlgCtrlID(window));
}
