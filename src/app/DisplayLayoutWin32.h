#pragma once

#include "app/DisplayLayout.h"

// The monitors as the system has them now, each with its effective DPI: the
// per-monitor DPI where the system has it (Windows 8.1 and later), the
// screen's DPI otherwise. Never empty: without any monitor reported, the
// primary screen's size at 0, 0.
DisplayLayout ReadDisplayLayout();

// The screen's DPI (LOGPIXELSY of the screen): the one the font chooser
// counts points with.
int ScreenDpi();
