// PlaceIndicator with any numbers: the indicator never lies under the cursor
// (edges included), and in Corrected mode a window that fits the cursor's
// monitor keeps its top-left corner on it and the edges its offsets point to
// inside it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "FuzzCheck.h"
#include "app/Placement.h"

namespace {

bool Covers(std::int64_t x, std::int64_t y, std::int64_t cx, std::int64_t cy, std::int64_t px,
            std::int64_t py) {
    return x <= px && px <= x + cx && y <= py && py <= y + cy;
}

// Mostly screen-sized numbers, sometimes anything at all.
int AnyNumber(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-3000, 3000)
                               : input.ConsumeIntegral<int>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int px = AnyNumber(input), py = AnyNumber(input);
    const int ox = AnyNumber(input), oy = AnyNumber(input);
    const int cx = AnyNumber(input), cy = AnyNumber(input);
    const ScreenRect monitor{AnyNumber(input), AnyNumber(input), AnyNumber(input),
                             AnyNumber(input)};
    const int viewMode = input.ConsumeBool() ? 0 : input.ConsumeIntegral<int>();

    const IndicatorPosition at = PlaceIndicator(px, py, ox, oy, cx, cy, monitor, viewMode);
    FUZZ_CHECK(!Covers(at.x, at.y, cx, cy, px, py));

    // The window fits when it has 2 pixels to spare at both sides across and
    // room above or below the cursor down; the step off the cursor (to 2 pixels
    // right of and below it) is not held on the monitor.
    const std::int64_t width = std::int64_t{monitor.right} - monitor.left;
    const std::int64_t height = std::int64_t{monitor.bottom} - monitor.top;
    const bool cursorOnMonitor =
        px >= monitor.left && px < monitor.right && py >= monitor.top && py < monitor.bottom;
    const bool fits =
        cx >= 0 && std::int64_t{cx} + 4 <= width && cy >= 0 && 2 * std::int64_t{cy} + 4 <= height;
    const bool steppedOffCursor = at.x == std::int64_t{px} + 2 && at.y == std::int64_t{py} + 2;
    if (viewMode == 0 && cursorOnMonitor && fits && !steppedOffCursor) {
        FUZZ_CHECK(at.x >= monitor.left && at.y >= monitor.top);
        FUZZ_CHECK(at.x < monitor.right && at.y < monitor.bottom);
        if (ox > 0) {
            FUZZ_CHECK(std::int64_t{at.x} + cx <= monitor.right);
        }
        if (oy > 0) {
            FUZZ_CHECK(std::int64_t{at.y} + cy <= monitor.bottom);
        }
    }
    return 0;
}
