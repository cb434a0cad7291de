#include "MouseInput.h"

#include "SyntheticInput.h"
#include "WaitFor.h"

namespace {

constexpr DWORD kCursorTimeoutMs = 2000;

bool CursorAt(int x, int y) {
    const POINT now = CursorPosition();
    return now.x == x && now.y == y;
}

// Waits briefly for the input to be taken (a mouse hook may hold it a moment).
POINT SettledCursor() {
    POINT last = CursorPosition();
    WaitFor(100, [&] {
        const POINT now = CursorPosition();
        const bool same = now.x == last.x && now.y == last.y;
        last = now;
        return same;
    });
    return last;
}

}  // namespace

POINT CursorPosition() {
    POINT point{};
    GetCursorPos(&point);
    return point;
}

// Wine moves the cursor only while its desktop process runs, and that process
// ends a few seconds after its last client; asking for the desktop window
// brings it back.
bool PlaceCursor(int x, int y) {
    GetDesktopWindow();
    return WaitFor(kCursorTimeoutMs, [&] {
        SetCursorPos(x, y);
        return CursorAt(x, y);
    });
}

POINT InputMoveTo(int x, int y) {
    // A repeated move to the same point changes nothing for a drag.
    DWORD lastSent = 0;
    WaitFor(kCursorTimeoutMs, [&] {
        if (lastSent == 0 || GetTickCount() - lastSent >= 100) {
            SendEvent(MoveEvent(x, y));
            lastSent = GetTickCount();
        }
        return CursorAt(x, y);
    });
    return SettledCursor();
}

POINT InputLeftDown() {
    SendEvent(MouseEvent(MOUSEEVENTF_LEFTDOWN));
    return SettledCursor();
}

POINT InputLeftUp() {
    SendEvent(MouseEvent(MOUSEEVENTF_LEFTUP));
    return SettledCursor();
}

LeftButtonGuard::~LeftButtonGuard() {
    if (pressed_) {
        InputLeftUp();
    }
}

POINT LeftButtonGuard::Press() {
    pressed_ = true;
    return InputLeftDown();
}

POINT LeftButtonGuard::Release() {
    pressed_ = false;
    return InputLeftUp();
}
