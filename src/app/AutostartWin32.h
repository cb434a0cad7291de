#pragma once

// Starting with Windows through the user's Run key (app/Autostart.h). Only the
// menu's command writes there; the state is the registry's, read anew each
// time it is asked for.

// Whether the value "Tavikan" names the running executable now. A value that
// is missing, not a string, empty, too long or names another path does not.
bool StartsWithWindows();

// Deletes the value when it names the running executable; otherwise sets it
// to this one (a moved or copied program takes it over).
void ToggleStartWithWindows();
