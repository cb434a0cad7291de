// The indicator follows the cursor: for each cursor point the window stands
// where PlaceIndicator puts a window of its measured size.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "WaitFor.h"
#include "app/Placement.h"

namespace {

struct PlacementRun {
    const char* name;
    int viewMode;
    int offsetX;
    int offsetY;
    std::vector<POINT> cursors;  // each keeps the window at least partly on the screen
};

class E2ePlacement : public testing::TestWithParam<PlacementRun> {};

RECT ExpectedRect(POINT cursor, const PlacementRun& run, SIZE size) {
    const IndicatorPosition at =
        PlaceIndicator(cursor.x, cursor.y, run.offsetX, run.offsetY, size.cx, size.cy,
                       GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), run.viewMode);
    return RECT{at.x, at.y, at.x + size.cx, at.y + size.cy};
}

TEST_P(E2ePlacement, FollowsTheCursor) {
    const PlacementRun& run = GetParam();
    ASSERT_TRUE(PlaceCursor(run.cursors.front().x, run.cursors.front().y));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"},
                                           {"VIEW_MODE", std::to_string(run.viewMode)},
                                           {"WINPOINT_X", std::to_string(run.offsetX)},
                                           {"WINPOINT_Y", std::to_string(run.offsetY)}})));
    ASSERT_TRUE(session.WaitForFirstTick());

    for (const POINT cursor : run.cursors) {
        ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y)) << cursor.x << "," << cursor.y;
        const std::string text = "x:" + std::to_string(cursor.x) + " y:" + std::to_string(cursor.y);
        const SIZE measured = MeasureWindowFor(text, DefaultIndicatorFont());
        RECT seen{};
        RECT expected{};
        WaitFor(kSettleTimeoutMs, [&] {
            seen = session.WindowRect();
            // The position follows from the size the window has, so that a
            // wrong size does not hide a right placement rule, and vice versa.
            expected =
                ExpectedRect(cursor, run, SIZE{seen.right - seen.left, seen.bottom - seen.top});
            return seen == expected && seen.right - seen.left == measured.cx &&
                   seen.bottom - seen.top == measured.cy;
        });
        EXPECT_EQ(seen, expected) << "cursor " << cursor.x << "," << cursor.y;
        EXPECT_EQ(seen.right - seen.left, measured.cx) << "width for \"" << text << "\"";
        EXPECT_EQ(seen.bottom - seen.top, measured.cy) << "height for \"" << text << "\"";
    }
}

constexpr int kCorrected = 0;
constexpr int kAbsolute = 1;

// Middle, the four edges and the four corners of a 1024 x 768 screen.
const std::vector<POINT> kEveryEdge = {{512, 384}, {0, 384},  {1023, 384}, {512, 0},   {512, 767},
                                       {0, 0},     {1023, 0}, {0, 767},    {1023, 767}};

const PlacementRun kRuns[] = {
    {"CorrectedDefaultOffsets", kCorrected, 12, 15, kEveryEdge},
    {"CorrectedNegativeOffsets", kCorrected, -70, -25, kEveryEdge},
    // Zero offsets always cover the cursor, so the window steps below and right
    // of it; near the far edges it stays partly on the screen.
    {"CorrectedZeroOffsets",
     kCorrected,
     0,
     0,
     {{512, 384}, {0, 384}, {1000, 384}, {512, 0}, {512, 750}, {0, 0}, {1000, 750}}},
    {"CorrectedLargeOffsets", kCorrected, 300, 200, kEveryEdge},
    // Absolute placement is not clamped: points near the far edges leave the
    // window partly on the screen.
    {"AbsoluteDefaultOffsets",
     kAbsolute,
     12,
     15,
     {{512, 384}, {0, 384}, {1000, 384}, {512, 0}, {512, 740}, {0, 0}, {1000, 740}}},
    {"AbsoluteCoveringOffsets",
     kAbsolute,
     -30,
     -5,
     {{512, 384}, {0, 384}, {1010, 384}, {512, 0}, {512, 750}, {0, 0}, {1010, 750}}},
    {"AbsoluteNegativeOffsets",
     kAbsolute,
     -100,
     -40,
     {{512, 384}, {60, 384}, {1023, 384}, {512, 30}, {512, 767}, {60, 30}, {1023, 767}}},
};

INSTANTIATE_TEST_SUITE_P(Runs, E2ePlacement, testing::ValuesIn(kRuns), CaseName());

// A display mode outside the list leaves the line empty; the tick still
// measures it and keeps the window beside the cursor.
TEST(E2eUnknownMode, KeepsAnEmptyLineBesideTheCursor) {
    const PlacementRun run{"UnknownMode", kCorrected, 12, 15, {{300, 300}, {700, 500}}};
    ASSERT_TRUE(PlaceCursor(run.cursors.front().x, run.cursors.front().y));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "5"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const SIZE measured = MeasureWindowFor("", DefaultIndicatorFont());
    for (const POINT cursor : run.cursors) {
        ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y));
        const RECT expected = ExpectedRect(cursor, run, measured);
        EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return session.WindowRect() == expected; }))
            << "seen " << session.WindowRect() << ", expected " << expected;
    }
}

}  // namespace
