// MHook.dll through its ordinal imports, driven by real input: SendInput from a
// second thread while the test's thread, which started the hook, pumps messages.
#include "text/MouseHook.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <bitset>
#include <cstdint>
#include <ostream>
#include <thread>
#include <vector>

#include "CaseName.h"
#include "SyntheticInput.h"
#include "WaitFor.h"

namespace {

struct Point {
    int x;
    int y;
    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
};

void PrintTo(const Point& point, std::ostream* out) {
    *out << "(" << point.x << ", " << point.y << ")";
}

constexpr Point kNotSet{-1, -1};

// As the program reads a result: x in the low 32 bits, y in the high 32 bits.
Point Unpack(std::int64_t packed) {
    const auto bits = static_cast<std::uint64_t>(packed);
    return {static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)),
            static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32))};
}

struct DragPoints {
    Point start;
    Point end;
    Point current;
    bool operator==(const DragPoints& other) const {
        return start == other.start && end == other.end && current == other.current;
    }
};

void PrintTo(const DragPoints& points, std::ostream* out) {
    *out << "start ";
    PrintTo(points.start, out);
    *out << " end ";
    PrintTo(points.end, out);
    *out << " current ";
    PrintTo(points.current, out);
}

constexpr DragPoints kNothingSet{kNotSet, kNotSet, kNotSet};

// In the program's order: start, end, current, each with the argument 0.
DragPoints ReadPoints() {
    const Point start = Unpack(GetDragStart(0));
    const Point end = Unpack(GetDragEnd(0));
    return {start, end, Unpack(GetDragCurrent(0))};
}

INPUT MoveTo(Point pixel) {
    return MoveEvent(pixel.x, pixel.y);
}

// Relative moves are accelerated, and the hook sees them before the pointer is
// clipped to the screen: used here to push the pointer past an edge.
INPUT MoveBy(LONG dx, LONG dy) {
    return MouseEvent(MOUSEEVENTF_MOVE, dx, dy);
}

INPUT LeftDown() {
    return MouseEvent(MOUSEEVENTF_LEFTDOWN);
}
INPUT LeftUp() {
    return MouseEvent(MOUSEEVENTF_LEFTUP);
}
INPUT RightDown() {
    return MouseEvent(MOUSEEVENTF_RIGHTDOWN);
}
INPUT RightUp() {
    return MouseEvent(MOUSEEVENTF_RIGHTUP);
}

// The hook is called once for the move and once for each button change.
int HookCallsFor(const INPUT& input) {
    const DWORD kinds =
        input.mi.dwFlags & (MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP |
                            MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP);
    return static_cast<int>(std::bitset<32>(kinds).count());
}

std::atomic<int> hookCalls{0};

// Counts the events that passed this thread's low-level hooks. It counts after
// handing the event on, so MHook.dll's hook has seen it whichever came first.
LRESULT CALLBACK CountHookCall(int code, WPARAM message, LPARAM info) {
    const LRESULT result = CallNextHookEx(nullptr, code, message, info);
    if (code == HC_ACTION) {
        ++hookCalls;
    }
    return result;
}

class MHookTest : public testing::Test {
  protected:
    void SetUp() override {
        counter_ = SetWindowsHookExW(WH_MOUSE_LL, CountHookCall, GetModuleHandleW(nullptr), 0);
        ASSERT_NE(counter_, nullptr);
    }

    void TearDown() override {
        HookStop();
        if (GetAsyncKeyState(VK_LBUTTON) < 0) {
            Play({LeftUp()});  // leave the button up for the next test
        }
        UnhookWindowsHookEx(counter_);
    }

    // Sends the events from a second thread while this one pumps messages, and
    // returns once all of them have passed the hooks.
    void Play(std::vector<INPUT> events) {
        int expected = hookCalls;
        for (const INPUT& event : events) {
            expected += HookCallsFor(event);
        }
        std::thread sender([&events] {
            SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
        });
        // This thread's low-level hooks are called from its message loop.
        const bool passed = PumpMessagesUntil(5000, [expected] { return hookCalls >= expected; });
        sender.join();
        EXPECT_TRUE(passed) << "the hooks saw " << hookCalls << " of " << expected << " events";
    }

    void Drag(Point from, Point to) { Play({MoveTo(from), LeftDown(), MoveTo(to), LeftUp()}); }

  private:
    HHOOK counter_ = nullptr;
};

constexpr Point kA{100, 200};
constexpr Point kB{400, 300};
constexpr Point kC{640, 700};
constexpr Point kD{900, 700};
constexpr Point kE{120, 80};
constexpr Point kTopLeft{0, 0};
constexpr Point kBottomRight{1023, 767};  // of the 1024x768 test display

// Input, then the points it must leave.
struct Step {
    const char* what;
    std::vector<INPUT> input;
    DragPoints want;
};

struct Script {
    const char* name;
    std::vector<Step> steps;
};

void PrintTo(const Script& script, std::ostream* out) {
    *out << script.name;
}

std::vector<Script> Scripts() {
    return {
        {"NothingBeforeTheFirstPress",
         {
             {"moves", {MoveTo(kA), MoveTo(kB)}, kNothingSet},
             {"right-button drag", {RightDown(), MoveTo(kC), RightUp()}, kNothingSet},
         }},
        {"LivePointsDuringADrag",
         {
             {"press", {MoveTo(kA), LeftDown()}, {kA, kNotSet, kA}},
             {"move", {MoveTo(kB)}, {kA, kNotSet, kB}},
             {"right click", {RightDown(), RightUp()}, {kA, kNotSet, kB}},
             {"move on", {MoveTo(kC)}, {kA, kNotSet, kC}},
         }},
        {"FinalPointsStayUntilTheNextPress",
         {
             {"drag", {MoveTo(kA), LeftDown(), MoveTo(kB), LeftUp()}, {kA, kB, kB}},
             {"moves after the release", {MoveTo(kC), MoveTo(kE)}, {kA, kB, kB}},
             {"right-button drag", {RightDown(), MoveTo(kD), RightUp()}, {kA, kB, kB}},
             {"next press", {MoveTo(kC), LeftDown()}, {kC, kNotSet, kC}},
             {"next move", {MoveTo(kE)}, {kC, kNotSet, kE}},
             {"next release", {LeftUp()}, {kC, kE, kE}},
         }},
        {"DragUpAndToTheLeft",
         {
             {"drag", {MoveTo(kD), LeftDown(), MoveTo(kE), LeftUp()}, {kD, kE, kE}},
             {"corner to corner",
              {MoveTo(kBottomRight), LeftDown(), MoveTo(kTopLeft), LeftUp()},
              {kBottomRight, kTopLeft, kTopLeft}},
         }},
        {"PointerPushedPastTheEdges",
         {
             {"press with a push past the top-left",
              {MoveTo(kA), MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN, -5000, -5000)},
              {kTopLeft, kNotSet, kTopLeft}},
             {"push past the bottom-right",
              {MoveBy(5000, 5000)},
              {kTopLeft, kNotSet, kBottomRight}},
             {"release with a push past the left",
              {MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP, -5000, 0)},
              {kTopLeft, {0, 767}, {0, 767}}},
         }},
    };
}

class MHookScriptTest : public MHookTest, public testing::WithParamInterface<Script> {};

TEST_P(MHookScriptTest, TracksLeftButtonDrags) {
    HookStart();
    EXPECT_EQ(ReadPoints(), kNothingSet) << "right after the start";
    for (const Step& step : GetParam().steps) {
        Play(step.input);
        EXPECT_EQ(ReadPoints(), step.want) << "after: " << step.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Drags, MHookScriptTest, testing::ValuesIn(Scripts()), CaseName());

TEST_F(MHookTest, StopWithoutStartIsHarmless) {
    HookStop();
    HookStop();
    HookStart();
    Drag(kA, kB);
    EXPECT_EQ(ReadPoints(), (DragPoints{kA, kB, kB}));
}

TEST_F(MHookTest, StopEndsTrackingAndStartTracksAfresh) {
    HookStart();
    Drag(kA, kB);
    HookStop();
    Drag(kC, kE);
    EXPECT_EQ(ReadPoints(), (DragPoints{kA, kB, kB})) << "stopped";
    HookStart();
    EXPECT_EQ(ReadPoints(), kNothingSet) << "started again";
    Drag(kD, kE);
    EXPECT_EQ(ReadPoints(), (DragPoints{kD, kE, kE}));
}

TEST_F(MHookTest, SecondStartAddsNoHookAndKeepsTheDrag) {
    HookStart();
    Play({MoveTo(kA), LeftDown()});
    HookStart();
    Play({MoveTo(kB), LeftUp()});
    EXPECT_EQ(ReadPoints(), (DragPoints{kA, kB, kB}));
    HookStop();
    Drag(kC, kD);
    EXPECT_EQ(ReadPoints(), (DragPoints{kA, kB, kB})) << "one stop must remove the hook";
}

TEST_F(MHookTest, ReleaseOfAPressBeforeTheStartIsNoDrag) {
    Play({MoveTo(kA), LeftDown()});
    HookStart();
    Play({MoveTo(kB), LeftUp()});
    EXPECT_EQ(ReadPoints(), kNothingSet);
}

TEST_F(MHookTest, DragCutShortByStopIsForgottenAtTheNextStart) {
    HookStart();
    Play({MoveTo(kA), LeftDown()});
    HookStop();
    Play({MoveTo(kB), LeftUp()});
    HookStart();
    Play({MoveTo(kC)});
    EXPECT_EQ(ReadPoints(), kNothingSet) << "no button is down, so no live drag";
}

}  // namespace
