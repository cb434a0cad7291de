#pragma once

#include <windows.h>

#include "app/Placement.h"

// Out of the way of full-screen programs (app/FullScreen.h), while the user
// has chosen so (HIDE_FULLSCREEN).

extern bool hideOverFullScreen;

// At every tick that would show the indicator, with the rectangle of the
// pointer's monitor: while the foreground window is a full-screen program
// there, hides the indicator and gives true; the tick then leaves it alone
// and shows it again once that window no longer covers the monitor. The
// user's own hide is not touched.
bool StepAsideForFullScreen(HWND indicator, const ScreenRect& monitor);
