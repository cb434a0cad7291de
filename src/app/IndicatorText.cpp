#include "app/IndicatorText.h"

#include "app/IntRange.h"
#include <cinttypes>
#include <cstdio>

#include "text/CodePage.h"
#include "text/ColourNotation.h"

namespace {

constexpr int kCoordinatesMode = 0;
constexpr int kClockMode = 1;
constexpr int kRangeMode = 2;
constexpr int kColourMode = 3;

void WriteCoordinates(ScreenPoint cursor, char* text) {
    std::snprintf(text, kIndicatorTextSize, "x:%d y:%d", cursor.x, cursor.y);
}

void WriteClock(IndicatorTextSources& sources, char* text) {
    const char* clock = sources.ClockText();
    // The expansion may be longer than the line; cut it between characters.
    CopyWholeCharacters(text, kIndicatorTextSize, clock != nullptr ? clock : "");
}

// The size of the drag: final once it has ended, live while it runs, zero
// before the first one. Only x says whether a point is set.
void WriteRange(IndicatorTextSources& sources, char* text) {
    text[0] = '\0';
    const DragPoints drag = sources.DragState();
    const ScreenPoint* to = nullptr;
    if (drag.end.x >= 0) {
        to = &drag.end;
    } else if (drag.start.x >= 0) {
        to = &drag.current;
    }
    // Differences of hostile points can pass the int range: take them in 64
    // bits, which the 80-byte line always holds.
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (to != nullptr) {
        width = PagePixels(std::int64_t{to->x} - drag.start.x, drag.lengthDpi);
        height = PagePixels(std::int64_t{to->y} - drag.start.y, drag.lengthDpi);
    }
    std::snprintf(text, kIndicatorTextSize, "size x:%" PRId64 " y:%" PRId64, width, height);
}

// An unreadable screen shows nothing rather than a wrong colour.
void WriteColour(IndicatorTextSources& sources, char* text) {
    const ColourReading colour = sources.CursorColour();
    text[0] = '\0';
    if (colour.read) {
        FormatColour(colour.notation, colour.rgb, text, kIndicatorTextSize);
    }
}

}  // namespace

ScreenPoint UnpackDragPoint(std::int64_t packed) {
    const auto bits = static_cast<std::uint64_t>(packed);
    return ScreenPoint{static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)),
                       static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32))};
}

std::int64_t PackDragPoint(ScreenPoint point) {
    const std::uint64_t low = static_cast<std::uint32_t>(point.x);
    const std::uint64_t high = static_cast<std::uint32_t>(point.y);
    return static_cast<std::int64_t>(high << 32 | low);
}

void BuildIndicatorText(int displayMode, ScreenPoint cursor, IndicatorTextSources& sources,
                        char* text) {
    switch (displayMode) {
        case kCoordinatesMode:
            WriteCoordinates(cursor, text);
            break;
        case kClockMode:
            WriteClock(sources, text);
            break;
        case kRangeMode:
            WriteRange(sources, text);
            break;
        case kColourMode:
            WriteColour(sources, text);
            break;
        default:
            break;  // a mode from a hand-edited file: keep the last line
    }
}

IndicatorSize MeasureIndicator(int textWidth, int textHeight, const FrameInsets& frame) {
    // 4 pixels of room right of the text, then the frame on each side.
    const std::int64_t width = std::int64_t{textWidth} + 4 + frame.left + frame.right;
    const std::int64_t height = std::int64_t{textHeight} + frame.top + frame.bottom;
    return IndicatorSize{HoldInIntRange(width), HoldInIntRange(height)};
}
