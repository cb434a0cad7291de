#include "MouseInput.h"

#include "WaitFor.h"

namespace {

constexpr DWORD kCursorTimeoutMs = 2000;

bool CursorAt(int x, int y) {
    const POINT now = CursorPosition();
    return now.x == x && now.y == y;
}

// Absolute input runs from 0 to 65536 over the screen; round up so that the
// system's scaling back lands on the very pixel.
LONG Normalized(int pixel, int extent) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

void SendMouse(DWORD flags, LONG dx, LONG dy) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
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
    const LONG dx = Normalized(x, GetSystemMetrics(SM_CXSCREEN));
    const LONG dy = Normalized(y, GetSystemMetrics(SM_CYSCREEN));
    // A repeated move to the same point changes nothing for a drag.
    DWORD lastSent = 0;
    WaitFor(kCursorTimeoutMs, [&] {
        if (lastSent == 0 || GetTickCount() - lastSent >= 100) {
            SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy);
            lastSent = GetTickCount();
        }
        return CursorAt(x, y);
    });
    return SettledCursor();
}

POINT InputLeftDown() {
    SendMouse(MOUSEEVENTF_LEFTDOWN, 0, 0);
    return SettledCursor();
}

POINT InputLeftUp() {
    SendMouse(MOUSEEVENTF_LEFTUP, 0, 0);
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
