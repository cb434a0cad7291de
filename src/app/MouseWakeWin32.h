#pragma once

#include <windows.h>

// While the indicator sleeps, mouse input anywhere on the desk (moves and
// buttons) reaches its window as WM_INPUT. Raw input, not a low-level hook:
// the system hands it over after the input has taken effect, so no mouse move
// on the desk ever waits for this thread.
void StartMouseWake(HWND window);
void StopMouseWake();
