#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "app/Placement.h"

namespace {

constexpr int kCorrected = 0;
constexpr int kAbsolute = 1;

struct PlacementCase {
    const char* why;
    int px, py, ox, oy, cx, cy, screenWidth, screenHeight, viewMode;
    int x, y;
};

std::ostream& operator<<(std::ostream& out, const PlacementCase& c) {
    return out << c.why;
}

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, PutsTheWindowBesideTheCursor) {
    const PlacementCase& c = GetParam();
    const IndicatorPosition position = PlaceIndicator(c.px, c.py, c.ox, c.oy, c.cx, c.cy,
                                                      c.screenWidth, c.screenHeight, c.viewMode);
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

}  // namespace
