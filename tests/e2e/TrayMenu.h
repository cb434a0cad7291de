#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

// The program's tray icon as Wine shows it without a desktop tray (an icon
// window inside its own small tray window at the top-left of the screen), and
// the popup menu that a right press on it opens. The pointer and the keys are
// driven as a user's hand gives them (SendInput); the buttons on the icon are
// handed to its window as the window system hands it the mouse's (the mouse's
// own would also activate Wine's tray window, which races with the program).

// The one icon window in Wine's tray window, or null when there is none (or
// more than one: then no test could tell which is whose).
HWND FindTrayIconWindow();

// Wine's tray window, or null.
HWND FindTrayWindow();

// The centre of the icon on the screen.
POINT TrayIconCentre(HWND icon);

// Right press and release on the icon; the press opens the menu. Gives the
// visible menu window of the process once the program tracks it and takes
// keys, or null when none did. beforePress,
// when given, is called with the pointer on the spot of each press, before it.
HWND OpenTrayMenu(DWORD processId, POINT* cursorAtPress = nullptr,
                  const std::function<void(POINT)>& beforePress = {});

// A double click on the icon with the pointer on it, once the icon is there;
// false when it never was.
bool DoubleClickTrayIcon();

// The visible popup menu window ("#32768") of the process, or null.
HWND FindMenuWindow(DWORD processId);

// Keys as typed: each character of `keys` is a virtual-key code ('T', VK_DOWN, ...).
void TypeKeys(const std::string& keys);

// Ctrl+Alt and a capital letter, as the hotkey control gives it and tavi.ini keeps it.
constexpr unsigned CtrlAlt(char letter) {
    return 0x0600u | static_cast<unsigned char>(letter);
}

// Presses Ctrl+Alt+letter as a hand would: Ctrl, Alt, the letter, and back up.
void PressCtrlAlt(char letter);

// Whether a program holds Ctrl+Alt+letter as its hotkey: this one cannot take it then.
bool CtrlAltHeld(char letter);

// Opens the menu, types the keys that choose an item, and waits until the
// menu has closed.
testing::AssertionResult ChooseFromTrayMenu(DWORD processId, const std::string& keys,
                                            const std::function<void(POINT)>& beforePress = {});

// Chooses the item and checks its effect. The keys wait until the menu takes
// them, but under Wine a program reads its X events only when it waits for
// more messages, so a focus event that reached it just before can still end
// the menu as the keys arrive (seen while a dialog is up, about once in ten
// there). The item is chosen again only after its effect has been waited for
// and has not shown; an item that never acts fails after three choices.
template <typename Effect>
testing::AssertionResult ChooseUntil(DWORD processId, const std::string& keys, Effect effect,
                                     const std::function<void(POINT)>& beforePress = {}) {
    constexpr int kTries = 3;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        testing::AssertionResult chosen = ChooseFromTrayMenu(processId, keys, beforePress);
        if (!chosen) {
            return chosen;
        }
        if (effect()) {
            return testing::AssertionSuccess();
        }
    }
    return testing::AssertionFailure() << "chosen " << kTries << " times without effect";
}

// Key sequences for the items of the menu: the letters of the top-level items,
// and the way into the two submenus (from the top of the menu, Up wraps round
// to Close; six more, past the separator, reach the transparency submenu).
namespace menu_keys {
constexpr char kAbout[] = "V";
constexpr char kClock[] = "T";
constexpr char kCoordinates[] = "P";
constexpr char kRange[] = "S";
constexpr char kDisplaySettings[] = "O";
constexpr char kBorder[] = "R";
constexpr char kBackColor[] = "B";
constexpr char kFont[] = "F";
constexpr char kCopy[] = "C";
constexpr char kHide[] = "H";
constexpr char kHotkeys[] = "K";
constexpr char kHideFullScreen[] = "U";
constexpr char kAutostart[] = "W";
constexpr char kClose[] = "X";
// Opens the transparency submenu from the freshly opened menu: Up seven times
// (VK_UP), then Right (VK_RIGHT).
constexpr char kIntoTransparency[] = "\x26\x26\x26\x26\x26\x26\x26\x27";
// The n-th item (0 first) of a submenu.
std::string PlacementItem(int index);
std::string TransparencyItem(int index);
std::string OriginItem(int index);
}  // namespace menu_keys

// The visible top-level window of the process with the class, or null.
HWND FindVisibleWindowOf(DWORD processId, const char* className);

// The visible dialog box ("#32770") of the process with the title, or null;
// any title when title is null.
HWND FindDialogOf(DWORD processId, const char* title = nullptr);
