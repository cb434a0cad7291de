#pragma once

#include <cstdint>
#include <limits>

// Offsets and sizes can come from a hand-edited settings file, so sums of them
// are taken in 64 bits and held at the ends of the int range rather than wrapped.
inline int HoldInIntRange(std::int64_t value) {
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}
