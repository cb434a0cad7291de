#include "text/ColourNotation.h"

#include <cstdio>

#include "settings/StoredChoice.h"

namespace {

// numerator / denominator to the nearest whole number, halves up; both are
// non-negative and the denominator positive.
int RoundHalfUp(long numerator, long denominator) {
    return static_cast<int>((2 * numerator + denominator) / (2 * denominator));
}

struct Hsl {
    int hue;
    int saturation;
    int lightness;
};

// Taken in whole numbers throughout, so that no rounding of a fraction can
// tip a half the wrong way.
Hsl ToHsl(int r, int g, int b) {
    const int high = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const int low = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const long spread = high - low;
    const long sum = high + low;
    Hsl hsl{0, 0, RoundHalfUp(100 * sum, 2 * 255)};
    if (spread == 0) {
        return hsl;
    }
    // Saturation: spread / (1 - |2L - 1|), with L = sum / 510.
    const long room = 255 - (sum > 255 ? sum - 255 : 255 - sum);
    hsl.saturation = RoundHalfUp(100 * spread, room);
    // Hue in sixths of the circle, as spread-th parts of 60 degrees.
    long sixths = 0;
    if (high == r) {
        sixths = 60L * (g - b);
    } else if (high == g) {
        sixths = 60L * (b - r) + 120 * spread;
    } else {
        sixths = 60L * (r - g) + 240 * spread;
    }
    if (sixths < 0) {
        sixths += 360 * spread;
    }
    hsl.hue = RoundHalfUp(sixths, spread) % 360;
    return hsl;
}

}  // namespace

int ParseColourNotation(const char* stored) {
    return ParseStoredChoice(stored, kColourCssHsl + 1);
}

void FormatColour(int notation, std::uint32_t rgb, char* text, std::size_t size) {
    const int r = static_cast<int>(rgb >> 16 & 0xFF);
    const int g = static_cast<int>(rgb >> 8 & 0xFF);
    const int b = static_cast<int>(rgb & 0xFF);
    switch (notation) {
        case kColourDecimal:
            std::snprintf(text, size, "R:%d G:%d B:%d", r, g, b);
            break;
        case kColourCssRgb:
            std::snprintf(text, size, "rgb(%d, %d, %d)", r, g, b);
            break;
        case kColourCssHsl: {
            const Hsl hsl = ToHsl(r, g, b);
            std::snprintf(text, size, "hsl(%d, %d%%, %d%%)", hsl.hue, hsl.saturation,
                          hsl.lightness);
            break;
        }
        default:
            std::snprintf(text, size, "#%02X%02X%02X", r, g, b);
            break;
    }
}
