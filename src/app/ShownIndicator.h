#pragma once

#include <cstddef>
#include <cstdint>

#include "app/IndicatorText.h"

// What the indicator last put on the screen. The tick compares what it would
// show now with this record and redoes only the platform work whose result a
// user could see change: measuring, placing (move, size, top-most, show) and
// repainting. Platform-free: the tick hands in what it read from the system.

constexpr std::size_t kFontDescriptionSize = 60;  // the bytes of the font's LOGFONTA

// Everything the paint's pixels depend on, besides the size.
struct IndicatorFace {
    char text[kIndicatorTextSize];
    // The font is known by its handle and its description: the handle of a
    // deleted font may come back for another one.
    std::uintptr_t font;
    unsigned char fontDescription[kFontDescriptionSize];
    std::uint32_t textColor;
    std::uint32_t backColor;
    std::uint32_t style;          // the border moves the client area within the window
    std::uint32_t extendedStyle;  // layered or not
    int alphaCommand;
    std::uint32_t swatch;  // Colour mode's swatch colour, kNoSwatch (app/ColourSwatch.h) for none
};

struct IndicatorBounds {
    int x;
    int y;
    int width;
    int height;
};

bool operator==(const IndicatorBounds& a, const IndicatorBounds& b);
bool operator!=(const IndicatorBounds& a, const IndicatorBounds& b);

// The window as the system has it at the start of a tick.
struct WindowFacts {
    IndicatorBounds bounds;
    bool visible;
    bool onTop;  // top-most, and no window above it
};

struct TickWork {
    bool place;    // move and size top-most and show
    bool repaint;  // paint the whole window
};

class ShownIndicator {
  public:
    // Forgets everything: the next tick measures, places and repaints.
    void Reset() { *this = ShownIndicator{}; }

    // The size depends on the text, the font and whether a swatch shows.
    bool NeedsMeasure(const IndicatorFace& face) const;
    void RecordMeasure(const IndicatorFace& face, IndicatorSize size);
    IndicatorSize MeasuredSize() const { return measuredSize; }

    // What this tick must do to put wanted (at the measured size) on the screen
    // with this face. An open dialog holds the window hidden and unmoved.
    TickWork Plan(const IndicatorFace& face, const IndicatorBounds& wanted, const WindowFacts& now,
                  bool dialogOpen) const;
    // Records the plan as done.
    void RecordTick(const IndicatorFace& face, const WindowFacts& now, const TickWork& work);

  private:
    bool measured = false;
    IndicatorFace measuredFace{};
    IndicatorSize measuredSize{0, 0};

    bool placed = false;  // the first placing is done whatever the window's state

    // The face and size of the last repaint done while the window showed.
    bool painted = false;
    IndicatorFace paintedFace{};
    IndicatorSize paintedSize{0, 0};
    // Whether the window showed at the end of the last tick: a window that
    // comes back is repainted once, whatever showed before.
    bool wasVisible = false;
};
