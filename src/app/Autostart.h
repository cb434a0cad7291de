#pragma once

#include <cstddef>

// Starting with Windows: the value "Tavikan" under the user's Run key holds
// the running executable's full path in double quotes. Platform-free: the glue
// reads and writes the value.

// The value for the executable: its path in double quotes. False, with an
// empty text, when it does not fit in size bytes with the terminator.
bool QuoteProgramPath(const char* executablePath, char* value, std::size_t size);

// Whether a stored value names this executable: its path, in double quotes or
// without them, letters in either case (Windows paths are). Any other value,
// the empty one included, names another program or none.
bool RunValueNamesProgram(const char* value, const char* executablePath);
