#pragma once

#include <windows.h>

#include <functional>

bool HasClass(HWND window, const char* className);

// The first top-level window of the thread, or of any thread for 0, that
// matches; null when none does.
HWND FindWindowWhere(DWORD threadId, const std::function<bool(HWND)>& matches);

// The visible dialog box of the thread, or null.
HWND FindVisibleDialog(DWORD threadId);
