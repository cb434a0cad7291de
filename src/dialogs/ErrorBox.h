#pragma once

// Tells the user that a window or its class could not be made: a system-modal
// warning box captioned "エラー", with no owner. text is in the ANSI code page.
void ShowErrorBox(const char* text);
