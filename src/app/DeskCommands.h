#pragma once

#include <windows.h>

// The menu's commands that fit the program into the desk: start with Windows
// (IDM_AUTOSTART) and step aside for full-screen programs
// (IDM_HIDE_FULLSCREEN). Each caption says what choosing it does.

// At start: takes HIDE_FULLSCREEN from the settings file; writes nothing.
void LoadDeskOptions();

// True when the command is one of these, which it then carries out.
bool OnDeskCommand(unsigned command);

// Just before the menu opens: the captions follow the registry and the option.
void ShowDeskCaptions(HMENU menu);
