#pragma once

#include <cstddef>
#include <cstdint>

#include "settings/DpiScale.h"

// The line the indicator shows, and the window size it needs. Platform-free:
// the tick hands in what it read from the system.

constexpr std::size_t kIndicatorTextSize = 80;  // 79 bytes of text and the terminator

struct ScreenPoint {
    int x;
    int y;
};

// A drag point as the mouse hook returns it: x in the low 32 bits, y in the
// high 32 bits, both signed. A negative x means "not set".
ScreenPoint UnpackDragPoint(std::int64_t packed);
std::int64_t PackDragPoint(ScreenPoint point);

struct DragPoints {
    ScreenPoint start;
    ScreenPoint end;
    ScreenPoint current;
    // The size is shown in page pixels of a monitor at this DPI: that of the
    // monitor where the measurement started, or 96 to show it as it is.
    int lengthDpi = kBaseDpi;
};

// The colour of the screen pixel under the cursor, and the notation it is
// written in (text/ColourNotation.h).
struct ColourReading {
    bool read;  // false when the screen could not be read
    std::uint32_t rgb;
    int notation;
};

// What the text may be built from. Only the source of the current mode is asked,
// so the clock is read only in Clock mode, the hook only in Range mode and the
// screen only in Colour mode.
class IndicatorTextSources {
  public:
    virtual ~IndicatorTextSources() = default;
    virtual const char* ClockText() = 0;  // the expansion of the Clock format for now
    virtual DragPoints DragState() = 0;   // start, end and current, read in that order
    virtual ColourReading CursorColour() = 0;
};

// Rebuilds text (kIndicatorTextSize bytes) for the display mode: 0 Coordinates,
// 1 Clock, 2 Range, 3 Colour (empty when the screen could not be read); any
// other mode leaves text as it is. Range sizes are differences taken in 64
// bits, so hostile points print their true size. Coordinates shows cursor as
// it is handed in: the tick counts it from the chosen origin.
void BuildIndicatorText(int displayMode, ScreenPoint cursor, IndicatorTextSources& sources,
                        char* text);

// How far a window frame reaches beyond the client area on each side.
struct FrameInsets {
    int left;
    int top;
    int right;
    int bottom;
};

struct IndicatorSize {
    int width;
    int height;
};

// The window size for a text extent: 4 pixels of room on the right, then the
// frame of the bordered popup style. Sizes past the int range are held at its ends.
IndicatorSize MeasureIndicator(int textWidth, int textHeight, const FrameInsets& frame);
