#pragma once

#include <cstddef>

constexpr std::size_t kSettingsPathSize = 260;  // MAX_PATH: 259 bytes of text and the terminator

// The settings file's path: a name with a backslash stands as it is; a bare
// name goes beside the executable (its drive and directory, then the name).
// Returns false, with an empty path, when the result does not fit.
bool ComposeSettingsPath(const char* executablePath, const char* fileName,
                         char (&path)[kSettingsPathSize]);

// Whether the name holds a backslash (by whole characters), so that it stands
// as the path instead of going beside the executable.
bool NamesItsFolder(const char* fileName);
