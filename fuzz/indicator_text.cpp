// BuildIndicatorText with any mode, cursor, clock text, drag points and colour
// reading, and MeasureIndicator with any sizes: the line always ends within
// its 80 bytes, reads back as the numbers it shows, asks only the source of
// its mode, and a mode outside the four leaves the line alone.
#include <fuzzer/FuzzedDataProvider.h>

#include <cinttypes>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "app/IndicatorText.h"
#include "text/CodePage.h"

namespace {

class FuzzedSources : public IndicatorTextSources {
  public:
    std::string clock;
    DragPoints drag{};
    int clockReads = 0;
    int dragReads = 0;
    ColourReading colour{};
    int colourReads = 0;

    const char* ClockText() override {
        ++clockReads;
        return clock.c_str();
    }
    DragPoints DragState() override {
        ++dragReads;
        return drag;
    }
    ColourReading CursorColour() override {
        ++colourReads;
        return colour;
    }
};

// The colour line reads back as the colour in its notation (hsl() within its ranges).
void CheckColour(const ColourReading& colour, const char* text) {
    if (!colour.read) {
        FUZZ_CHECK(text[0] == '\0');
        return;
    }
    unsigned r = 0, g = 0, b = 0;
    char rest = 0;
    const unsigned rgb = colour.rgb & 0xFFFFFFu;
    switch (colour.notation) {
        case 1:
            FUZZ_CHECK(std::sscanf(text, "R:%u G:%u B:%u%c", &r, &g, &b, &rest) == 3);
            break;
        case 2:
            FUZZ_CHECK(std::sscanf(text, "rgb(%u, %u, %u)%c", &r, &g, &b, &rest) == 3);
            break;
        case 3:
            FUZZ_CHECK(std::sscanf(text, "hsl(%u, %u%%, %u%%)%c", &r, &g, &b, &rest) == 3);
            FUZZ_CHECK(r < 360 && g <= 100 && b <= 100);
            FUZZ_CHECK(((rgb >> 16) == (rgb & 0xFF) && (rgb >> 8 & 0xFF) == (rgb & 0xFF)) ==
                       (g == 0));  // no saturation: a grey, and only a grey
            return;
        default:
            FUZZ_CHECK(std::strlen(text) == 7 && std::sscanf(text, "#%6X%c", &r, &rest) == 1);
            FUZZ_CHECK(r == rgb && std::strpbrk(text, "abcdef") == nullptr);  // upper case
            return;
    }
    FUZZ_CHECK((r << 16 | g << 8 | b) == rgb);
}

ScreenPoint AnyPoint(FuzzedDataProvider& input) {
    const int x = input.ConsumeIntegral<int>();
    return ScreenPoint{x, input.ConsumeIntegral<int>()};
}

std::int64_t Held(std::int64_t value) {
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int mode =
        input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 3) : input.ConsumeIntegral<int>();
    const ScreenPoint cursor = AnyPoint(input);
    FuzzedSources sources;
    sources.drag.start = AnyPoint(input);
    sources.drag.end = AnyPoint(input);
    sources.drag.current = AnyPoint(input);
    const FrameInsets frame{input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(),
                            input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
    const int textWidth = input.ConsumeIntegral<int>();
    const int textHeight = input.ConsumeIntegral<int>();
    sources.colour = ColourReading{
        input.ConsumeBool(), input.ConsumeIntegral<std::uint32_t>(),
        input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 3) : input.ConsumeIntegral<int>()};
    sources.clock = input.ConsumeRemainingBytesAsString().c_str();

    char text[kIndicatorTextSize];
    std::memset(text, '#', sizeof text);
    text[sizeof text - 1] = '\0';
    const std::string before = text;
    BuildIndicatorText(mode, cursor, sources, text);
    FUZZ_CHECK(std::memchr(text, '\0', sizeof text) != nullptr);

    FUZZ_CHECK(sources.clockReads == (mode == 1 ? 1 : 0));
    FUZZ_CHECK(sources.dragReads == (mode == 2 ? 1 : 0));
    FUZZ_CHECK(sources.colourReads == (mode == 3 ? 1 : 0));
    if (mode == 0) {
        int x = 0, y = 0;
        char rest = 0;
        FUZZ_CHECK(std::sscanf(text, "x:%d y:%d%c", &x, &y, &rest) == 2);
        FUZZ_CHECK(x == cursor.x && y == cursor.y);
    } else if (mode == 1) {
        const std::size_t length = std::strlen(text);
        FUZZ_CHECK(length < kIndicatorTextSize);
        FUZZ_CHECK(sources.clock.compare(0, length, text) == 0);
        // Cut only when the next whole character would not fit.
        if (length < sources.clock.size()) {
            const bool lead = IsLeadByte(static_cast<unsigned char>(sources.clock[length]));
            const std::size_t next = lead ? 2 : 1;
            FUZZ_CHECK(length + next > kIndicatorTextSize - 1 ||
                       (lead && length + 1 == sources.clock.size()));
        }
    } else if (mode == 2) {
        long long width = 0, height = 0;
        char rest = 0;
        FUZZ_CHECK(std::sscanf(text, "size x:%lld y:%lld%c", &width, &height, &rest) == 2);
        const DragPoints& d = sources.drag;
        const ScreenPoint* to = d.end.x >= 0 ? &d.end : d.start.x >= 0 ? &d.current : nullptr;
        const long long wantWidth = to ? static_cast<long long>(to->x) - d.start.x : 0;
        const long long wantHeight = to ? static_cast<long long>(to->y) - d.start.y : 0;
        FUZZ_CHECK(width == wantWidth && height == wantHeight);
    } else if (mode == 3) {
        CheckColour(sources.colour, text);
    } else {
        FUZZ_CHECK(before == text);
    }

    const IndicatorSize measured = MeasureIndicator(textWidth, textHeight, frame);
    FUZZ_CHECK(measured.width == Held(std::int64_t{textWidth} + 4 + frame.left + frame.right));
    FUZZ_CHECK(measured.height == Held(std::int64_t{textHeight} + frame.top + frame.bottom));
    return 0;
}
