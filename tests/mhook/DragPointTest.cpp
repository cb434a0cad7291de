#include "mhook/DragPoint.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(DragPointTest, PacksXLowAndYHighBothSigned) {
    struct Case {
        std::int32_t x;
        std::int32_t y;
        std::uint64_t packed;
    };
    const Case cases[] = {
        {0, 0, 0},
        {1, 2, 0x0000'0002'0000'0001},
        {1023, 767, 0x0000'02FF'0000'03FF},
        {-1, -1, 0xFFFF'FFFF'FFFF'FFFF},
        {-1, 5, 0x0000'0005'FFFF'FFFF},  // a negative x must not spill into y
        {3, -2, 0xFFFF'FFFE'0000'0003},
        {kMin, kMax, 0x7FFF'FFFF'8000'0000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << ", y " << c.y);
        EXPECT_EQ(static_cast<std::uint64_t>(PackPoint(c.x, c.y)), c.packed);
        EXPECT_EQ(PointX(static_cast<PackedPoint>(c.packed)), c.x);
        EXPECT_EQ(PointY(static_cast<PackedPoint>(c.packed)), c.y);
    }
    EXPECT_EQ(PackPoint(-1, -1), kPointNotSet);
}

TEST(DragPointTest, MeasuresFromTheVirtualScreenCornerAndStaysInside) {
    const ScreenArea oneScreen{0, 0, 1024, 768};
    // A 1280x1024 monitor left of a 1024x768 primary, 200 pixels higher.
    const ScreenArea leftMonitor{-1280, -200, 2304, 1024};
    struct Case {
        const char* what;
        ScreenArea area;
        std::int32_t x;
        std::int32_t y;
        std::int32_t wantX;
        std::int32_t wantY;
    };
    const Case cases[] = {
        {"inside", oneScreen, 10, 20, 10, 20},
        {"far corner", oneScreen, 1023, 767, 1023, 767},
        {"pushed past the left and top edges", oneScreen, -99, -100, 0, 0},
        {"pushed past the right and bottom edges", oneScreen, 1123, 868, 1023, 767},
        {"left monitor's top-left corner", leftMonitor, -1280, -200, 0, 0},
        {"primary's top-left corner", leftMonitor, 0, 0, 1280, 200},
        {"just left of the primary", leftMonitor, -1, 10, 1279, 210},
        {"far outside both ways", leftMonitor, kMin, kMax, 0, 1023},
        {"no area at all", {0, 0, 0, 0}, 50, 60, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PackedPoint point = ToDragPoint(c.x, c.y, c.area);
        EXPECT_EQ(PointX(point), c.wantX);
        EXPECT_EQ(PointY(point), c.wantY);
    }
}

}  // namespace
