#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <ostream>
#include <string>

#include "ByteText.h"
#include "text/CodePage.h"
#include "text/RefString.h"

namespace {

// Builds a string the way the expander does: Reserve, then copy the text in.
void Assign(RefString& s, const std::string& text) {
    s.Reserve(static_cast<int>(text.size()));
    std::memcpy(s.data(), text.c_str(), text.size() + 1);
}

struct CapacityCase {
    int length;
    int capacity;
};

std::ostream& operator<<(std::ostream& out, const CapacityCase& c) {
    return out << "length " << c.length;
}

class TextBlockCapacityTest : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(TextBlockCapacityTest, SizeClass) {
    EXPECT_EQ(TextBlockCapacity(GetParam().length), GetParam().capacity);
}

INSTANTIATE_TEST_SUITE_P(
    SizeClasses, TextBlockCapacityTest,
    ::testing::Values(CapacityCase{0, 64}, CapacityCase{63, 64}, CapacityCase{64, 128},
                      CapacityCase{127, 128}, CapacityCase{128, 256}, CapacityCase{255, 256},
                      CapacityCase{256, 320}, CapacityCase{319, 320}, CapacityCase{320, 384},
                      CapacityCase{383, 384}, CapacityCase{384, 448}, CapacityCase{447, 448},
                      CapacityCase{448, 512}, CapacityCase{511, 512}, CapacityCase{512, 520},
                      CapacityCase{513, 528}, CapacityCase{519, 528}, CapacityCase{520, 528},
                      CapacityCase{521, 536}, CapacityCase{1000, 1008}));

TEST(TextBlockCapacity, LengthNoBlockCanHoldIsOutOfMemory) {
    EXPECT_THROW(TextBlockCapacity(-1), std::bad_alloc);
    EXPECT_THROW(TextBlockCapacity(2147483647), std::bad_alloc);
}

TEST(RefString, NewStringHasNoBlockAndReadsEmpty) {
    RefString s;
    EXPECT_EQ(s.data(), nullptr);
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(s.ReplaceAll("a", "b"), 0);
    EXPECT_EQ(s.data(), nullptr);
    s.Release();
    EXPECT_EQ(s.refs(), 0);
}

TEST(RefString, ReserveMakesBlockOfSizeClassWithTerminator) {
    RefString s;
    s.Reserve(70);
    ASSERT_NE(s.data(), nullptr);
    EXPECT_EQ(s.refs(), 1);
    EXPECT_EQ(s.length(), 70);
    EXPECT_EQ(s.capacity(), 128);
    EXPECT_EQ(s.data()[70], '\0');
}

// A second Reserve keeps the block while the length stays below its capacity.
struct ReserveAgainCase {
    int first;
    int then;
    bool keepsBlock;
    int capacity;
};

std::ostream& operator<<(std::ostream& out, const ReserveAgainCase& c) {
    return out << c.first << " then " << c.then;
}

class ReserveAgainTest : public ::testing::TestWithParam<ReserveAgainCase> {};

TEST_P(ReserveAgainTest, KeepsOrReplacesTheBlock) {
    const ReserveAgainCase& c = GetParam();
    RefString s;
    s.Reserve(c.first);
    char* const block = s.data();
    s.Reserve(c.then);
    EXPECT_EQ(s.data() == block, c.keepsBlock);
    EXPECT_EQ(s.capacity(), c.capacity);
    EXPECT_EQ(s.length(), c.then);
    EXPECT_EQ(s.data()[c.then], '\0');
    EXPECT_EQ(s.refs(), 1);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReserveAgainTest,
                         ::testing::Values(ReserveAgainCase{10, 63, true, 64},
                                           ReserveAgainCase{63, 2, true, 64},
                                           ReserveAgainCase{10, 64, false, 128}));

struct ReplaceCase {
    const char* text;
    const char* token;
    const char* replacement;
    const char* expected;
    int count;
};

std::ostream& operator<<(std::ostream& out, const ReplaceCase& c) {
    return out << Visible(c.text) << " : " << Visible(c.token) << " -> " << Visible(c.replacement);
}

class ReplaceAllTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllTest, ReplacesEveryOccurrenceOnce) {
    const ReplaceCase& c = GetParam();
    RefString s;
    Assign(s, c.text);
    EXPECT_EQ(s.ReplaceAll(c.token, c.replacement), c.count);
    EXPECT_STREQ(s.c_str(), c.expected);
    EXPECT_EQ(s.refs(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllTest,
    ::testing::Values(
        // Occurrences do not overlap; the search goes on behind each one.
        ReplaceCase{"aaa", "aa", "b", "ba", 1},
        // A replacement that holds the token is not searched again.
        ReplaceCase{"aa", "a", "aa", "aaaa", 2}, ReplaceCase{"abab", "ab", "abab", "abababab", 2},
        ReplaceCase{"hello world", "world", "w", "hello w", 1},
        ReplaceCase{"a-b--c-", "-", "", "abc", 4}, ReplaceCase{"xyzxyz", "xyz", "", "", 2},
        ReplaceCase{"tokentoken", "token", "T", "TT", 2},
        ReplaceCase{"Mm", "m", "2", "M2", 1},  // case-sensitive
        ReplaceCase{"abc", "abcd", "x", "abc", 0}, ReplaceCase{"", "a", "b", "", 0}));

TEST(RefString, ReplaceAllWithoutOccurrenceLeavesBlockUntouched) {
    RefString s;
    Assign(s, "hello");
    char* const block = s.data();
    EXPECT_EQ(s.ReplaceAll("x", "yyyyyyyyyyyyyyyyyyyy"), 0);
    EXPECT_EQ(s.data(), block);
    EXPECT_EQ(s.refs(), 1);
    EXPECT_EQ(s.length(), 5);
    EXPECT_EQ(s.capacity(), 64);
    EXPECT_STREQ(s.c_str(), "hello");
}

TEST(RefString, ReplaceAllKeepsBlockWhileTextFits) {
    RefString s;
    Assign(s, "a-b-c");
    char* const block = s.data();
    EXPECT_EQ(s.ReplaceAll("-", "--"), 2);
    EXPECT_EQ(s.data(), block);
    EXPECT_STREQ(s.c_str(), "a--b--c");
}

TEST(RefString, ReplaceAllGrowsIntoLargerBlock) {
    RefString s;
    Assign(s, std::string(63, 'a'));
    EXPECT_EQ(s.ReplaceAll("a", "bbbbb"), 63);
    EXPECT_EQ(s.c_str(), std::string(315, 'b'));
    EXPECT_EQ(s.capacity(), 320);
    EXPECT_EQ(s.ReplaceAll("bbbbb", "c"), 63);
    EXPECT_EQ(s.c_str(), std::string(63, 'c'));
}

TEST(RefString, EmptyOrMissingTokenReplacesNothing) {
    RefString s;
    Assign(s, "abc");
    EXPECT_EQ(s.ReplaceAll("", "x"), 0);
    EXPECT_EQ(s.ReplaceAll(nullptr, "x"), 0);
    EXPECT_EQ(s.ReplaceAll("b", nullptr), 1);
    EXPECT_STREQ(s.c_str(), "ac");
}

TEST(RefString, CopySharesBlockUntilLastReleaseFreesIt) {
    RefString a;
    Assign(a, "shared");
    RefString b(a);
    EXPECT_EQ(b.data(), a.data());
    EXPECT_EQ(a.refs(), 2);
    a.Release();
    EXPECT_EQ(a.data(), nullptr);
    EXPECT_STREQ(a.c_str(), "");
    EXPECT_EQ(b.refs(), 1);
    EXPECT_STREQ(b.c_str(), "shared");
    b.Release();
    EXPECT_EQ(b.data(), nullptr);
}

TEST(RefString, ReleasedCopyDoesNotDropItsReferenceAgainOnDestruction) {
    RefString keeper;
    Assign(keeper, "kept");
    {
        RefString copy(keeper);
        copy.Release();
    }  // the destructor of the released copy must leave the block alone
    EXPECT_EQ(keeper.refs(), 1);
    EXPECT_STREQ(keeper.c_str(), "kept");
}

TEST(RefString, AssignmentReleasesOldBlockAndShares) {
    RefString a;
    Assign(a, "first");
    RefString b;
    Assign(b, "second");
    a = b;
    EXPECT_EQ(a.data(), b.data());
    EXPECT_EQ(b.refs(), 2);
    const RefString& same = a;
    a = same;
    EXPECT_EQ(a.refs(), 2);
    a = RefString();
    EXPECT_EQ(a.data(), nullptr);
    EXPECT_EQ(b.refs(), 1);
}

TEST(RefString, ChangingOneCopyLeavesTheOtherAlone) {
    RefString a;
    Assign(a, "hh:mm");
    RefString b(a);
    EXPECT_EQ(b.ReplaceAll("hh", "01"), 1);
    EXPECT_STREQ(b.c_str(), "01:mm");
    EXPECT_STREQ(a.c_str(), "hh:mm");
    EXPECT_EQ(a.refs(), 1);
    EXPECT_EQ(b.refs(), 1);
}

// The copy-back of ReplaceAll under the Shift-JIS code page.
TEST(RefString, ReplaceAllDropsTrailingLoneLeadByte) {
    if (!ShiftJisCodePage()) {
        GTEST_SKIP() << "needs a double-byte ANSI code page";
    }
    RefString s;
    Assign(s, "ab\x82");
    EXPECT_EQ(s.ReplaceAll("q", "x"), 0);
    EXPECT_STREQ(s.c_str(), "ab\x82");
    EXPECT_EQ(s.ReplaceAll("a", "x"), 1);
    EXPECT_STREQ(s.c_str(), "xb");
}

TEST(RefString, ReplaceAllKeepsDoubleByteCharactersWhole) {
    if (!ShiftJisCodePage()) {
        GTEST_SKIP() << "needs a double-byte ANSI code page";
    }
    RefString s;
    Assign(s, "\x82\xA0y\x93\x79");  // あ y 土
    EXPECT_EQ(s.ReplaceAll("y", "4"), 2);
    EXPECT_STREQ(s.c_str(), "\x82\xA0\x34\x93\x34");
}

}  // namespace

namespace {

struct BoundedCopyCase {
    const char* src;
    std::size_t destSize;
    const char* singleByte;  // what the copy keeps under a single-byte code page
    const char* shiftJis;    // and under Shift-JIS
};

std::ostream& operator<<(std::ostream& out, const BoundedCopyCase& c) {
    return out << Visible(c.src) << " into " << c.destSize;
}

class CopyWholeCharactersTest : public ::testing::TestWithParam<BoundedCopyCase> {};

TEST_P(CopyWholeCharactersTest, CutsAtCharacterBoundaryWithinDestination) {
    const BoundedCopyCase& c = GetParam();
    const std::string expected = ShiftJisCodePage() ? c.shiftJis : c.singleByte;
    char dest[32];
    std::memset(dest, '#', sizeof dest);
    EXPECT_EQ(CopyWholeCharacters(dest, c.destSize, c.src), expected.size());
    EXPECT_EQ(std::string(dest), expected);
    for (std::size_t i = c.destSize; i < sizeof dest; ++i) {
        EXPECT_EQ(dest[i], '#') << "written past the destination at " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyWholeCharactersTest,
    ::testing::Values(BoundedCopyCase{"abc", 10, "abc", "abc"},
                      BoundedCopyCase{"abc", 4, "abc", "abc"},
                      BoundedCopyCase{"abcdef", 4, "abc", "abc"}, BoundedCopyCase{"abc", 1, "", ""},
                      // あ (0x82 0xA0) straddling the cut is dropped whole.
                      BoundedCopyCase{"a\x82\xA0z", 3, "a\x82", "a"},
                      BoundedCopyCase{"a\x82\xA0z", 4, "a\x82\xA0", "a\x82\xA0"},
                      // A trailing lone lead byte starts no whole character.
                      BoundedCopyCase{"\x82\xA0\x82", 10, "\x82\xA0\x82", "\x82\xA0"},
                      // A lead byte takes any byte behind it as its trail byte.
                      BoundedCopyCase{"\x93y\x82", 3, "\x93y", "\x93y"}));

TEST(CopyWholeCharacters, EmptyDestinationIsLeftAlone) {
    char dest[2] = {'#', '#'};
    EXPECT_EQ(CopyWholeCharacters(dest, 0, "abc"), 0u);
    EXPECT_EQ(dest[0], '#');
}

TEST(CopyWholeCharacters, MissingSourceGivesEmptyText) {
    char dest[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(CopyWholeCharacters(dest, sizeof dest, nullptr), 0u);
    EXPECT_EQ(dest[0], '\0');
}

}  // namespace
