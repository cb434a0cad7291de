#pragma once

#include <windows.h>

// Input events as a user's hand gives them, for SendInput.
INPUT MouseEvent(DWORD flags, LONG dx = 0, LONG dy = 0);
// An absolute move that lands on the very pixel of the screen.
INPUT MoveEvent(int x, int y);
INPUT KeyEvent(WORD virtualKey, DWORD flags);

void SendEvent(INPUT event);
