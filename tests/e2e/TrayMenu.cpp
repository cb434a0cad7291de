#include "TrayMenu.h"

#include <cstring>
#include <initializer_list>
#include <utility>

#include "Foreground.h"
#include "MouseInput.h"
#include "SyntheticInput.h"
#include "WaitFor.h"
#include "WindowSearch.h"

namespace {

constexpr DWORD kMenuTimeoutMs = 5000;
constexpr DWORD kRetryPressMs = 1000;
constexpr char kTrayWindowClass[] = "__winex11_standalone_tray";
constexpr char kTrayIconClass[] = "__winex11_tray_icon";

BOOL CALLBACK CountIcon(HWND child, LPARAM context) {
    auto* found = reinterpret_cast<std::pair<HWND, int>*>(context);
    if (HasClass(child, kTrayIconClass) && IsWindowVisible(child)) {
        found->first = child;
        ++found->second;
    }
    return TRUE;
}

// Button messages handed to the icon's window at the point, as the window
// system hands it those of the mouse. A press through the mouse would also
// activate Wine's tray window, whose X focus request then races with the one
// the program makes when it opens its menu or dialog; when the tray's lands
// later, Wine cancels the menu and hands the foreground to the desktop (about
// one press in ten on a loaded machine).
void PostButtons(HWND icon, POINT at, std::initializer_list<std::pair<UINT, WPARAM>> messages) {
    ScreenToClient(icon, &at);
    for (const auto& message : messages) {
        PostMessageA(icon, message.first, message.second, MAKELPARAM(at.x, at.y));
    }
}

// The program's indicator, shown or hidden: its thread runs the menu.
HWND IndicatorOf(DWORD processId) {
    return FindWindowWhere(0, [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == processId && HasClass(window, "MousePos");
    });
}

// Keys typed before the program's thread tracks its menu go to the window
// in front instead, and a late focus event cancels a menu that has just
// opened: the menu takes keys once its window shows, the thread tracks it
// with the program in front, and all of that still holds once the focus
// events are taken.
HWND MenuTakingKeys(DWORD processId, HWND indicator) {
    const auto tracking = [&] {
        return FindMenuWindow(processId) != nullptr &&
               (ThreadInputOf(indicator).flags & GUI_INMENUMODE) != 0 &&
               GetWindowThreadProcessId(GetForegroundWindow(), nullptr) ==
                   GetWindowThreadProcessId(indicator, nullptr);
    };
    if (!tracking() || !FocusEventsTaken(indicator) || !tracking()) {
        return nullptr;
    }
    return FindMenuWindow(processId);
}

void SendKey(WORD key) {
    SendEvent(KeyEvent(key, 0));
    SendEvent(KeyEvent(key, KEYEVENTF_KEYUP));
}

}  // namespace

HWND FindTrayWindow() {
    return FindWindowA(kTrayWindowClass, nullptr);
}

HWND FindTrayIconWindow() {
    HWND tray = FindTrayWindow();
    if (tray == nullptr) {
        return nullptr;
    }
    std::pair<HWND, int> found{nullptr, 0};
    EnumChildWindows(tray, CountIcon, reinterpret_cast<LPARAM>(&found));
    return found.second == 1 ? found.first : nullptr;
}

POINT TrayIconCentre(HWND icon) {
    RECT rect{};
    GetWindowRect(icon, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND FindVisibleWindowOf(DWORD processId, const char* className) {
    return FindWindowWhere(0, [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == processId && IsWindowVisible(window) && HasClass(window, className);
    });
}

HWND FindMenuWindow(DWORD processId) {
    return FindVisibleWindowOf(processId, "#32768");
}

HWND FindDialogOf(DWORD processId, const char* title) {
    return FindWindowWhere(0, [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != processId || !IsWindowVisible(window) || !HasClass(window, "#32770")) {
            return false;
        }
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return title == nullptr || std::strcmp(text, title) == 0;
    });
}

HWND OpenTrayMenu(DWORD processId, POINT* cursorAtPress,
                  const std::function<void(POINT)>& beforePress) {
    HWND icon = nullptr;
    if (!WaitFor(kMenuTimeoutMs, [&] { return (icon = FindTrayIconWindow()) != nullptr; })) {
        return nullptr;
    }
    HWND indicator = IndicatorOf(processId);
    const auto coming = [&] {
        return (ThreadInputOf(indicator).flags & GUI_INMENUMODE) != 0 ||
               FindMenuWindow(processId) != nullptr;
    };
    // The tray of a program that has just started may not take input yet, and
    // a menu may be cancelled before it takes keys: press again then, but
    // never while a menu is coming.
    HWND menu = nullptr;
    WaitFor(kMenuTimeoutMs, [&] {
        const POINT centre = TrayIconCentre(icon);
        const POINT at = InputMoveTo(centre.x, centre.y);
        if (cursorAtPress != nullptr) {
            *cursorAtPress = at;
        }
        if (beforePress) {
            beforePress(at);
        }
        FocusEventsTaken(indicator);
        PostButtons(icon, at, {{WM_RBUTTONDOWN, MK_RBUTTON}, {WM_RBUTTONUP, 0}});
        WaitFor(kRetryPressMs, coming);
        WaitFor(kMenuTimeoutMs, [&] {
            return (menu = MenuTakingKeys(processId, indicator)) != nullptr || !coming();
        });
        return menu != nullptr;
    });
    return menu;
}

bool DoubleClickTrayIcon() {
    HWND icon = nullptr;
    if (!WaitFor(kMenuTimeoutMs, [&] { return (icon = FindTrayIconWindow()) != nullptr; })) {
        return false;
    }
    const POINT centre = TrayIconCentre(icon);
    const POINT at = InputMoveTo(centre.x, centre.y);
    PostButtons(icon, at,
                {{WM_LBUTTONDOWN, MK_LBUTTON},
                 {WM_LBUTTONUP, 0},
                 {WM_LBUTTONDBLCLK, MK_LBUTTON},
                 {WM_LBUTTONUP, 0}});
    return true;
}

void TypeKeys(const std::string& keys) {
    for (const char key : keys) {
        SendKey(static_cast<unsigned char>(key));
    }
}

void PressCtrlAlt(char letter) {
    SendEvent(KeyEvent(VK_CONTROL, 0));
    SendEvent(KeyEvent(VK_MENU, 0));
    SendKey(static_cast<unsigned char>(letter));
    SendEvent(KeyEvent(VK_MENU, KEYEVENTF_KEYUP));
    SendEvent(KeyEvent(VK_CONTROL, KEYEVENTF_KEYUP));
}

bool CtrlAltHeld(char letter) {
    constexpr int kProbeId = 0x7000;
    if (!RegisterHotKey(nullptr, kProbeId, MOD_CONTROL | MOD_ALT,
                        static_cast<unsigned char>(letter))) {
        return true;
    }
    UnregisterHotKey(nullptr, kProbeId);
    return false;
}

testing::AssertionResult ChooseFromTrayMenu(DWORD processId, const std::string& keys,
                                            const std::function<void(POINT)>& beforePress) {
    if (OpenTrayMenu(processId, nullptr, beforePress) == nullptr) {
        return testing::AssertionFailure() << "no popup menu after a right press on the tray icon";
    }
    TypeKeys(keys);
    if (!WaitFor(kMenuTimeoutMs, [&] { return FindMenuWindow(processId) == nullptr; })) {
        TypeKeys(std::string(3, VK_ESCAPE));
        return testing::AssertionFailure() << "the menu stayed open after the keys";
    }
    return testing::AssertionSuccess();
}

namespace menu_keys {

namespace {

std::string SubmenuItem(const std::string& into, int index) {
    return into + std::string(static_cast<std::size_t>(index), static_cast<char>(VK_DOWN)) +
           static_cast<char>(VK_RETURN);
}

}  // namespace

std::string PlacementItem(int index) {
    return SubmenuItem("D", index);
}

std::string TransparencyItem(int index) {
    return SubmenuItem(kIntoTransparency, index);
}

std::string OriginItem(int index) {
    return SubmenuItem("G", index);
}

}  // namespace menu_keys
