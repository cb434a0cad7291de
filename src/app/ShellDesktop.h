#pragma once

// Whether a top-level window of this class is one of the shell's desktop
// windows, which cover every monitor all the time: "Progman" behind the
// icons, and "WorkerW" in front of it since Windows 8. Platform-free.
bool IsShellDesktopClass(const char* windowClass);
