// What the indicator shows on the screen: the driver paints the expected text
// itself with the same font, colours and paint rule and compares pixels, and
// checks the capture against literal facts of each look (colours, frame,
// margins) that owe nothing to that paint.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>

#include "CaseName.h"
#include "FontSetting.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"

namespace {

std::string SizeText(POINT from, POINT to) {
    return "size x:" + std::to_string(to.x - from.x) + " y:" + std::to_string(to.y - from.y);
}

struct CoordinatesCase {
    const char* name;
    COLORREF textColor;
    COLORREF backColor;
    const char* border;  // null: no BORDER key
    LOGFONTA font;       // stored as FONT unless it is the built-in default
    // Literal facts: the screen pixels (0x00RRGGBB) of text and background,
    // and the frame's width on each side.
    std::uint32_t textPixel;
    std::uint32_t backPixel;
    int frame;
};

// Test lists and failure lines name a case by its name.
void PrintTo(const CoordinatesCase& c, std::ostream* out) {
    *out << c.name;
}

bool Between(std::uint32_t value, std::uint32_t a, std::uint32_t b, int shift) {
    const std::uint32_t v = value >> shift & 0xFF, x = a >> shift & 0xFF, y = b >> shift & 0xFF;
    return (x <= v && v <= y) || (y <= v && v <= x);
}

// The client area shows background at its corners and along its first two
// columns (the text starts at x = 2) and its last one (4 pixels of room on
// the right), pixels of exactly the text colour, no colour outside the blend
// of the two, and ink in both halves of the line.
testing::AssertionResult ShowsLiteralFacts(HWND window, const CoordinatesCase& c) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    if (outer.right - outer.left - client.right != 2 * c.frame ||
        outer.bottom - outer.top - client.bottom != 2 * c.frame) {
        return testing::AssertionFailure()
               << "window " << outer.right - outer.left << "x" << outer.bottom - outer.top
               << ", client " << client.right << "x" << client.bottom << ", frame " << c.frame;
    }
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const Picture seen =
        CaptureScreen(RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
    const auto at = [&](int x, int y) { return seen.pixels[y * seen.width + x]; };
    const int w = seen.width, h = seen.height;
    if (w < 8 || h < 4) {
        return testing::AssertionFailure() << "client area " << w << "x" << h;
    }
    for (int y = 0; y < h; ++y) {
        for (const int x : {0, 1, w - 1}) {
            if (at(x, y) != c.backPixel) {
                return testing::AssertionFailure() << "(" << x << "," << y << ") is "
                                                   << Hex(at(x, y)) << ", not the background";
            }
        }
    }
    int textPixels = 0;
    bool inkLeft = false, inkRight = false;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = at(x, y);
            if (!Between(p, c.textPixel, c.backPixel, 0) ||
                !Between(p, c.textPixel, c.backPixel, 8) ||
                !Between(p, c.textPixel, c.backPixel, 16)) {
                return testing::AssertionFailure()
                       << "(" << x << "," << y << ") is " << Hex(p) << ", outside "
                       << Hex(c.textPixel) << " to " << Hex(c.backPixel);
            }
            textPixels += p == c.textPixel;
            if (p != c.backPixel) {
                (x < w / 2 ? inkLeft : inkRight) = true;
            }
        }
    }
    if (textPixels < 10 || !inkLeft || !inkRight) {
        return testing::AssertionFailure()
               << textPixels << " pixels of the text colour, ink " << (inkLeft ? "" : "not ")
               << "left and " << (inkRight ? "" : "not ") << "right";
    }
    return testing::AssertionSuccess();
}

class E2eCoordinatesPicture : public testing::TestWithParam<CoordinatesCase> {};

TEST_P(E2eCoordinatesPicture, ShowsTheCursorPosition) {
    const CoordinatesCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    std::string settings = MainSection({{"MODE", "0"},
                                        {"FONT_COLOR", std::to_string(c.textColor)},
                                        {"BACK_COLOR", std::to_string(c.backColor)}});
    if (c.border != nullptr) {
        settings += std::string("BORDER=") + c.border + "\r\n";
    }
    const LOGFONTA builtIn = DefaultIndicatorFont();
    if (std::memcmp(&c.font, &builtIn, sizeof builtIn) != 0) {
        settings += "FONT=" + FontSettingText(c.font) + "\r\n";
    }
    ASSERT_TRUE(session.Start(settings));
    ASSERT_TRUE(session.WaitForFirstTick());
    const IndicatorLook look{c.font, c.textColor, c.backColor};
    const RECT rect = session.WindowRect();
    const SIZE measured = MeasureWindowFor("x:300 y:300", c.font);
    EXPECT_EQ(rect.right - rect.left, measured.cx);
    EXPECT_EQ(rect.bottom - rect.top, measured.cy);
    EXPECT_TRUE(ShowsText(session.window, "x:300 y:300", look, kSettleTimeoutMs));
    EXPECT_TRUE(ShowsLiteralFacts(session.window, c));

    ASSERT_TRUE(PlaceCursor(640, 200));
    EXPECT_TRUE(ShowsText(session.window, "x:640 y:200", look, kSettleTimeoutMs));
    EXPECT_TRUE(ShowsLiteralFacts(session.window, c));
}

LOGFONTA BoldUnderlinedTahoma16() {
    LOGFONTA font = DefaultIndicatorFont();
    font.lfHeight = -16;
    font.lfWeight = FW_BOLD;
    font.lfUnderline = 1;
    return font;
}

const CoordinatesCase kCoordinatesCases[] = {
    {"DefaultLook", 0x000000, 0xD9FFFF, nullptr, DefaultIndicatorFont(), 0x000000, 0xFFFFD9, 1},
    {"WhiteOnRed", 0xFFFFFF, 0x0000FF, nullptr, DefaultIndicatorFont(), 0xFFFFFF, 0xFF0000, 1},
    {"BlueOnGreenBorderless", 0xFF0000, 0x00FF00, "0", DefaultIndicatorFont(), 0x0000FF, 0x00FF00,
     0},
    {"StoredFont", 0x000080, 0xD9FFFF, nullptr, BoldUnderlinedTahoma16(), 0x800000, 0xFFFFD9, 1},
};

INSTANTIATE_TEST_SUITE_P(Looks, E2eCoordinatesPicture, testing::ValuesIn(kCoordinatesCases),
                         CaseName());

// Clock formats without a time of day, so the text holds still while compared.
struct ClockCase {
    const char* name;
    const char* format;
    std::function<std::string(const SYSTEMTIME&)> expected;
};

void PrintTo(const ClockCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eClockPicture : public testing::TestWithParam<ClockCase> {};

SYSTEMTIME Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay;
}

TEST_P(E2eClockPicture, ShowsTodaysDate) {
    const ClockCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "1"}, {"DATE_FORMAT", c.format}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    // Around midnight the date may turn during the comparison: then once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const SYSTEMTIME before = Today();
        const testing::AssertionResult shown =
            ShowsText(session.window, c.expected(before), DefaultLook(), kSettleTimeoutMs);
        if (SameDay(before, Today()) || attempt == 1) {
            EXPECT_TRUE(shown);
            break;
        }
    }
}

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

const ClockCase kClockCases[] = {
    {"GregorianDate", "yyyy/MM/dd",
     [](const SYSTEMTIME& t) {
         return "20" + TwoDigits(t.wYear) + "/" + TwoDigits(t.wMonth) + "/" + TwoDigits(t.wDay);
     }},
    // Short forms and Shift-JIS characters of the format's own (年, 月, 日),
    // whose bytes pass through to the screen unchanged.
    {"JapaneseDate",
     "yy\x94\x4E"
     "M\x8C\x8E"
     "d\x93\xFA",
     [](const SYSTEMTIME& t) {
         return TwoDigits(t.wYear) + "\x94\x4E" + std::to_string(t.wMonth) + "\x8C\x8E" +
                std::to_string(t.wDay) + "\x93\xFA";
     }},
};

INSTANTIATE_TEST_SUITE_P(Formats, E2eClockPicture, testing::ValuesIn(kClockCases), CaseName());

TEST(E2eRangePicture, ShowsTheDragSizeLiveAndAfterRelease) {
    ASSERT_TRUE(PlaceCursor(600, 500));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "2"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    EXPECT_TRUE(ShowsText(session.window, "size x:0 y:0", DefaultLook(), kSettleTimeoutMs));

    LeftButtonGuard button;
    InputMoveTo(400, 300);
    const POINT start = button.Press();
    const POINT right = InputMoveTo(520, 360);
    EXPECT_TRUE(ShowsText(session.window, SizeText(start, right), DefaultLook(), kSettleTimeoutMs))
        << "live size while dragging";
    // Up and to the left of the start: negative sizes keep their sign.
    const POINT left = InputMoveTo(330, 250);
    EXPECT_TRUE(ShowsText(session.window, SizeText(start, left), DefaultLook(), kSettleTimeoutMs))
        << "live size while dragging up and left";
    const POINT end = button.Release();
    EXPECT_TRUE(ShowsText(session.window, SizeText(start, end), DefaultLook(), kSettleTimeoutMs))
        << "final size after release";
    // The final size stays on show while the pointer moves on.
    InputMoveTo(450, 420);
    EXPECT_TRUE(ShowsText(session.window, SizeText(start, end), DefaultLook(), kSettleTimeoutMs))
        << "final size after moving on";

    // The next drag starts afresh: its live size counts from its own start.
    const POINT nextStart = button.Press();
    const POINT nextAt = InputMoveTo(500, 470);
    EXPECT_TRUE(
        ShowsText(session.window, SizeText(nextStart, nextAt), DefaultLook(), kSettleTimeoutMs))
        << "live size of the next drag";
    button.Release();
}

}  // namespace
