#pragma once

// A watch on the windows of other programs: the system reports each one that
// appears, goes, moves, changes its z-order or comes to the front. While the
// watch is on and nothing has been reported, what was looked up under a
// resting pointer still holds, so a still pointer costs no call to the window
// system.

// Starts the watch when on and not yet watching; ends it when off.
void WatchDeskWindows(bool on);

// True when the windows of other programs may have changed since the last
// call; always true while no watch is on (or the system refused one).
bool TakeDeskWindowsChanged();
