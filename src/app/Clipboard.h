#pragma once

#include <windows.h>

// Puts a line of the ANSI code page on the clipboard for the window: as
// Unicode text converted from that code page, and as the ANSI text itself.
// Nothing changes when another program keeps the clipboard open.
void PutTextOnClipboard(HWND owner, const char* text);
