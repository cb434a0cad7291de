#pragma once

#include <windows.h>

// A window and its class: registers the class, creates the window, and
// reports a failure of either in a message box.
class WindowWrapper {
  public:
    // Registers an extended window class from instance; icons come from
    // instance, the cursor from the system's own cursors.
    virtual bool Register(const char* className, HINSTANCE instance, WNDPROC windowProc,
                          const char* menuName, const char* iconName, const char* cursorName,
                          HBRUSH background);
    // Stores the nine values, creates the window and shows it.
    virtual bool Create(const char* windowName, DWORD style, DWORD exStyle, HWND parent, HMENU menu,
                        int x, int y, int width, int height);

    HWND hwnd = nullptr;
    HWND parent = nullptr;
    HINSTANCE instance = nullptr;
    DWORD exStyle = 0;
    const char* className = nullptr;
    const char* windowName = nullptr;
    DWORD style = WS_OVERLAPPEDWINDOW;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HMENU menu = nullptr;  // or a child window's identifier
    void* createParam = nullptr;

  protected:
    bool CreateOrReport(const char* windowName, DWORD style, DWORD exStyle, HWND parent, HMENU menu,
                        int x, int y, int width, int height, const char* failureText);
};
