#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "app/ColourSwatch.h"
#include "app/ShownIndicator.h"
#include "app/TickPace.h"

namespace {

IndicatorFace SampleFace() {
    IndicatorFace face{};
    std::strcpy(face.text, "x:300 y:200");
    face.font = 0x1234;
    std::memset(face.fontDescription, 0x11, kFontDescriptionSize);
    face.textColor = 0x000000;
    face.backColor = 0xD9FFFF;
    face.style = 0x80880000;
    face.extendedStyle = 0x00080088;
    face.alphaCommand = 40036;
    return face;
}

constexpr IndicatorSize kSize{70, 15};
constexpr IndicatorBounds kBounds{312, 215, 70, 15};
constexpr WindowFacts kSettled{kBounds, true, true};

// An indicator whose last tick measured, placed and painted SampleFace at kBounds.
ShownIndicator SettledIndicator() {
    ShownIndicator shown;
    const IndicatorFace face = SampleFace();
    shown.RecordMeasure(face, kSize);
    const WindowFacts hidden{{10, 10, 10, 10}, false, false};
    shown.RecordTick(face, hidden, shown.Plan(face, kBounds, hidden, false));
    return shown;
}

struct TickCase {
    const char* name;
    std::function<void(IndicatorFace&)> changeFace;
    std::function<void(IndicatorBounds&)> changeWanted;
    std::function<void(WindowFacts&)> changeWindow;
    bool dialogOpen;
    bool measure;
    bool place;
    bool repaint;
};

void Keep(IndicatorFace&) {}
void KeepBounds(IndicatorBounds&) {}
void KeepWindow(WindowFacts&) {}

TEST(ShownIndicator, RedoesOnlyTheWorkWhoseResultShows) {
    const TickCase cases[] = {
        {"nothing changed", Keep, KeepBounds, KeepWindow, false, false, false, false},
        {"new text", [](IndicatorFace& f) { std::strcpy(f.text, "x:301 y:200"); }, KeepBounds,
         KeepWindow, false, true, false, true},
        {"longer text behind an equal start",
         [](IndicatorFace& f) { std::strcpy(f.text, "x:300 y:2000"); }, KeepBounds, KeepWindow,
         false, true, false, true},
        {"new font handle", [](IndicatorFace& f) { f.font = 0x5678; }, KeepBounds, KeepWindow,
         false, true, false, true},
        // A deleted font's handle value handed out again for another font.
        {"same handle, other font", [](IndicatorFace& f) { f.fontDescription[27] = 0x22; },
         KeepBounds, KeepWindow, false, true, false, true},
        {"text colour", [](IndicatorFace& f) { f.textColor = 0xFF; }, KeepBounds, KeepWindow, false,
         false, false, true},
        {"background colour", [](IndicatorFace& f) { f.backColor = 0xFF00; }, KeepBounds,
         KeepWindow, false, false, false, true},
        {"border off", [](IndicatorFace& f) { f.style = 0x80080000; }, KeepBounds, KeepWindow,
         false, false, false, true},
        {"layered style", [](IndicatorFace& f) { f.extendedStyle = 0x88; }, KeepBounds, KeepWindow,
         false, false, false, true},
        {"transparency", [](IndicatorFace& f) { f.alphaCommand = 40046; }, KeepBounds, KeepWindow,
         false, false, false, true},
        // One hsl() line stands for several colours: the swatch alone shows which.
        {"swatch colour", [](IndicatorFace& f) { f.swatch = 0x1E90FF; }, KeepBounds, KeepWindow,
         false, false, false, true},
        {"swatch gone", [](IndicatorFace& f) { f.swatch = kNoSwatch; }, KeepBounds, KeepWindow,
         false, true, false, true},
        {"pointer moved", Keep, [](IndicatorBounds& b) { b.x += 1; }, KeepWindow, false, false,
         true, false},
        {"pointer moved down", Keep, [](IndicatorBounds& b) { b.y -= 7; }, KeepWindow, false, false,
         true, false},
        {"moved from outside", Keep, KeepBounds, [](WindowFacts& w) { w.bounds.x = 0; }, false,
         false, true, false},
        {"sized from outside", Keep, KeepBounds, [](WindowFacts& w) { w.bounds.height = 30; },
         false, false, true, false},
        {"covered", Keep, KeepBounds, [](WindowFacts& w) { w.onTop = false; }, false, false, true,
         false},
        // Shown again by the placing, and drawn afresh.
        {"hidden from outside", Keep, KeepBounds, [](WindowFacts& w) { w.visible = false; }, false,
         false, true, true},
        {"hidden for a dialog", Keep, KeepBounds, [](WindowFacts& w) { w.visible = false; }, true,
         false, false, false},
        {"dialog open, pointer moved", Keep, [](IndicatorBounds& b) { b.x += 40; }, KeepWindow,
         true, false, false, false},
        {"dialog open, hidden, new text", [](IndicatorFace& f) { std::strcpy(f.text, "x:9 y:9"); },
         KeepBounds, [](WindowFacts& w) { w.visible = false; }, true, true, false, false},
        {"dialog open, still showing, new colour", [](IndicatorFace& f) { f.textColor = 0xFF; },
         KeepBounds, KeepWindow, true, false, false, true},
    };
    for (const TickCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ShownIndicator shown = SettledIndicator();
        IndicatorFace face = SampleFace();
        c.changeFace(face);
        IndicatorBounds wanted = kBounds;
        c.changeWanted(wanted);
        WindowFacts now = kSettled;
        c.changeWindow(now);

        EXPECT_EQ(shown.NeedsMeasure(face), c.measure);
        const TickWork work = shown.Plan(face, wanted, now, c.dialogOpen);
        EXPECT_EQ(work.place, c.place);
        EXPECT_EQ(work.repaint, c.repaint);
    }
}

TEST(ShownIndicator, FirstTickDoesEverything) {
    const ShownIndicator fresh;
    const IndicatorFace face = SampleFace();
    EXPECT_TRUE(fresh.NeedsMeasure(face));
    // Even when the window already stands where it should.
    const TickWork work = fresh.Plan(face, kBounds, kSettled, false);
    EXPECT_TRUE(work.place);
    EXPECT_TRUE(work.repaint);

    ShownIndicator reset = SettledIndicator();
    reset.Reset();
    EXPECT_TRUE(reset.NeedsMeasure(face));
    EXPECT_TRUE(reset.Plan(face, kBounds, kSettled, false).repaint);
}

// A step of a run of ticks: what the tick sees and what it must do.
struct Step {
    const char* name;
    const char* text;
    IndicatorSize size;
    bool visible;
    bool dialogOpen;
    bool place;
    bool repaint;
};

TEST(ShownIndicator, ARunOfTicksKeepsTheScreenCurrent) {
    const Step steps[] = {
        {"settled", "x:300 y:200", kSize, true, false, false, false},
        // A new text of another size: moved to its new size and painted.
        {"wider text", "x:3000 y:200", {80, 15}, true, false, true, true},
        {"the same again", "x:3000 y:200", {80, 15}, true, false, false, false},
        // The dialog hides the window; what changes meanwhile is not painted...
        {"dialog hides it", "x:3000 y:200", {80, 15}, false, true, false, false},
        {"text changes behind the dialog", "x:5 y:5", {50, 15}, false, true, false, false},
        // ...until the dialog command shows it again at its old place.
        {"dialog closed and shown", "x:5 y:5", {50, 15}, true, false, true, true},
        {"settled again", "x:5 y:5", {50, 15}, true, false, false, false},
        // Back to an earlier size: still a change from what shows.
        {"first text back", "x:300 y:200", kSize, true, false, true, true},
    };
    ShownIndicator shown = SettledIndicator();
    WindowFacts window = kSettled;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        IndicatorFace face = SampleFace();
        std::strcpy(face.text, s.text);
        if (shown.NeedsMeasure(face)) {
            shown.RecordMeasure(face, s.size);
        }
        EXPECT_EQ(shown.MeasuredSize().width, s.size.width);
        const IndicatorBounds wanted{kBounds.x, kBounds.y, s.size.width, s.size.height};
        window.visible = s.visible;
        const TickWork work = shown.Plan(face, wanted, window, s.dialogOpen);
        EXPECT_EQ(work.place, s.place);
        EXPECT_EQ(work.repaint, s.repaint);
        shown.RecordTick(face, window, work);
        if (work.place) {
            window.bounds = wanted;
            window.visible = true;
        }
    }
}

// The timer's period after each tick, and what each mouse input runs: input
// runs the tick while awake, a backstop timer beside it, asleep after the
// stillness, aimed past the Clock's change; input faster than a tick is worth
// hands the following to a short timer until the pointer rests.
TEST(TickPace, SleepsWhenStillAndFollowsEachInput) {
    enum Event { kTick, kWake, kInput, kRangeInput, kBackstop };
    constexpr int kNone = static_cast<int>(InputTick::kNone);
    constexpr int kNow = static_cast<int>(InputTick::kNow);
    constexpr int kByTimer = static_cast<int>(InputTick::kByTimer);
    const struct {
        const char* name;
        Event event;
        std::uint32_t atMs;
        ScreenPoint cursor;
        int clockChangeInMs;
        int expected;  // the period after a tick, the InputTick after input, whether a backstop
                       // rests
        bool asleep;
        bool byTimer;
    } steps[] = {
        {"first tick", kTick, 1000, {5, 5}, -1, kAwakeTickMs, false, false},
        {"still, not long",
         kTick,
         1000 + kStillBeforeSleepMs - 1,
         {5, 5},
         -1,
         kAwakeTickMs,
         false,
         false},
        {"still long enough",
         kTick,
         1000 + kStillBeforeSleepMs,
         {5, 5},
         -1,
         kWatchPeriodMs,
         true,
         false},
        {"a new second ahead", kTick, 4000, {5, 5}, 400, 400 + kClockMarginMs, true, false},
        {"a full second ahead", kTick, 4400, {5, 5}, 1000, 1000 + kClockMarginMs, true, false},
        {"a minute ahead", kTick, 5400, {5, 5}, 59000, kWatchPeriodMs, true, false},
        {"the watch sees a move", kTick, 6400, {6, 5}, -1, kAwakeTickMs, false, false},
        {"awake, the Clock's change is sooner",
         kTick,
         6410,
         {7, 5},
         5,
         5 + kClockMarginMs,
         false,
         false},
        {"still again", kTick, 6410 + kStillBeforeSleepMs, {7, 5}, -1, kWatchPeriodMs, true, false},
        {"asleep, input without a move", kInput, 8000, {7, 5}, -1, kNow, false, false},
        {"tick after it",
         kTick,
         8000 + kStillBeforeSleepMs - 1,
         {7, 5},
         -1,
         kAwakeTickMs,
         false,
         false},
        {"awake, input without a move", kInput, 8600, {7, 5}, -1, kNone, false, false},
        {"a press in Range", kRangeInput, 8620, {7, 5}, -1, kNow, false, false},
        {"a move one step later", kInput, 8640, {9, 5}, -1, kNow, false, false},
        {"the backstop just after it", kBackstop, 8655, {9, 5}, -1, 1, false, false},
        {"the backstop a period later",
         kBackstop,
         8640 + kAwakeTickMs,
         {9, 5},
         -1,
         0,
         false,
         false},
        {"aimed at the Clock", kTick, 8642, {9, 5}, 3, 3 + kClockMarginMs, false, false},
        {"the backstop at the Clock's change", kBackstop, 8646, {9, 5}, -1, 0, false, false},
        {"not aimed any more", kTick, 8647, {9, 5}, -1, kAwakeTickMs, false, false},
        {"a fast mouse", kInput, 8648, {10, 5}, -1, kByTimer, false, true},
        {"its input while the timer follows", kInput, 8649, {11, 5}, -1, kNone, false, true},
        {"the timer sees it move", kTick, 8658, {12, 5}, -1, kInputTickSpacingMs, false, true},
        {"the timer sees it rest", kTick, 8668, {12, 5}, -1, kAwakeTickMs, false, false},
        {"input runs the tick again", kInput, 8700, {13, 5}, -1, kNow, false, false},
        {"wake across the wrap", kWake, 0xFFFFFFF0u, {13, 5}, -1, 0, false, false},
        {"awake across the wrap", kTick, 100, {13, 5}, -1, kAwakeTickMs, false, false},
    };
    TickPace pace;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.event == kWake) {
            pace.Wake(s.atMs);
        } else if (s.event == kBackstop) {
            EXPECT_EQ(pace.BackstopCanRest(s.atMs), s.expected != 0);
        } else if (s.event == kTick) {
            EXPECT_EQ(pace.AfterTick(s.cursor, s.atMs, s.clockChangeInMs), s.expected);
        } else {
            EXPECT_EQ(static_cast<int>(pace.ForInput(s.cursor, s.event == kRangeInput, s.atMs)),
                      s.expected);
        }
        EXPECT_EQ(pace.Asleep(), s.asleep);
        EXPECT_EQ(pace.FollowingByTimer(), s.byTimer);
    }
}

}  // namespace
