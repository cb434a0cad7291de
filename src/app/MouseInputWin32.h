#pragma once

#include <windows.h>

// Mouse input anywhere on the desk (moves and buttons) reaches the indicator's
// window as WM_INPUT. Raw input, not a low-level hook: the system hands it
// over after the input has taken effect, so no mouse move on the desk ever
// waits for this thread.
void StartMouseInput(HWND window);
void StopMouseInput();

// Takes the mouse input already queued for the window, so that one tick
// serves the whole batch.
void TakeWaitingMouseInput(HWND window);
