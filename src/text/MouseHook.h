#pragma once

#include <cstdint>

// MHook.dll, the global mouse hook that tracks drags, imported by ordinal.
// A point comes back as one 64-bit value: x in the low 32 bits, y in the high
// 32 bits, both signed; a negative x means "not set".
extern "C" {
void HookStart();                         // ordinal 1
void HookStop();                          // ordinal 2
std::int64_t GetDragStart(int which);     // ordinal 3
std::int64_t GetDragEnd(int which);       // ordinal 4
std::int64_t GetDragCurrent(int which);   // ordinal 5
}
