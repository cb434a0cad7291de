#pragma once

#include "settings/SettingsPath.h"

// Which settings file is in use: the one beside the executable (the program
// stays portable), or the per-user one under %APPDATA% when the program's
// folder refuses it, as a folder under Program Files does for a standard user
// and a read-only share or medium does for everyone.
enum class SettingsPlace { BesideProgram, PerUser };

// At start. The per-user file is read only when it exists and the file beside
// the executable cannot be written (refused, or missing in a folder that takes
// no new file); a folder that can be written always keeps its own file.
SettingsPlace PlaceAtStart(bool perUserExists, bool besideWritable);

// After a write that the file in use refused: whether the settings read so far
// are carried to the per-user file, which takes this write and every later
// one. Once the per-user file is in use there is nowhere else to go: its
// refused writes leave the choices to the running program alone.
bool CarriesOverAfterRefusal(SettingsPlace place, bool perUserNamed);

// The per-user file fileName in the folder "Tavikan" of appData (the value of
// %APPDATA%), and that folder. False, with both empty, when appData is empty or
// the path does not fit.
bool ComposePerUserPath(const char* appData, const char* fileName, char (&path)[kSettingsPathSize],
                        char (&folder)[kSettingsPathSize]);
