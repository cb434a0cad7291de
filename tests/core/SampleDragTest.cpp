#include <gtest/gtest.h>

#include <climits>

#include "dialogs/SampleDrag.h"

namespace {

void ExpectPoint(PixelPoint actual, PixelPoint expected, const char* why) {
    EXPECT_EQ(actual.x, expected.x) << why;
    EXPECT_EQ(actual.y, expected.y) << why;
}

// The whole drag: a press on a 60 x 18 sample, then a move; where the sample
// goes in the dialog's client pixels and the offsets it stands for.
TEST(SampleDragTest, FollowsTheCursorFromTheGrabPoint) {
    struct {
        const char* why;
        PixelPoint dialogTopLeft, frame, sampleTopLeft, press, move;
        PixelPoint grab, position, offsets;
    } const cases[] = {
        {"dialog at (100, 50), frame 4 x 27",
         {100, 50},
         {4, 27},
         {360, 330},
         {372, 340},
         {400, 380},
         {12, 10},
         {284, 293},
         {34, 43}},
        {"grabbed at the top-left pixel",
         {0, 0},
         {3, 22},
         {300, 300},
         {300, 300},
         {253, 272},
         {0, 0},
         {250, 250},
         {0, 0}},
        {"left of and above the pointer tip",
         {100, 50},
         {4, 27},
         {360, 330},
         {365, 335},
         {200, 150},
         {5, 5},
         {91, 68},
         {-159, -182}},
        {"dialog partly off the screen",
         {-40, -10},
         {4, 27},
         {200, 300},
         {259, 317},
         {300, 320},
         {59, 17},
         {277, 286},
         {27, 36}},
    };
    for (const auto& c : cases) {
        const PixelRect sample = {c.sampleTopLeft.x, c.sampleTopLeft.y, c.sampleTopLeft.x + 60,
                                  c.sampleTopLeft.y + 18};
        PixelPoint grab = {-1, -1};
        ASSERT_TRUE(GrabSample(c.press, sample, grab)) << c.why;
        ExpectPoint(grab, c.grab, c.why);
        const PixelPoint position = DraggedSamplePosition(c.move, c.dialogTopLeft, c.frame, grab);
        ExpectPoint(position, c.position, c.why);
        ExpectPoint(OffsetsForSamplePosition(position), c.offsets, c.why);
    }
}

// The sample covers x 360..419 and y 330..347: its right and bottom edges are outside.
TEST(SampleDragTest, GrabsOnlyInsideTheSample) {
    struct {
        const char* why;
        PixelPoint press;
        bool grabbed;
    } const cases[] = {
        {"top-left pixel", {360, 330}, true},      {"bottom-right pixel", {419, 347}, true},
        {"right edge", {420, 340}, false},         {"bottom edge", {380, 348}, false},
        {"left of the sample", {359, 340}, false}, {"above the sample", {380, 329}, false},
    };
    for (const auto& c : cases) {
        PixelPoint grab = {7, 3};
        EXPECT_EQ(GrabSample(c.press, {360, 330, 420, 348}, grab), c.grabbed) << c.why;
        const PixelPoint expected =
            c.grabbed ? PixelPoint{c.press.x - 360, c.press.y - 330} : PixelPoint{7, 3};
        ExpectPoint(grab, expected, c.why);  // a miss keeps the last grab point
    }
}

TEST(SampleDragTest, OpensAtThePointerTipPlusTheOffsets) {
    struct {
        const char* why;
        PixelPoint offsets, position;
    } const cases[] = {
        {"default offsets", {12, 15}, {262, 265}},
        {"negative offsets", {-70, -25}, {180, 225}},
        {"huge offsets from the file are held", {INT_MAX, INT_MAX - 100}, {INT_MAX, INT_MAX}},
        {"hugely negative offsets", {INT_MIN, -300}, {INT_MIN + 250, -50}},
    };
    for (const auto& c : cases) {
        ExpectPoint(SamplePositionForOffsets(c.offsets), c.position, c.why);
    }
}

TEST(SampleDragTest, OnlyTheLeftButtonAloneDrags) {
    struct {
        unsigned keyState;
        bool drags;
    } const cases[] = {
        {0x0001, true},            // left
        {0x0000, false},           // nothing held
        {0x0001 | 0x0002, false},  // left and right
        {0x0001 | 0x0004, false},  // left and Shift
        {0x0001 | 0x0008, false},  // left and Ctrl
        {0x0001 | 0x0010, false},  // left and middle
        {0x0001 | 0x0020, false},  // left and the first extra button
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsLeftButtonAlone(c.keyState), c.drags) << "key state " << c.keyState;
    }
}

}  // namespace
