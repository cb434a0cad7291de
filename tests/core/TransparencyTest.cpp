#include <gtest/gtest.h>

#include <climits>

#include "settings/Transparency.h"

namespace {

constexpr unsigned long kBackColor = 0x00D9FFFF;

struct AlphaCase {
    int command;
    int alpha;
};

// The menu commands step the alpha down by 25; any other number from a
// hand-edited file goes through the same formula, which wraps modulo 256.
TEST(TransparencyTest, AlphaCommandsFollowTheFormula) {
    const AlphaCase cases[] = {
        {40036, 255}, {40037, 230}, {40038, 205}, {40039, 180}, {40040, 155},   {40041, 130},
        {40042, 105}, {40043, 80},  {40044, 55},  {40045, 30},  {5, 70},        {0, 195},
        {-1, 220},    {40035, 24},  {40047, 236}, {39036, 167}, {INT_MAX, 220}, {INT_MIN, 195},
    };
    for (const AlphaCase& c : cases) {
        const LayeredAttributes attributes = TransparencyFor(c.command, kBackColor);
        EXPECT_EQ(attributes.alpha, c.alpha) << c.command;
        EXPECT_EQ(attributes.flags, kLayeredAlpha) << c.command;
        EXPECT_EQ(attributes.colorKey, 0u) << c.command;
    }
}

TEST(TransparencyTest, BackgroundCommandKeysOutTheBackColor) {
    for (const unsigned long backColor : {kBackColor, 0x00000000ul, 0x00123456ul}) {
        const LayeredAttributes attributes = TransparencyFor(40046, backColor);
        EXPECT_EQ(attributes.colorKey, backColor);
        EXPECT_EQ(attributes.alpha, 0);
        EXPECT_EQ(attributes.flags, kLayeredColorKey);
    }
}

}  // namespace
