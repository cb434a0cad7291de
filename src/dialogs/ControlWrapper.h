#pragma once

#include "dialogs/WindowWrapper.h"

// A control: created like any window, or bound to one that a dialog template
// has already made.
class ControlWrapper : public WindowWrapper {
  public:
    ControlWrapper() = default;
    ControlWrapper(const ControlWrapper&) = delete;
    ControlWrapper& operator=(const ControlWrapper&) = delete;
    ~ControlWrapper();

    bool Create(const char* windowName, DWORD style, DWORD exStyle, HWND parent, HMENU menu, int x,
                int y, int width, int height) override;
    // Stores the class name and instance; always true.
    virtual bool SetClass(const char* className, HINSTANCE instance);
    // Binds to parent's child with the identifier; hwnd is null when there is
    // none. Always true.
    virtual bool Attach(HWND parent, int id);

    HFONT font = nullptr;  // owned: released with the wrapper
    WORD id = 0;
};
