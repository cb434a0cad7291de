#include "SyntheticInput.h"

namespace {

// Absolute input runs from 0 to 65536 across the screen and the system maps
// it back rounding down; rounding up here lands on every pixel exactly.
LONG Normalized(int pixel, int extent) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

}  // namespace

INPUT MouseEvent(DWORD flags, LONG dx, LONG dy) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    return input;
}

// Over the whole virtual screen, so that monitors left of or above the
// primary one (negative coordinates) are reached too.
INPUT MoveEvent(int x, int y) {
    return MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK,
                      Normalized(x - GetSystemMetrics(SM_XVIRTUALSCREEN),
                                 GetSystemMetrics(SM_CXVIRTUALSCREEN)),
                      Normalized(y - GetSystemMetrics(SM_YVIRTUALSCREEN),
                                 GetSystemMetrics(SM_CYVIRTUALSCREEN)));
}

INPUT KeyEvent(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

void SendEvent(INPUT event) {
    SendInput(1, &event, sizeof event);
}
