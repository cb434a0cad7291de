#pragma once

#include <windows.h>

// What the tray icon and its popup menu do. Both arrive at the indicator's
// window procedure as messages.

// WM_TRAYNOTIFY: lParam is the mouse message on the icon. A right press opens
// the popup menu at the cursor; a left double click opens the About box.
LRESULT OnTrayNotify(HWND window, LPARAM mouseMessage);

// WM_COMMAND from the popup menu. A command it does not know goes to
// DefWindowProcA with wParam and lParam as they came.
LRESULT OnMenuCommand(HWND window, WPARAM wParam, LPARAM lParam);

// The shell's "TaskbarCreated": the notification area was made anew (the shell
// restarted), so the icon is put up again from the same record.
LRESULT OnTaskbarCreated();
