#pragma once

#include <windows.h>

// Exit codes of the process.
constexpr int kExitNormal = 0;
constexpr int kExitAnotherCopy = 1;
constexpr int kExitNoWindow = 2;  // the indicator could not be created

// Takes the single-instance name "saru". False when another copy holds it (or
// the system reports any error for it). The name stays taken until the
// process ends.
bool TakeSingleInstanceLock();

// Everything after the lock: the transparency capability, the class, the
// indicator window, the popup menu, the stored transparency, display mode and
// placement mode, the mouse hook in Range mode, then the message loop until
// the quit message. indicatorSettings must be resolved. Returns the exit code.
int RunIndicator(HINSTANCE instance, int showCommand);
