#pragma once

#include <windows.h>

#include <cstdint>

// The colour of one physical screen pixel as the screen shows it (no pointer
// image), at virtual-screen coordinates: negative on monitors left of or above
// the primary one. One pixel is copied from the screen; nothing is kept.
// False when the screen could not be read.
bool ReadScreenPixel(POINT at, std::uint32_t* rgb);
