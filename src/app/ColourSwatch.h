#pragma once

#include <cstdint>

// Colour mode's swatch: left of the text, a square as tall as the text's line,
// filled with the colour under the pointer and framed one pixel in the text
// colour. The text moves right by the swatch and a gap as wide as the margin
// before it, and the window grows by as much; without a swatch nothing moves.
// Platform-free.

// The swatch's colour as 0x00RRGGBB, or this when none shows.
constexpr std::uint32_t kNoSwatch = 0xFFFFFFFFu;

constexpr int kTextMargin = 2;  // left of the swatch, or of the text without one

// How far the swatch pushes the text to the right, and widens the window.
constexpr int SwatchRoom(std::uint32_t swatch, int lineHeight) {
    return swatch == kNoSwatch ? 0 : lineHeight + kTextMargin;
}
