#pragma once

#include <windows.h>

POINT CursorPosition();

// Puts the cursor at the point (SetCursorPos) and waits until the system reports
// it there; false when it never got there.
bool PlaceCursor(int x, int y);

// Mouse input as a user's hand gives it (SendInput), which global mouse hooks
// see. Each returns where the cursor is once the input has been taken.
POINT InputMoveTo(int x, int y);
POINT InputLeftDown();
POINT InputLeftUp();

// Lets the left button go at the end of a scope, so a failed check in the
// middle of a drag leaves no button held for the tests after it.
class LeftButtonGuard {
  public:
    LeftButtonGuard() = default;
    ~LeftButtonGuard();
    LeftButtonGuard(const LeftButtonGuard&) = delete;
    LeftButtonGuard& operator=(const LeftButtonGuard&) = delete;
    POINT Press();
    POINT Release();

  private:
    bool pressed_ = false;
};
