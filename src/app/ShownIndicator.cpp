#include "app/ShownIndicator.h"

#include <cstring>

#include "app/ColourSwatch.h"

namespace {

bool SameFont(const IndicatorFace& a, const IndicatorFace& b) {
    return a.font == b.font &&
           std::memcmp(a.fontDescription, b.fontDescription, kFontDescriptionSize) == 0;
}

bool SameText(const IndicatorFace& a, const IndicatorFace& b) {
    return std::strncmp(a.text, b.text, kIndicatorTextSize) == 0;
}

bool SameFace(const IndicatorFace& a, const IndicatorFace& b) {
    return SameText(a, b) && SameFont(a, b) && a.textColor == b.textColor &&
           a.backColor == b.backColor && a.style == b.style && a.extendedStyle == b.extendedStyle &&
           a.alphaCommand == b.alphaCommand && a.swatch == b.swatch;
}

bool SameSwatchRoom(const IndicatorFace& a, const IndicatorFace& b) {
    return (a.swatch == kNoSwatch) == (b.swatch == kNoSwatch);
}

bool SameSize(IndicatorSize a, IndicatorSize b) {
    return a.width == b.width && a.height == b.height;
}

}  // namespace

bool operator==(const IndicatorBounds& a, const IndicatorBounds& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

bool operator!=(const IndicatorBounds& a, const IndicatorBounds& b) {
    return !(a == b);
}

bool ShownIndicator::NeedsMeasure(const IndicatorFace& face) const {
    return !measured || !SameText(face, measuredFace) || !SameFont(face, measuredFace) ||
           !SameSwatchRoom(face, measuredFace);
}

void ShownIndicator::RecordMeasure(const IndicatorFace& face, IndicatorSize size) {
    measured = true;
    measuredFace = face;
    measuredSize = size;
}

TickWork ShownIndicator::Plan(const IndicatorFace& face, const IndicatorBounds& wanted,
                              const WindowFacts& now, bool dialogOpen) const {
    TickWork work{false, false};
    work.place = !dialogOpen && (!placed || !now.visible || !now.onTop || now.bounds != wanted);
    // A hidden window shows nothing. One that comes back, shown by this tick or
    // since the last one, is drawn afresh, whatever it showed before.
    const bool visibleAfter = now.visible || work.place;
    const bool cameBack = !now.visible || !wasVisible;
    work.repaint = visibleAfter && (!painted || cameBack || !SameFace(face, paintedFace) ||
                                    !SameSize(measuredSize, paintedSize));
    return work;
}

void ShownIndicator::RecordTick(const IndicatorFace& face, const WindowFacts& now,
                                const TickWork& work) {
    if (work.repaint) {
        painted = true;
        paintedFace = face;
        paintedSize = measuredSize;
    }
    placed = placed || work.place;
    wasVisible = now.visible || work.place;
}
