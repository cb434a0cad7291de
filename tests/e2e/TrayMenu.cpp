#include "TrayMenu.h"

#include <cstring>

#include "MouseInput.h"
#include "SyntheticInput.h"
#include "WaitFor.h"
#include "WindowSearch.h"

namespace {

constexpr DWORD kMenuTimeoutMs = 5000;
constexpr DWORD kRetryPressMs = 1000;
// Pixels between the spots of two presses in a row; more than the
// double-click rectangle (SM_CXDOUBLECLK, 4 by default) allows.
constexpr int kPressStep = 3;
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

void SendButton(DWORD down, DWORD up) {
    SendEvent(MouseEvent(down));
    SendEvent(MouseEvent(up));
}

// The icon's window class takes double clicks, so a second right press on the
// same spot within the double-click time arrives as WM_RBUTTONDBLCLK, which
// opens nothing: each press lands a few pixels to the other side of the centre.
POINT NextPressPoint(HWND icon) {
    static int presses = 0;
    const POINT centre = TrayIconCentre(icon);
    const int side = (presses++ % 2 == 0) ? -kPressStep : kPressStep;
    return POINT{centre.x + side, centre.y};
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
    // The tray window of a program that has just started may not take input
    // yet: press again while no menu shows.
    HWND menu = nullptr;
    WaitFor(kMenuTimeoutMs, [&] {
        const POINT spot = NextPressPoint(icon);
        const POINT at = InputMoveTo(spot.x, spot.y);
        if (cursorAtPress != nullptr) {
            *cursorAtPress = at;
        }
        if (beforePress) {
            beforePress(at);
        }
        SendButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        return WaitFor(kRetryPressMs,
                       [&] { return (menu = FindMenuWindow(processId)) != nullptr; });
    });
    return menu;
}

void DoubleClickTrayIcon() {
    HWND icon = FindTrayIconWindow();
    if (icon == nullptr) {
        return;
    }
    const POINT centre = TrayIconCentre(icon);
    InputMoveTo(centre.x, centre.y);
    SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    SendButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
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

}  // namespace menu_keys
