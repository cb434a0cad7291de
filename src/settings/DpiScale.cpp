#include "settings/DpiScale.h"

#include <cstdint>

#include "app/IntRange.h"

namespace {

std::int64_t UsableDpi(int dpi) {
    return dpi > 0 ? dpi : kBaseDpi;
}

// numerator / denominator rounded to nearest, halves away from zero;
// denominator even and positive, so that its half is exact.
std::int64_t DivideRounded(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : (numerator - half) / denominator;
}

}  // namespace

int ScaleToDpi(int stored, int dpi) {
    return HoldInIntRange(DivideRounded(std::int64_t{stored} * UsableDpi(dpi), kBaseDpi));
}

int ScaleFromDpi(int pixels, int dpi) {
    return HoldInIntRange(PagePixels(pixels, dpi));
}

std::int64_t PagePixels(std::int64_t pixels, int dpi) {
    // Both sides doubled, so that an odd dpi still has an exact half.
    return DivideRounded(pixels * kBaseDpi * 2, UsableDpi(dpi) * 2);
}
