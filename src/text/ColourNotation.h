#pragma once

#include <cstddef>
#include <cstdint>

// The notations Colour mode writes a colour in, as the settings file keeps
// them (COLOR_FORMAT). Platform-free: colours are 0x00RRGGBB.
constexpr int kColourHex = 0;      // #1E90FF
constexpr int kColourDecimal = 1;  // R:30 G:144 B:255
constexpr int kColourCssRgb = 2;   // rgb(30, 144, 255)
constexpr int kColourCssHsl = 3;   // hsl(210, 100%, 56%)

// The notation a stored text stands for: exactly one of the digits 0 to 3;
// anything else, a null text included, gives the hexadecimal one.
int ParseColourNotation(const char* stored);

// Writes rgb in the notation (any value outside the list as hexadecimal) into
// text, at most size bytes with the terminator. In hsl() the hue is in whole
// degrees 0 to 359, saturation and lightness in whole per cent, each rounded
// to the nearest with halves up; a grey has hue 0 and saturation 0.
void FormatColour(int notation, std::uint32_t rgb, char* text, std::size_t size);
