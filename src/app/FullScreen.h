#pragma once

#include "app/Placement.h"

// Out of the way of full-screen programs: a game, a slide show or a film that
// fills the monitor under the pointer. Platform-free: the glue hands in the
// foreground window's rectangle and class and the monitor's rectangle.

// Whether that window is a full-screen program: its rectangle contains the
// whole (non-empty) monitor, and it is not one of the shell's desktop windows,
// which cover every monitor all the time.
bool IsFullScreenProgram(const ScreenRect& window, const char* windowClass,
                         const ScreenRect& monitor);
