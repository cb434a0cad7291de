#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "app/CoordinateOrigin.h"
#include "app/DisplayLayout.h"
#include "app/FullScreen.h"
#include "app/Placement.h"
#include "settings/DpiScale.h"

namespace {

constexpr int kCorrected = 0;
constexpr int kAbsolute = 1;

// The monitor runs from its left, top corner (0, 0 unless a row says otherwise)
// for its width and height.
struct PlacementCase {
    const char* why;
    int px, py, ox, oy, cx, cy, screenWidth, screenHeight, viewMode;
    int x, y;
    int monitorLeft = 0;
    int monitorTop = 0;
};

std::ostream& operator<<(std::ostream& out, const PlacementCase& c) {
    return out << c.why;
}

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, PutsTheWindowBesideTheCursor) {
    const PlacementCase& c = GetParam();
    const ScreenRect monitor{c.monitorLeft, c.monitorTop, c.monitorLeft + c.screenWidth,
                             c.monitorTop + c.screenHeight};
    const IndicatorPosition position =
        PlaceIndicator(c.px, c.py, c.ox, c.oy, c.cx, c.cy, monitor, c.viewMode);
    EXPECT_EQ(position.x, c.x);
    EXPECT_EQ(position.y, c.y);
}

// Screen 1024 x 768, window 60 x 18 unless a row says otherwise.
const PlacementCase kScreenCases[] = {
    {"plain offset", 100, 100, 12, 15, 60, 18, 1024, 768, kCorrected, 112, 115},
    {"right edge", 1000, 100, 12, 15, 60, 18, 1024, 768, kCorrected, 962, 115},
    {"bottom, so above the cursor", 100, 750, 12, 15, 60, 18, 1024, 768, kCorrected, 112, 730},
    {"right and bottom", 1000, 750, 12, 15, 60, 18, 1024, 768, kCorrected, 962, 730},
    {"left clamp, top clamp then below", 30, 10, -70, -25, 60, 18, 1024, 768, kCorrected, 2, 12},
    {"top clamp then below", 10, 5, 12, -20, 60, 18, 1024, 768, kCorrected, 22, 7},
    {"would cover the cursor", 300, 300, -30, -5, 60, 18, 1024, 768, kCorrected, 302, 302},
    {"absolute: no clamping", 1000, 100, 12, 15, 60, 18, 1024, 768, kAbsolute, 1012, 115},
    {"absolute: cursor rule", 300, 300, -30, -5, 60, 18, 1024, 768, kAbsolute, 302, 302},
    {"absolute: any nonzero mode", 1000, 750, 12, 15, 60, 18, 1024, 768, -7, 1012, 765},
    {"absolute: off the top left", 5, 5, -70, -25, 60, 18, 1024, 768, kAbsolute, -65, -20},
};
INSTANTIATE_TEST_SUITE_P(Screen, PlacementTest, testing::ValuesIn(kScreenCases));

// Where each comparison changes over; a row one pixel either side of it.
const PlacementCase kBoundaryCases[] = {
    {"right: one short of the margin", 949, 100, 12, 15, 60, 18, 1024, 768, kCorrected, 961, 115},
    {"right: reaching the margin", 950, 100, 12, 15, 60, 18, 1024, 768, kCorrected, 962, 115},
    {"right: one past the margin", 951, 100, 12, 15, 60, 18, 1024, 768, kCorrected, 962, 115},
    {"left: at the margin", 14, 100, -12, 15, 60, 18, 1024, 768, kCorrected, 2, 115},
    {"left: one inside", 15, 100, -12, 15, 60, 18, 1024, 768, kCorrected, 3, 115},
    {"left: one outside", 13, 100, -12, 15, 60, 18, 1024, 768, kCorrected, 2, 115},
    {"bottom: one short", 100, 732, 12, 15, 60, 18, 1024, 768, kCorrected, 112, 747},
    {"bottom: reaching the margin", 100, 733, 12, 15, 60, 18, 1024, 768, kCorrected, 112, 748},
    {"bottom clamp one below the row", 100, 747, 12, 1, 60, 18, 1024, 768, kCorrected, 112, 748},
    {"bottom clamp on the row", 100, 748, 12, 1, 60, 18, 1024, 768, kCorrected, 112, 728},
    {"top: exactly at the margin", 100, 20, 12, -18, 60, 18, 1024, 768, kCorrected, 112, 2},
    {"top clamp, cursor on the row", 100, 20, 12, -19, 60, 18, 1024, 768, kCorrected, 112, 22},
    {"top clamp, cursor below it", 100, 21, 12, -20, 60, 18, 1024, 768, kCorrected, 112, 2},
    {"zero offsets cover the cursor", 300, 300, 0, 0, 60, 18, 1024, 768, kCorrected, 302, 302},
    {"zero x offset: left edge on it", 300, 300, 0, -5, 60, 18, 1024, 768, kCorrected, 302, 302},
    {"right edge on the cursor", 300, 300, -60, -5, 60, 18, 1024, 768, kCorrected, 302, 302},
    {"right edge left of the cursor", 300, 300, -61, -5, 60, 18, 1024, 768, kCorrected, 239, 295},
    {"bottom edge on the cursor", 300, 300, -30, -18, 60, 18, 1024, 768, kCorrected, 302, 302},
    {"bottom edge above the cursor", 300, 300, -30, -19, 60, 18, 1024, 768, kCorrected, 270, 281},
    {"top edge on the cursor", 300, 300, -30, 0, 60, 18, 1024, 768, kCorrected, 302, 302},
    {"absolute: zero offsets", 300, 300, 0, 0, 60, 18, 1024, 768, kAbsolute, 302, 302},
    {"cursor rule not clamped again", 1023, 767, 0, 0, 60, 18, 1024, 768, kAbsolute, 1025, 769},
    {"negative cursor: clamps use 0", -500, -300, 12, 15, 60, 18, 1024, 768, kCorrected, -488,
     -285},
    {"negative cursor, negative offset", -500, -300, -12, -15, 60, 18, 1024, 768, kCorrected, 2,
     -298},
};
INSTANTIATE_TEST_SUITE_P(Boundaries, PlacementTest, testing::ValuesIn(kBoundaryCases));

// Offsets from a hand-edited file can be anything; positions past the int range
// are held at its ends instead of wrapping.
const PlacementCase kExtremeCases[] = {
    {"huge offsets clamp right and bottom", INT_MAX, 100, INT_MAX, INT_MAX, 60, 18, 1024, 768,
     kCorrected, 962, 748},
    {"huge negative offsets clamp left and top", INT_MIN, INT_MIN, INT_MIN, INT_MIN, 60, 18, 1024,
     768, kCorrected, 2, INT_MIN + 2},
    {"huge cursor, huge negative offset", INT_MAX, INT_MAX, INT_MIN, INT_MIN, 60, 18, 1024, 768,
     kCorrected, 2, 2},
    {"absolute: held at INT_MAX", INT_MAX, 100, INT_MAX, 15, 60, 18, 1024, 768, kAbsolute, INT_MAX,
     115},
    {"absolute: held at INT_MIN", -100, -100, INT_MIN, INT_MIN, 60, 18, 1024, 768, kAbsolute,
     INT_MIN, INT_MIN},
    {"absolute: cursor rule at INT_MAX", INT_MAX, 100, INT_MAX, -5, 60, 18, 1024, 768, kAbsolute,
     INT_MAX, 102},
    {"absolute: cursor rule near INT_MIN", INT_MIN, INT_MIN, 0, 0, 60, 18, 1024, 768, kAbsolute,
     INT_MIN + 2, INT_MIN + 2},
    {"cursor at the far corner: left of it", INT_MAX, INT_MAX, 0, 0, 60, 18, 1024, 768, kAbsolute,
     INT_MAX - 62, INT_MAX},
    {"cursor at the far right: the step below suffices", INT_MAX, 300, -30, -5, 60, 18, 1024, 768,
     kCorrected, INT_MAX, 302},
    {"tall window above the cursor", 100, 0, 12, 15, 60, INT_MAX, 1024, 768, kCorrected, 112,
     INT_MIN},
};
INSTANTIATE_TEST_SUITE_P(Extremes, PlacementTest, testing::ValuesIn(kExtremeCases));

// A desk of two monitors: the primary 1280 x 1024 at 0, 0 and a 1024 x 768 one
// left of it (x -1024 to 0); and a monitor above the primary (y -768 to 0).
// Every rule keeps to the edges of the cursor's monitor.
const PlacementCase kMonitorCases[] = {
    {"left monitor: plain offset", -512, 300, 12, 15, 60, 18, 1024, 768, kCorrected, -500, 315,
     -1024},
    {"left monitor: right edge at the seam", -10, 300, 12, 15, 60, 18, 1024, 768, kCorrected, -62,
     315, -1024},
    {"left monitor: bottom, so above the cursor", -512, 765, 12, 15, 60, 18, 1024, 768, kCorrected,
     -500, 745, -1024},
    {"left monitor: left clamp", -1000, 300, -70, -25, 60, 18, 1024, 768, kCorrected, -1022, 275,
     -1024},
    {"left monitor: negative offsets", -512, 384, -40, -30, 60, 18, 1024, 768, kCorrected, -552,
     354, -1024},
    {"left monitor: top clamp then below", -512, 5, 12, -20, 60, 18, 1024, 768, kCorrected, -500, 7,
     -1024},
    {"left monitor: absolute crosses the seam", -10, 300, 12, 15, 60, 18, 1024, 768, kAbsolute, 2,
     315, -1024},
    {"primary: right edge", 1277, 512, 12, 15, 60, 18, 1280, 1024, kCorrected, 1218, 527},
    {"primary: left clamp at the seam", 10, 512, -70, -25, 60, 18, 1280, 1024, kCorrected, 2, 487},
    {"monitor above: bottom, so above the cursor", 500, -5, 12, 15, 60, 18, 1024, 768, kCorrected,
     512, -25, 0, -768},
    {"monitor above: top clamp then below", 500, -760, 12, -20, 60, 18, 1024, 768, kCorrected, 512,
     -758, 0, -768},
};
INSTANTIATE_TEST_SUITE_P(Monitors, PlacementTest, testing::ValuesIn(kMonitorCases));

struct MonitorAtCase {
    const char* why;
    ScreenPoint point;
    int monitor;  // index into the layout, -1 for none
};

std::ostream& operator<<(std::ostream& out, const MonitorAtCase& c) {
    return out << c.why;
}

class MonitorAtTest : public testing::TestWithParam<MonitorAtCase> {};

// The primary at 0, 0 and a shorter monitor left of it, at 120 DPI.
const DisplayLayout kTwoMonitors = {{{{0, 0, 1280, 1024}, 96}, {{-1024, 0, 0, 768}, 120}}, 2};

TEST_P(MonitorAtTest, FindsTheMonitorThatHoldsOrIsNearestThePoint) {
    const MonitorAtCase& c = GetParam();
    const MonitorArea found = MonitorAt(kTwoMonitors, c.point);
    const MonitorArea& expected = kTwoMonitors.monitors[c.monitor];
    EXPECT_EQ(found.rect.left, expected.rect.left);
    EXPECT_EQ(found.rect.top, expected.rect.top);
    EXPECT_EQ(found.rect.right, expected.rect.right);
    EXPECT_EQ(found.rect.bottom, expected.rect.bottom);
    EXPECT_EQ(found.dpi, expected.dpi);
}

const MonitorAtCase kMonitorAtCases[] = {
    {"inside the primary", {100, 100}, 0},
    {"inside the left monitor", {-100, 100}, 1},
    {"on the seam: the primary's first column", {0, 500}, 0},
    {"one left of the seam", {-1, 500}, 1},
    {"below the left monitor, far from the primary", {-512, 900}, 1},
    {"below the left monitor, near the primary", {-5, 900}, 0},
    {"far right of everything", {5000, 500}, 0},
    {"above both, nearer the left one", {-300, -40}, 1},
};
INSTANTIATE_TEST_SUITE_P(TwoMonitors, MonitorAtTest, testing::ValuesIn(kMonitorAtCases));

TEST(MonitorAtTest, NoMonitorGivesAnEmptyRectangleAtTheBaseDpi) {
    const DisplayLayout none{{}, 0};
    const MonitorArea found = MonitorAt(none, {10, 10});
    EXPECT_EQ(found.rect.right - found.rect.left, 0);
    EXPECT_EQ(found.dpi, kBaseDpi);
}

// Stored sizes mean pixels at 96 DPI; rounding is to the nearest pixel,
// halves away from zero.
TEST(DpiScaleTest, ScalesStoredSizesToTheMonitor) {
    struct Row {
        int stored, dpi, pixels;
    };
    const Row rows[] = {
        {-11, 144, -17}, {12, 144, 18}, {15, 144, 23},           {-15, 144, -23},
        {12, 96, 12},    {11, 120, 14}, {-11, 192, -22},         {0, 144, 0},
        {12, 0, 12},     {12, -5, 12},  {INT_MAX, 192, INT_MAX}, {INT_MIN, 192, INT_MIN}};
    for (const Row& row : rows) {
        EXPECT_EQ(ScaleToDpi(row.stored, row.dpi), row.pixels) << row.stored << " at " << row.dpi;
    }
    const Row back[] = {
        {12, 144, 18}, {15, 144, 23}, {-11, 144, -17}, {15, 144, 22}, {-9, 120, -11}};
    for (const Row& row : back) {
        EXPECT_EQ(ScaleFromDpi(row.pixels, row.dpi), row.stored) << row.pixels << " at " << row.dpi;
    }
    // Page pixels of lengths past the int range, and coordinates counted from a corner.
    EXPECT_EQ(PagePixels(-4294967295, 192), -2147483648);
    EXPECT_EQ(CountedFrom({199, 152}, {200, 150}, 144).x, -1);
    EXPECT_EQ(CountedFrom({INT_MAX, -2}, {-1, 1}, 96).x, INT_MAX);
}

// What the user set at any scale is stored so that it comes back exactly.
TEST(DpiScaleTest, StoredValuesSurviveTheWayThereAndBack) {
    for (int dpi : {96, 97, 120, 144, 168, 192, 240, 288, 480}) {
        for (int stored = -400; stored <= 400; ++stored) {
            ASSERT_EQ(ScaleFromDpi(ScaleToDpi(stored, dpi), dpi), stored)
                << stored << " at " << dpi;
        }
    }
}

// The foreground window against the pointer's monitor, left of the primary.
TEST(FullScreenTest, TellsAFullScreenProgram) {
    const ScreenRect monitor{-1024, 0, 0, 768};
    const struct {
        ScreenRect window;
        const char* windowClass;
        bool fullScreen;
    } rows[] = {
        {{-1024, 0, 0, 768}, "Game", true},         {{-1032, -8, 8, 776}, "Game", true},
        {{-1024, 0, 1280, 1024}, "Game", true},     {{-1024, 0, -1, 768}, "Game", false},
        {{-1024, 0, 0, 767}, "Game", false},        {{-1023, 0, 0, 768}, "Game", false},
        {{-1024, 1, 0, 768}, "Game", false},        {{0, 0, 1280, 1024}, "Game", false},
        {{-1024, 0, 1280, 1024}, "Progman", false}, {{-1024, 0, 1280, 1024}, "WorkerW", false},
        {{-1024, 0, 0, 768}, "WorkerWindow", true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsFullScreenProgram(row.window, row.windowClass, monitor), row.fullScreen)
            << row.window.left << "," << row.window.top << " " << row.windowClass;
    }
    // No monitor at all: nothing covers it.
    EXPECT_FALSE(IsFullScreenProgram(ScreenRect{0, 0, 300, 200}, "Game", ScreenRect{0, 0, 0, 0}));
}

}  // namespace
