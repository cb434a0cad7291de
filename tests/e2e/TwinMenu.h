#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <thread>

// The tray menu as it must read, built in the test from its captions and
// opened by the test process the way the program opens its own, so that the
// program's menu on the screen can be compared with it pixel by pixel.
class TwinMenu {
  public:
    // The command identifiers that must show greyed.
    explicit TwinMenu(std::set<UINT> greyed);
    ~TwinMenu();
    TwinMenu(const TwinMenu&) = delete;
    TwinMenu& operator=(const TwinMenu&) = delete;

    // Opens the menu with its top-left corner at the point, from a thread of
    // its own; the visible menu window, or null when none showed.
    HWND Open(POINT at);
    // Hands keys to the menu as its thread would take them from the keyboard
    // (this process need not be the one in the foreground).
    void Type(const std::string& keys) const;
    // Closes the menu and ends the thread.
    void Close();

  private:
    void Run(POINT at);

    std::set<UINT> greyed_;
    std::thread thread_;
    DWORD threadId_ = 0;
    HWND owner_ = nullptr;
};
