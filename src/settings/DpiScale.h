#pragma once

#include <cstdint>

// Stored font heights and offsets mean pixels at 96 DPI (100 %): the same
// settings file gives the same look on a plain and on a scaled display, and a
// file written before scaling was known reads as it always did.
constexpr int kBaseDpi = 96;

// A stored value in pixels at dpi, and pixels at dpi back to a stored value,
// each rounded to the nearest pixel with halves away from zero and held within
// the int range. For any dpi of 96 or more the way back gives the stored value
// again. A dpi of 0 or less counts as 96.
int ScaleToDpi(int stored, int dpi);
int ScaleFromDpi(int pixels, int dpi);

// A length in pixels at dpi as page pixels, the 96-DPI pixels that web pages
// and scaled programs count in: the rounding of ScaleFromDpi, in 64 bits, for
// lengths of either sign up to 2^52 pixels.
std::int64_t PagePixels(std::int64_t pixels, int dpi);
