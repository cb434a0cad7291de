#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "ByteText.h"
#include "dialogs/ByteLimit.h"

namespace {

// One change of the edit's text, as the edit reports it, and what the limit
// makes of it.
struct LimitCase {
    const char* why;
    std::string before;
    std::string after;
    std::size_t limit;
    bool changed;       // false: the edit keeps `after` as it is
    std::string kept;   // with changed
    std::size_t caret;  // with changed, in characters
};

std::ostream& operator<<(std::ostream& out, const LimitCase& c) {
    return out << c.why << " (\"" << Visible(c.after.c_str()) << "\")";
}

void ExpectLimited(const LimitCase& c) {
    LimitedText kept{"untouched", 12345};
    ASSERT_EQ(LimitInsertion(c.before, c.after, c.limit, kept), c.changed);
    if (c.changed) {
        EXPECT_EQ(Visible(kept.text.c_str()), Visible(c.kept.c_str()));
        EXPECT_LE(kept.text.size(), std::max(c.limit, c.before.size()));
        EXPECT_EQ(kept.caret, c.caret);
    } else {
        EXPECT_EQ(kept.text, "untouched");
    }
}

class ByteLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(ByteLimitTest, KeepsWholeCharactersWithinTheLimit) {
    ExpectLimited(GetParam());
}

const LimitCase kSingleByteCases[] = {
    {"fits exactly", "abc", "abcd", 4, false, "", 0},
    {"typed past the limit at the end", "abcd", "abcdX", 4, true, "abcd", 4},
    {"pasted in the middle: the start of the insertion stays", "abcd", "abXYZWcd", 6, true,
     "abXYcd", 4},
    {"selection replaced by a longer text", "abcdef", "aXYZWVf", 6, true, "aXYZWf", 5},
    {"a repeated letter typed at the end", "aa", "aaa", 2, true, "aa", 2},
    {"removal from a text read longer than the limit", "abcdefgh", "abcdefg", 4, false, "", 0},
    {"typing into a text read longer than the limit", "abcdefgh", "abcdXefgh", 4, true, "abcdefgh",
     4},
    {"whole text replaced by a paste", "abc", "0123456789", 8, true, "01234567", 8},
};
INSTANTIATE_TEST_SUITE_P(SingleByte, ByteLimitTest, testing::ValuesIn(kSingleByteCases));

// Double-byte characters count two bytes each and are never split.
class ByteLimitShiftJisTest : public testing::TestWithParam<LimitCase> {
  protected:
    void SetUp() override {
        if (!ShiftJisCodePage()) {
            GTEST_SKIP() << "the ANSI code page has no double-byte characters";
        }
    }
};

TEST_P(ByteLimitShiftJisTest, KeepsWholeCharactersWithinTheLimit) {
    ExpectLimited(GetParam());
}

const std::string kA = "\x82\xa0";     // Hiragana a
const std::string kI = "\x82\xa2";     // Hiragana i
const std::string kU = "\x82\xa4";     // Hiragana u
const std::string kHyou = "\x95\x5c";  // its trail byte is the backslash
const LimitCase kShiftJisCases[] = {
    {"a double-byte character one byte past 99", std::string(98, 'a'), std::string(98, 'a') + kA,
     99, true, std::string(98, 'a'), 98},
    {"the first of two fits, the second goes", std::string(97, 'a'), std::string(97, 'a') + kA + kI,
     99, true, std::string(97, 'a') + kA, 98},
    {"199 bytes typed into an empty edit keep 49 characters", "",
     [] {
         std::string text;
         for (int i = 0; i < 99; ++i)
             text += kU;
         return text + "x";
     }(),
     99, true,
     [] {
         std::string text;
         for (int i = 0; i < 49; ++i)
             text += kU;
         return text;
     }(),
     49},
    {"pasted between single bytes", "ab", "a" + kA + kI + kU + "b", 6, true, "a" + kA + kI + "b",
     3},
    {"a trail byte equal to the text's own backslash", "ab\\", "ab" + kHyou + "\\", 4, true, "ab\\",
     2},
    {"double-byte text that fits", kA, kA + kI, 4, false, "", 0},
};
INSTANTIATE_TEST_SUITE_P(ShiftJis, ByteLimitShiftJisTest, testing::ValuesIn(kShiftJisCases));

}  // namespace
