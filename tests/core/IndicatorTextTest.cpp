#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <ostream>
#include <string>

#include "app/IndicatorText.h"
#include "app/KeyboardMeasure.h"
#include "text/CodePage.h"
#include "text/ColourNotation.h"

namespace {

// Hands out fixed answers and counts what it was asked.
class RecordingSources : public IndicatorTextSources {
  public:
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

    std::string clock = "2024/05/06 07:08:09";
    DragPoints drag{{-1, -1}, {-1, -1}, {-1, -1}};
    int clockReads = 0;
    int dragReads = 0;
    ColourReading colour{};
    int colourReads = 0;
};

constexpr char kCanary = '\x5A';

// The 80-byte line followed by guard bytes that no write may reach.
struct GuardedText {
    char bytes[kIndicatorTextSize + 16];

    explicit GuardedText(const char* initial = "") {
        std::memset(bytes, kCanary, sizeof bytes);
        std::strcpy(bytes, initial);
    }
    char* text() { return bytes; }
    std::string str() const { return std::string(bytes); }
    bool GuardIntact() const {
        for (std::size_t i = kIndicatorTextSize; i < sizeof bytes; ++i) {
            if (bytes[i] != kCanary) {
                return false;
            }
        }
        return true;
    }
};

constexpr int kCoordinates = 0;
constexpr int kClock = 1;
constexpr int kRange = 2;
constexpr ScreenPoint kUnset{-1, -1};

struct RangeCase {
    const char* why;
    DragPoints drag;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const RangeCase& c) {
    return out << c.why;
}

class IndicatorTextRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(IndicatorTextRangeTest, ShowsTheDragSize) {
    const RangeCase& c = GetParam();
    RecordingSources sources;
    sources.drag = c.drag;
    GuardedText line("left over from an earlier tick, longer than any size line");
    BuildIndicatorText(kRange, ScreenPoint{5, 5}, sources, line.text());
    EXPECT_EQ(line.str(), c.expected);
    EXPECT_TRUE(line.GuardIntact());
    EXPECT_EQ(sources.dragReads, 1);
    EXPECT_EQ(sources.clockReads, 0);
}

const RangeCase kRangeCases[] = {
    {"before any drag", {kUnset, kUnset, {500, 400}}, "size x:0 y:0"},
    {"during a drag: live size", {{100, 200}, kUnset, {150, 260}}, "size x:50 y:60"},
    {"after a drag: final size", {{100, 200}, {400, 250}, {999, 999}}, "size x:300 y:50"},
    {"end set without start", {kUnset, {30, 40}, {0, 0}}, "size x:31 y:41"},
    {"up and to the left", {{400, 300}, kUnset, {100, 50}}, "size x:-300 y:-250"},
    {"finished up and to the left", {{400, 300}, {390, 320}, {0, 0}}, "size x:-10 y:20"},
    {"x of 0 counts as set", {{0, 0}, {0, 7}, {50, 50}}, "size x:0 y:7"},
    {"start x of 0 counts as set", {{0, 0}, kUnset, {7, 8}}, "size x:7 y:8"},
    {"only end.x decides", {{10, 10}, {-1, 500}, {20, 30}}, "size x:10 y:20"},
    {"only start.x decides", {{-1, 10}, {-5, 500}, {20, 30}}, "size x:0 y:0"},
    {"negative y of a set start", {{10, -20}, kUnset, {15, 30}}, "size x:5 y:50"},
    {"widest positive",
     {{0, INT_MIN}, {INT_MAX, INT_MAX}, {0, 0}},
     "size x:2147483647 y:4294967295"},
    {"widest negative",
     {{INT_MAX, INT_MAX}, kUnset, {INT_MIN, INT_MIN}},
     "size x:-4294967295 y:-4294967295"},
    // Page pixels of the monitor where it started; halves away from zero.
    {"page pixels at 144 DPI", {{100, 200}, {400, 251}, {0, 0}, 144}, "size x:200 y:34"},
    {"page pixels, halves at 192 DPI", {{10, 10}, kUnset, {13, 7}, 192}, "size x:2 y:-2"},
    {"page pixels, widest at 192 DPI",
     {{0, INT_MIN}, {INT_MAX, INT_MAX}, {0, 0}, 192},
     "size x:1073741824 y:2147483648"},
};
INSTANTIATE_TEST_SUITE_P(Drags, IndicatorTextRangeTest, testing::ValuesIn(kRangeCases));

// The anchor key's measurement against the mouse hook's drags, step by step:
// 'p' presses the key, 't' ticks and shows Range's line, 'f' leaves Range;
// each with the pointer and the hook's points as they stand.
TEST(KeyboardMeasureTest, PressesMeasureUntilADragReplacesThem) {
    const DragPoints none{kUnset, kUnset, kUnset};
    const DragPoints drag{{50, 60}, {80, 100}, {80, 100}};
    const DragPoints pressAtItsStart{{50, 60}, kUnset, {50, 60}};
    const DragPoints later{{50, 60}, {90, 90}, {90, 90}};
    const struct {
        char step;
        ScreenPoint pointer;
        DragPoints hook;
        const char* line;
    } steps[] = {
        {'t', {10, 10}, none, "size x:0 y:0"},     {'p', {100, 200}, none, nullptr},
        {'t', {130, 250}, none, "size x:30 y:50"}, {'p', {140, 260}, none, nullptr},
        {'t', {500, 500}, none, "size x:40 y:60"}, {'p', {10, 20}, none, nullptr},
        {'t', {5, 30}, none, "size x:-5 y:10"},    {'t', {5, 30}, drag, "size x:30 y:40"},
        {'p', {300, 300}, drag, nullptr},          {'p', {310, 330}, drag, nullptr},
        {'t', {0, 0}, drag, "size x:10 y:30"},     {'t', {0, 0}, pressAtItsStart, "size x:0 y:0"},
        {'p', {20, 20}, pressAtItsStart, nullptr}, {'p', {25, 27}, later, nullptr},
        {'t', {30, 30}, later, "size x:5 y:3"},    {'f', {0, 0}, later, nullptr},
        {'t', {30, 30}, later, "size x:40 y:30"},
    };
    KeyboardMeasure measure;
    int index = 0;
    for (const auto& step : steps) {
        ++index;
        if (step.step == 'p') {
            measure.Press(step.pointer, step.hook);
        } else if (step.step == 'f') {
            measure.Forget();
        } else {
            RecordingSources sources;
            sources.drag = measure.Shown(step.hook, step.pointer);
            GuardedText line;
            BuildIndicatorText(kRange, step.pointer, sources, line.text());
            EXPECT_EQ(line.str(), step.line) << "step " << index;
        }
    }
}

struct CoordinatesCase {
    ScreenPoint cursor;
    const char* expected;
};

TEST(IndicatorTextTest, CoordinatesShowTheCursor) {
    const CoordinatesCase cases[] = {
        {{123, 456}, "x:123 y:456"},
        {{-1280, -5}, "x:-1280 y:-5"},
        {{0, 0}, "x:0 y:0"},
        {{INT_MIN, INT_MAX}, "x:-2147483648 y:2147483647"},
    };
    for (const CoordinatesCase& c : cases) {
        RecordingSources sources;
        GuardedText line("left over from an earlier tick");
        BuildIndicatorText(kCoordinates, c.cursor, sources, line.text());
        EXPECT_EQ(line.str(), c.expected);
        EXPECT_TRUE(line.GuardIntact());
        EXPECT_EQ(sources.clockReads + sources.dragReads + sources.colourReads, 0) << c.expected;
    }
}

TEST(IndicatorTextTest, ClockCopiesAtMost79Bytes) {
    struct ClockCase {
        std::size_t length;
        std::size_t kept;
    };
    const ClockCase cases[] = {{0, 0}, {19, 19}, {78, 78}, {79, 79}, {80, 79}, {99, 79}};
    for (const ClockCase& c : cases) {
        RecordingSources sources;
        sources.clock.clear();
        for (std::size_t i = 0; i < c.length; ++i) {
            sources.clock += static_cast<char>('a' + i % 26);
        }
        GuardedText line("left over from an earlier tick");
        BuildIndicatorText(kClock, ScreenPoint{1, 2}, sources, line.text());
        EXPECT_EQ(line.str(), sources.clock.substr(0, c.kept)) << c.length;
        EXPECT_TRUE(line.GuardIntact()) << c.length;
        EXPECT_EQ(sources.clockReads, 1);
        EXPECT_EQ(sources.dragReads, 0);
    }
}

#ifdef _WIN32
TEST(IndicatorTextTest, ClockCutKeepsDoubleByteCharactersWhole) {
    if (!IsLeadByte(0x82)) {
        GTEST_SKIP() << "the ANSI code page is not Shift-JIS";
    }
    // 78 single bytes, then a double-byte character (Hiragana a) straddling
    // the 79-byte limit: it goes as a whole.
    RecordingSources sources;
    sources.clock = std::string(78, 'y') + "\x82\xa0";
    GuardedText line;
    BuildIndicatorText(kClock, ScreenPoint{0, 0}, sources, line.text());
    EXPECT_EQ(line.str(), std::string(78, 'y'));
    EXPECT_TRUE(line.GuardIntact());
}
#endif

TEST(IndicatorTextTest, UnknownModeKeepsTheLineAndAsksNothing) {
    for (const int mode : {4, -1, 40, INT_MAX, INT_MIN}) {
        RecordingSources sources;
        GuardedText line("x:10 y:20");
        BuildIndicatorText(mode, ScreenPoint{300, 400}, sources, line.text());
        EXPECT_EQ(line.str(), "x:10 y:20") << mode;
        EXPECT_EQ(sources.clockReads + sources.dragReads + sources.colourReads, 0) << mode;
    }
}

TEST(IndicatorTextTest, ColourShowsThePixelInItsNotation) {
    const struct {
        ColourReading colour;
        const char* expected;
    } cases[] = {
        {{true, 0x1E90FF, kColourHex}, "#1E90FF"},
        {{true, 0xFF1E90FF, 4}, "#1E90FF"},  // a notation outside the list; 24 bits of colour
        {{true, 0x1E90FF, kColourDecimal}, "R:30 G:144 B:255"},
        {{true, 0x1E90FF, kColourCssRgb}, "rgb(30, 144, 255)"},
        {{true, 0x1E90FF, kColourCssHsl}, "hsl(210, 100%, 56%)"},
        {{true, 0x808080, kColourCssHsl}, "hsl(0, 0%, 50%)"},    // a grey
        {{true, 0xC85150, kColourCssHsl}, "hsl(1, 52%, 55%)"},   // hue 0.5 rounds up
        {{true, 0x090707, kColourCssHsl}, "hsl(0, 13%, 3%)"},    // saturation 12.5 rounds up
        {{true, 0xFF0001, kColourCssHsl}, "hsl(0, 100%, 50%)"},  // hue 359.8 comes round to 0
        {{false, 0x1E90FF, kColourHex}, ""},  // unreadable: nothing rather than a wrong colour
    };
    for (const auto& c : cases) {
        RecordingSources sources;
        sources.colour = c.colour;
        GuardedText line("left over from an earlier tick");
        BuildIndicatorText(3, ScreenPoint{1, 2}, sources, line.text());
        EXPECT_EQ(line.str(), c.expected);
        EXPECT_TRUE(line.GuardIntact());
        EXPECT_EQ(sources.colourReads + sources.clockReads + sources.dragReads, 1);
    }
}

TEST(IndicatorTextTest, DragPointsPackXLowAndYHigh) {
    struct PackCase {
        ScreenPoint point;
        std::uint64_t packed;
    };
    const PackCase cases[] = {
        {{1, 2}, 0x0000000200000001u},   {{-1, 5}, 0x00000005FFFFFFFFu},
        {{7, -1}, 0xFFFFFFFF00000007u},  {{INT_MIN, INT_MAX}, 0x7FFFFFFF80000000u},
        {{-1, -1}, 0xFFFFFFFFFFFFFFFFu},
    };
    for (const PackCase& c : cases) {
        const auto packed = static_cast<std::int64_t>(c.packed);
        EXPECT_EQ(static_cast<std::uint64_t>(PackDragPoint(c.point)), c.packed);
        const ScreenPoint point = UnpackDragPoint(packed);
        EXPECT_EQ(point.x, c.point.x);
        EXPECT_EQ(point.y, c.point.y);
    }
}

struct MeasureCase {
    int textWidth, textHeight;
    FrameInsets frame;
    int width, height;
};

TEST(IndicatorTextTest, MeasureAddsRoomAndFrame) {
    const MeasureCase cases[] = {
        {54, 13, {1, 1, 1, 1}, 60, 15},                      // the usual one-pixel border
        {0, 0, {1, 1, 1, 1}, 6, 2},                          // empty text
        {54, 13, {0, 0, 0, 0}, 58, 13},                      // no frame
        {54, 13, {3, 22, 4, 5}, 65, 40},                     // each side counted on its own
        {INT_MAX, INT_MAX, {1, 1, 1, 1}, INT_MAX, INT_MAX},  // held, not wrapped
    };
    for (const MeasureCase& c : cases) {
        const IndicatorSize size = MeasureIndicator(c.textWidth, c.textHeight, c.frame);
        EXPECT_EQ(size.width, c.width) << c.textWidth << "x" << c.textHeight;
        EXPECT_EQ(size.height, c.height) << c.textWidth << "x" << c.textHeight;
    }
}

}  // namespace
