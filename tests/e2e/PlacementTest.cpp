// The indicator follows the cursor: for each cursor point the window stands
// where a table written from the placement rules puts it, on a 1024 x 768
// screen. Each rule fixes one edge across and one edge down (a clamp to the
// right fixes the right edge, a plain offset the left one), so the table gives
// that edge as a literal number and holds whatever the window's size is.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "WaitFor.h"

namespace {

enum class Side { Left, Right, Top, Bottom };

struct Edge {
    Side side;
    int at;
};

Edge Left(int at) {
    return {Side::Left, at};
}
Edge Right(int at) {
    return {Side::Right, at};
}
Edge Top(int at) {
    return {Side::Top, at};
}
Edge Bottom(int at) {
    return {Side::Bottom, at};
}

int EdgeOf(const RECT& rect, Side side) {
    switch (side) {
        case Side::Left:
            return rect.left;
        case Side::Right:
            return rect.right;
        case Side::Top:
            return rect.top;
        case Side::Bottom:
            break;
    }
    return rect.bottom;
}

const char* NameOf(Side side) {
    const char* names[] = {"left", "right", "top", "bottom"};
    return names[static_cast<int>(side)];
}

// A cursor point and the two edges the rules fix for it.
struct Spot {
    POINT cursor;
    Edge across;
    Edge down;
};

std::ostream& operator<<(std::ostream& out, const Spot& spot) {
    return out << "cursor " << spot.cursor.x << "," << spot.cursor.y << ": "
               << NameOf(spot.across.side) << " " << spot.across.at << ", "
               << NameOf(spot.down.side) << " " << spot.down.at;
}

struct PlacementRun {
    const char* name;
    int viewMode;
    int offsetX;
    int offsetY;
    std::vector<Spot> spots;  // each keeps the window at least partly on the screen
};

// Test lists and failure lines name a case by its name.
void PrintTo(const PlacementRun& c, std::ostream* out) {
    *out << c.name;
}

class E2ePlacement : public testing::TestWithParam<PlacementRun> {};

bool Stands(const RECT& rect, const Spot& spot) {
    return EdgeOf(rect, spot.across.side) == spot.across.at &&
           EdgeOf(rect, spot.down.side) == spot.down.at;
}

// Starts the program in Coordinates mode with the run's offsets and placement
// and moves the cursor from spot to spot: the window stands where the spot says,
// at the size of the coordinates it shows. With readText, where every window
// lies wholly on a monitor, the screen must show those coordinates too.
void FollowTheCursor(const PlacementRun& run, bool readText) {
    ASSERT_TRUE(PlaceCursor(run.spots.front().cursor.x, run.spots.front().cursor.y));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"},
                                           {"VIEW_MODE", std::to_string(run.viewMode)},
                                           {"WINPOINT_X", std::to_string(run.offsetX)},
                                           {"WINPOINT_Y", std::to_string(run.offsetY)}})));
    ASSERT_TRUE(session.WaitForFirstTick());

    for (const Spot& spot : run.spots) {
        const POINT cursor = spot.cursor;
        ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y)) << cursor.x << "," << cursor.y;
        const std::string text = "x:" + std::to_string(cursor.x) + " y:" + std::to_string(cursor.y);
        const SIZE measured = MeasureWindowFor(text, DefaultIndicatorFont());
        RECT seen{};
        WaitFor(kSettleTimeoutMs, [&] {
            seen = session.WindowRect();
            return Stands(seen, spot) && seen.right - seen.left == measured.cx &&
                   seen.bottom - seen.top == measured.cy;
        });
        EXPECT_TRUE(Stands(seen, spot)) << spot << "; seen " << seen;
        EXPECT_EQ(seen.right - seen.left, measured.cx) << "width for \"" << text << "\"";
        EXPECT_EQ(seen.bottom - seen.top, measured.cy) << "height for \"" << text << "\"";
        if (readText) {
            EXPECT_TRUE(ShowsText(session.window, text, DefaultLook(), kSettleTimeoutMs)) << spot;
        }
    }
}

TEST_P(E2ePlacement, FollowsTheCursor) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    FollowTheCursor(GetParam(), false);
}

constexpr int kCorrected = 0;
constexpr int kAbsolute = 1;

// Windows of 40 to 200 pixels across and 12 to 24 down take the same rule at
// every point below. Corrected clamps keep 2 pixels to the right edge (1022)
// and bottom edge (766); a window clamped onto the cursor's row goes above it
// (bottom 2 above the cursor), one at the top that reaches the row goes below
// it (top 2 below); a window under the cursor steps to 2 right of and below it.
const PlacementRun kRuns[] = {
    {"CorrectedDefaultOffsets",
     kCorrected,
     12,
     15,
     {{{512, 384}, Left(524), Top(399)},
      {{0, 384}, Left(12), Top(399)},
      {{1023, 384}, Right(1022), Top(399)},
      {{512, 0}, Left(524), Top(15)},
      {{512, 767}, Left(524), Bottom(765)},
      {{0, 0}, Left(12), Top(15)},
      {{1023, 0}, Right(1022), Top(15)},
      {{0, 767}, Left(12), Bottom(765)},
      {{1023, 767}, Right(1022), Bottom(765)}}},
    {"CorrectedNegativeOffsets",
     kCorrected,
     -70,
     -25,
     {{{512, 384}, Left(442), Top(359)},
      {{0, 384}, Left(2), Top(359)},
      {{1023, 384}, Left(953), Top(359)},
      {{512, 0}, Left(442), Top(2)},
      {{512, 767}, Left(442), Top(742)},
      {{0, 0}, Left(2), Top(2)},
      {{1023, 0}, Left(953), Top(2)},
      {{0, 767}, Left(2), Top(742)},
      {{1023, 767}, Left(953), Top(742)}}},
    // Zero offsets cover the cursor unless a clamp to the left or top edge has
    // already moved the window off it.
    {"CorrectedZeroOffsets",
     kCorrected,
     0,
     0,
     {{{512, 384}, Left(514), Top(386)},
      {{0, 384}, Left(2), Top(384)},
      {{1000, 384}, Left(1002), Top(386)},
      {{512, 0}, Left(512), Top(2)},
      {{512, 750}, Left(514), Top(752)},
      {{0, 0}, Left(2), Top(2)},
      {{1000, 750}, Left(1002), Top(752)}}},
    {"CorrectedLargeOffsets",
     kCorrected,
     300,
     200,
     {{{512, 384}, Left(812), Top(584)},
      {{0, 384}, Left(300), Top(584)},
      {{1023, 384}, Right(1022), Top(584)},
      {{512, 0}, Left(812), Top(200)},
      {{512, 767}, Left(812), Bottom(765)},
      {{0, 0}, Left(300), Top(200)},
      {{1023, 0}, Right(1022), Top(200)},
      {{0, 767}, Left(300), Bottom(765)},
      {{1023, 767}, Right(1022), Bottom(765)}}},
    // Absolute placement is not clamped: points near the far edges leave the
    // window partly on the screen.
    {"AbsoluteDefaultOffsets",
     kAbsolute,
     12,
     15,
     {{{512, 384}, Left(524), Top(399)},
      {{0, 384}, Left(12), Top(399)},
      {{1000, 384}, Left(1012), Top(399)},
      {{512, 0}, Left(524), Top(15)},
      {{512, 740}, Left(524), Top(755)},
      {{0, 0}, Left(12), Top(15)},
      {{1000, 740}, Left(1012), Top(755)}}},
    {"AbsoluteCoveringOffsets",
     kAbsolute,
     -30,
     -5,
     {{{512, 384}, Left(514), Top(386)},
      {{0, 384}, Left(2), Top(386)},
      {{1010, 384}, Left(1012), Top(386)},
      {{512, 0}, Left(514), Top(2)},
      {{512, 750}, Left(514), Top(752)},
      {{0, 0}, Left(2), Top(2)},
      {{1010, 750}, Left(1012), Top(752)}}},
    {"AbsoluteNegativeOffsets",
     kAbsolute,
     -100,
     -40,
     {{{512, 384}, Left(412), Top(344)},
      {{60, 384}, Left(-40), Top(344)},
      {{1023, 384}, Left(923), Top(344)},
      {{512, 30}, Left(412), Top(-10)},
      {{512, 767}, Left(412), Top(727)},
      {{60, 30}, Left(-40), Top(-10)},
      {{1023, 767}, Left(923), Top(727)}}},
};

INSTANTIATE_TEST_SUITE_P(Runs, E2ePlacement, testing::ValuesIn(kRuns), CaseName());

// --- Two monitors ----------------------------------------------------------------

// These run on a private X server with two monitors (run-two-monitors.sh sets
// TAVIKAN_TWO_MONITORS there): the primary 1280 x 1024 at 0, 0 and a 1024 x 768
// monitor left of it, at x -1024 to 0. Elsewhere they are skipped.
testing::AssertionResult OnTheTwoMonitorDesk() {
    char value[8] = {};
    if (GetEnvironmentVariableA("TAVIKAN_TWO_MONITORS", value, sizeof value) == 0) {
        return testing::AssertionFailure() << "runs on two monitors (E2eTwoMonitors.Desk)";
    }
    return testing::AssertionSuccess();
}

void ExpectTheTwoMonitorDesk() {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    ASSERT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1024);
    ASSERT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 2304);
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
}

class E2eTwoMonitors : public testing::TestWithParam<PlacementRun> {};

TEST_P(E2eTwoMonitors, KeepsToTheCursorsMonitor) {
    const testing::AssertionResult desk = OnTheTwoMonitorDesk();
    if (!desk) {
        GTEST_SKIP() << desk.message();
    }
    ExpectTheTwoMonitorDesk();
    FollowTheCursor(GetParam(), GetParam().viewMode == kCorrected);
}

// Corrected clamps keep 2 pixels inside the cursor's monitor: the primary's
// right edge is 1278 and its bottom 1022; the left monitor's right edge (the
// seam) is -2, its left -1022 and its bottom 766. Coordinates on the left
// monitor are negative.
const PlacementRun kTwoMonitorRuns[] = {
    {"CorrectedDefaultOffsets",
     kCorrected,
     12,
     15,
     {{{640, 512}, Left(652), Top(527)},
      {{1279, 512}, Right(1278), Top(527)},
      {{1279, 1023}, Right(1278), Bottom(1021)},
      {{0, 0}, Left(12), Top(15)},
      {{-512, 384}, Left(-500), Top(399)},
      {{-1, 384}, Right(-2), Top(399)},
      {{-512, 767}, Left(-500), Bottom(765)},
      {{-1024, 767}, Left(-1012), Bottom(765)},
      {{-1, 0}, Right(-2), Top(15)}}},
    {"CorrectedNegativeOffsets",
     kCorrected,
     -40,
     -30,
     {{{640, 512}, Left(600), Top(482)},
      {{0, 512}, Left(2), Top(482)},
      {{-512, 384}, Left(-552), Top(354)},
      {{-1024, 384}, Left(-1022), Top(354)},
      {{-1024, 0}, Left(-1022), Top(2)},
      {{-1, 767}, Left(-41), Top(737)}}},
    {"AbsoluteDefaultOffsets",
     kAbsolute,
     12,
     15,
     {{{-10, 300}, Left(2), Top(315)}, {{-512, 740}, Left(-500), Top(755)}}},
};

INSTANTIATE_TEST_SUITE_P(Desk, E2eTwoMonitors, testing::ValuesIn(kTwoMonitorRuns), CaseName());

// A drag that starts on the left monitor and ends on the primary shows its
// whole size.
TEST(E2eTwoMonitorsRange, ShowsTheWholeSizeOfADragAcrossBothMonitors) {
    const testing::AssertionResult desk = OnTheTwoMonitorDesk();
    if (!desk) {
        GTEST_SKIP() << desk.message();
    }
    ExpectTheTwoMonitorDesk();
    ASSERT_TRUE(PlaceCursor(-600, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "2"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    LeftButtonGuard button;
    const POINT start = InputMoveTo(-600, 300);
    button.Press();
    InputMoveTo(-100, 400);
    const POINT across = InputMoveTo(500, 450);
    const POINT end = button.Release();
    ASSERT_EQ(across.x, 500) << "the pointer reached the primary monitor";
    const std::string text =
        "size x:" + std::to_string(end.x - start.x) + " y:" + std::to_string(end.y - start.y);
    EXPECT_EQ(text, "size x:1100 y:150");
    EXPECT_TRUE(ShowsText(session.window, text, DefaultLook(), kSettleTimeoutMs));
}

// A display mode outside the list leaves the line empty; the tick still
// measures it and keeps the window beside the cursor.
TEST(E2eUnknownMode, KeepsAnEmptyLineBesideTheCursor) {
    const Spot spots[] = {{{300, 300}, Left(312), Top(315)}, {{700, 500}, Left(712), Top(515)}};
    ASSERT_TRUE(PlaceCursor(spots[0].cursor.x, spots[0].cursor.y));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "5"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const SIZE measured = MeasureWindowFor("", DefaultIndicatorFont());
    for (const Spot& spot : spots) {
        ASSERT_TRUE(PlaceCursor(spot.cursor.x, spot.cursor.y));
        EXPECT_TRUE(WaitFor(kSettleTimeoutMs,
                            [&] {
                                const RECT seen = session.WindowRect();
                                return Stands(seen, spot) &&
                                       seen.right - seen.left == measured.cx &&
                                       seen.bottom - seen.top == measured.cy;
                            }))
            << spot << "; seen " << session.WindowRect();
    }
}

}  // namespace
