#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "ByteText.h"
#include "text/CodePage.h"
#include "text/DateFormat.h"

namespace {

// Era texts in Shift-JIS.
#define REIWA "\x97\xDF\x98\x61"   // 令和
#define HEISEI "\x95\xBD\x90\xAC"  // 平成
#define SHOWA "\x8F\xBA\x98\x61"   // 昭和
#define TAISHO "\x91\xE5\x90\xB3"  // 大正

std::string Expand(const char* format, const LocalDateTime& t) {
    return ExpandDateFormat(format, t.year, t.month, t.day, t.hour, t.minute, t.second);
}

constexpr LocalDateTime kSample = {2004, 1, 31, 1, 2, 34};

struct FormatCase {
    const char* format;
    const char* expected;
    bool showsSeconds;  // the text changes every second, not only every minute
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c) {
    return out << "format " << Visible(c.format);
}

class ExpandSampleTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ExpandSampleTest, ExpandsFor2004_01_31) {
    EXPECT_EQ(Expand(GetParam().format, kSample), GetParam().expected);
    DateFormatter formatter([] { return kSample; });
    formatter.SetFormat(GetParam().format);
    EXPECT_EQ(formatter.ShowsSeconds(), GetParam().showsSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ExpandSampleTest,
    ::testing::Values(FormatCase{"yyyy/MM/dd hh:mm:ss", "2004/01/31 01:02:34", true},
                      FormatCase{"y/M/d h:m:s", "4/1/31 1:2:34", true},
                      // 年 0x94 0x4E, 月 0x8C 0x8E, 日 0x93 0xFA
                      FormatCase{"gggee\x94\x4EMM\x8C\x8E"
                                 "dd\x93\xFA hh:mm:ss",
                                 HEISEI "16\x94\x4E"
                                        "01\x8C\x8E"
                                        "31\x93\xFA 01:02:34",
                                 true},
                      FormatCase{"ge.M.d", "H16.1.31", false},
                      FormatCase{"gggg", HEISEI "H", false}, FormatCase{"MMM", "011", false},
                      FormatCase{"yyy", "044", false}, FormatCase{"yyyyy", "20044", false},
                      FormatCase{"eee", "1616", false},
                      FormatCase{"Time hh:mm", "Ti216 01:02", false},
                      FormatCase{"hhmmss", "010234", true}, FormatCase{"HDYS", "HDYS", false},
                      FormatCase{"", "", false},
                      FormatCase{"<-- 12:00 -->", "<-- 12:00 -->", false},
                      // 土 (0x93 0x79) holds the byte of "y" and loses it to the short year.
                      FormatCase{"(\x93\x79)", "(\x93\x34)", false},
                      // ピ (0x83 0x73) holds the byte of "s": its text changes every second.
                      FormatCase{"(\x83\x73)",
                                 "(\x83"
                                 "34)",
                                 true}));

// From a reading to the next second, or to the next minute without seconds.
TEST(MillisecondsToNextChange, CountsToTheNextSecondOrMinute) {
    const struct {
        bool showsSeconds;
        int second;
        int millisecond;
        int expected;
    } cases[] = {
        {true, 34, 0, 1000},     {true, 34, 1, 999},  {true, 59, 999, 1},   {false, 0, 0, 60000},
        {false, 34, 250, 25750}, {false, 59, 999, 1}, {false, 59, 0, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.showsSeconds << " " << c.second << "." << c.millisecond);
        EXPECT_EQ(MillisecondsToNextChange(c.showsSeconds, c.second, c.millisecond), c.expected);
    }
}

struct DateCase {
    LocalDateTime when;
    const char* format;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const DateCase& c) {
    return out << c.when.year << '-' << c.when.month << '-' << c.when.day << ' ' << c.when.hour
               << ':' << c.when.minute << ':' << c.when.second << ' ' << Visible(c.format);
}

class ExpandDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(ExpandDateTest, Expands) {
    EXPECT_EQ(Expand(GetParam().format, GetParam().when), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ExpandDateTest,
    ::testing::Values(
        DateCase{{2000, 1, 1, 0, 0, 0}, "y|yy|yyyy|h|hh|m|s", "0|00|2000|0|00|0|0"},
        DateCase{
            {1999, 12, 31, 13, 5, 9}, "yyyy|yy|y|h|hh|mm|m|ss|s", "1999|99|99|13|13|05|5|09|9"},
        DateCase{{2026, 10, 9, 23, 59, 59}, "yyyy-MM-dd M/d hh:mm:ss", "2026-10-09 10/9 23:59:59"},
        DateCase{{2100, 3, 4, 5, 6, 7}, "yyyy yy y", "2100 00 0"}));

INSTANTIATE_TEST_SUITE_P(
    EraBoundaries, ExpandDateTest,
    ::testing::Values(
        DateCase{{2026, 2, 14, 12, 0, 0}, "ggg|gg|g|ee|e", REIWA "|\x97\xDF|R|8|8"},
        DateCase{{2019, 5, 1, 0, 0, 0}, "ggg|gg|g|ee|e", REIWA "|\x97\xDF|R|1|1"},
        DateCase{{2019, 4, 30, 23, 59, 59}, "ggg|gg|g|ee|e", HEISEI "|\x95\xBD|H|31|31"},
        DateCase{{2004, 1, 31, 1, 2, 34}, "ggg|gg|g|ee|e", HEISEI "|\x95\xBD|H|16|16"},
        DateCase{{1989, 1, 8, 0, 0, 0}, "ggg|gg|g|ee|e", HEISEI "|\x95\xBD|H|1|1"},
        DateCase{{1989, 1, 7, 23, 59, 59}, "ggg|gg|g|ee|e", SHOWA "|\x8F\xBA|S|64|64"},
        DateCase{{1926, 12, 25, 0, 0, 0}, "ggg|gg|g|ee|e", SHOWA "|\x8F\xBA|S|1|1"},
        DateCase{{1926, 12, 24, 0, 0, 0}, "ggg|gg|g|ee|e", TAISHO "|\x91\xE5|T|15|15"},
        DateCase{{1912, 7, 30, 0, 0, 0}, "ggg|gg|g|ee|e", TAISHO "|\x91\xE5|T|1|1"},
        DateCase{{1912, 7, 29, 0, 0, 0}, "ggg|gg|g|ee|e", TAISHO "|\x91\xE5|T|1|1"}));

// A text of count copies of piece.
std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(ExpandDateFormat, ResultHasNoLengthLimit) {
    // 450 bytes: past the first blocks of the work string.
    EXPECT_EQ(Expand(Repeat("e.", 150).c_str(), kSample), Repeat("16.", 150));
}

TEST(ExpandDateFormat, TrailingLoneLeadByteIsLostOnlyWhenSomethingIsReplaced) {
    if (!ShiftJisCodePage()) {
        GTEST_SKIP() << "needs a double-byte ANSI code page";
    }
    EXPECT_EQ(Expand("y\x82", kSample), "4");
    EXPECT_EQ(Expand("x\x82", kSample), "x\x82");
}

// Fake clocks: plain functions, as the formatter takes a function pointer.
LocalDateTime g_now;
int g_readings;

LocalDateTime FixedClock() {
    ++g_readings;
    return g_now;
}

// Crosses midnight between its first and any later reading.
LocalDateTime MidnightClock() {
    return g_readings++ == 0 ? LocalDateTime{2004, 12, 31, 23, 59, 59}
                             : LocalDateTime{2005, 1, 1, 0, 0, 0};
}

class DateFormatterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_now = kSample;
        g_readings = 0;
    }
};

TEST_F(DateFormatterTest, FormatNowExpandsFormatAndKeepsIt) {
    DateFormatter formatter(FixedClock);
    EXPECT_STREQ(formatter.FormatNow(), "");  // no format yet
    formatter.SetFormat("yyyy/MM/dd hh:mm:ss");
    EXPECT_STREQ(formatter.FormatNow(), "2004/01/31 01:02:34");
    EXPECT_STREQ(formatter.Format(), "yyyy/MM/dd hh:mm:ss");
    g_now.second = 35;
    EXPECT_STREQ(formatter.FormatNow(), "2004/01/31 01:02:35");
}

TEST_F(DateFormatterTest, FormatNowReadsClockOnceAtMidnight) {
    DateFormatter formatter(MidnightClock);
    formatter.SetFormat("yyyy/MM/dd hh:mm:ss");
    EXPECT_STREQ(formatter.FormatNow(), "2004/12/31 23:59:59");
    EXPECT_EQ(g_readings, 1);
    EXPECT_STREQ(formatter.FormatNow(), "2005/01/01 00:00:00");
}

// The last expansion is kept for the same reading of the same format; any
// other field or a new format must expand again.
TEST_F(DateFormatterTest, FormatNowExpandsAgainForEveryChange) {
    struct Step {
        const char* name;
        const char* format;  // null: keep the format
        LocalDateTime now;
        const char* text;
    };
    const Step steps[] = {
        {"first", "yyyy/MM/dd hh:mm:ss", {2004, 1, 31, 1, 2, 34}, "2004/01/31 01:02:34"},
        {"same reading", nullptr, {2004, 1, 31, 1, 2, 34}, "2004/01/31 01:02:34"},
        {"new format, same reading", "hh:mm", {2004, 1, 31, 1, 2, 34}, "01:02"},
        {"same format set again",
         "yyyy/MM/dd hh:mm:ss",
         {2004, 1, 31, 1, 2, 34},
         "2004/01/31 01:02:34"},
        {"second", nullptr, {2004, 1, 31, 1, 2, 35}, "2004/01/31 01:02:35"},
        {"minute", nullptr, {2004, 1, 31, 1, 3, 35}, "2004/01/31 01:03:35"},
        {"hour", nullptr, {2004, 1, 31, 2, 3, 35}, "2004/01/31 02:03:35"},
        {"day", nullptr, {2004, 1, 30, 2, 3, 35}, "2004/01/30 02:03:35"},
        {"month", nullptr, {2004, 2, 30, 2, 3, 35}, "2004/02/30 02:03:35"},
        {"year", nullptr, {2005, 2, 30, 2, 3, 35}, "2005/02/30 02:03:35"},
        {"empty format", "", {2005, 2, 30, 2, 3, 35}, ""},
    };
    DateFormatter formatter(FixedClock);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.format != nullptr) {
            formatter.SetFormat(s.format);
        }
        g_now = s.now;
        EXPECT_STREQ(formatter.FormatNow(), s.text);
    }
}

TEST_F(DateFormatterTest, SetFormatKeeps99Bytes) {
    DateFormatter formatter(FixedClock);
    formatter.SetFormat(std::string(150, 'x').c_str());
    EXPECT_EQ(std::string(formatter.Format()), std::string(99, 'x'));
    formatter.SetFormat(nullptr);
    EXPECT_STREQ(formatter.Format(), "");
}

TEST_F(DateFormatterTest, SetFormatDoesNotSplitCharacterAtCut) {
    DateFormatter formatter(FixedClock);
    const std::string format = std::string(98, 'x') + "\x82\xA0";  // あ at bytes 99 and 100
    formatter.SetFormat(format.c_str());
    const std::string expected = ShiftJisCodePage() ? format.substr(0, 98) : format.substr(0, 99);
    EXPECT_EQ(std::string(formatter.Format()), expected);
}

TEST_F(DateFormatterTest, ResultKeeps99BytesAndZeroFillsTheRest) {
    DateFormatter formatter(FixedClock);
    formatter.SetFormat((Repeat("e.", 49) + "e").c_str());  // 99 bytes, expands to 149
    EXPECT_EQ(std::string(formatter.FormatNow()), Repeat("16.", 33));

    formatter.SetFormat("hh");
    const char* result = formatter.FormatNow();
    EXPECT_STREQ(result, "01");
    for (int i = 2; i < kDateTextSize; ++i) {
        EXPECT_EQ(result[i], '\0') << "stale byte at " << i;
    }
}

TEST_F(DateFormatterTest, ResultDoesNotSplitCharacterAtCut) {
    DateFormatter formatter(FixedClock);
    // 99 bytes of format; "e" becomes "16", which pushes あ across the cut.
    const std::string format = std::string(96, 'x') + "e\x82\xA0";
    formatter.SetFormat(format.c_str());
    ASSERT_STREQ(formatter.Format(), format.c_str());
    const std::string expanded = std::string(96, 'x') + "16\x82\xA0";
    const std::string expected =
        ShiftJisCodePage() ? expanded.substr(0, 98) : expanded.substr(0, 99);
    EXPECT_EQ(std::string(formatter.FormatNow()), expected);
}

}  // namespace
