#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "settings/Base64.h"

namespace {

constexpr unsigned char kUntouched = 0xAA;

// The text in a heap block of exactly its size, so that a read past its NUL
// shows under AddressSanitizer.
std::unique_ptr<char[]> ExactText(const std::string& text) {
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy;
}

std::string Encode(const std::string& bytes) {
    // One spare byte past the documented size catches an overrun.
    const std::size_t size = 4 * ((bytes.size() + 2) / 3) + 1;
    std::vector<char> out(size + 1, '#');
    Base64Encode(out.data(), reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<int>(bytes.size()));
    EXPECT_EQ(out[size], '#') << "wrote past the documented size";
    EXPECT_EQ(out[size - 1], '\0');
    return std::string(out.data());
}

struct EncodeCase {
    std::string bytes;
    const char* text;
};

// Test lists name a case by its text; "(empty)" holds no Base64 character.
std::ostream& operator<<(std::ostream& out, const EncodeCase& c) {
    return out << (*c.text != '\0' ? c.text : "(empty)");
}

class Base64EncodeTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(Base64EncodeTest, GivesTheStandardText) {
    EXPECT_EQ(Encode(GetParam().bytes), GetParam().text);
}

// RFC 4648 test vectors, and bytes that reach both ends of the alphabet.
const EncodeCase kEncodeCases[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
    {std::string("\0\0\0", 3), "AAAA"},
    {"\xFF\xFF\xFF", "////"},
    {"\xFB\xEF\xBE", "++++"},
    {"\xFF", "/w=="},
    {"\xFF\xEE", "/+4="},
};
INSTANTIATE_TEST_SUITE_P(Vectors, Base64EncodeTest, testing::ValuesIn(kEncodeCases));

TEST(Base64Encode, NegativeLengthGivesTheEmptyText) {
    char out[4] = {'#', '#', '#', '#'};
    const unsigned char in[3] = {1, 2, 3};
    Base64Encode(out, in, -3);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(out[1], '#');
}

TEST(Base64Encode, SixtyBytesGiveEightyCharactersWithoutPadding) {
    std::string record;
    for (int i = 0; i < 60; ++i) {
        record += static_cast<char>(i * 37 + 5);
    }
    const std::string text = Encode(record);
    EXPECT_EQ(text.size(), 80u);
    EXPECT_EQ(text.find('='), std::string::npos);

    unsigned char decoded[60] = {};
    EXPECT_EQ(Base64Decode(decoded, text.c_str(), 60), 60);
    EXPECT_EQ(std::memcmp(decoded, record.data(), 60), 0);
}

TEST(Base64Decode, EveryByteValueRoundTrips) {
    for (int length = 0; length <= 256; ++length) {
        std::string bytes;
        for (int i = 0; i < length; ++i) {
            bytes += static_cast<char>((i * 101 + length) & 255);
        }
        const std::string text = Encode(bytes);
        std::vector<unsigned char> decoded(300, kUntouched);
        const int result = Base64Decode(decoded.data(), text.c_str(), 300);
        if (length == 0) {
            EXPECT_EQ(result, -1) << "the empty text is a failure";
            continue;
        }
        ASSERT_EQ(result, length);
        EXPECT_EQ(std::memcmp(decoded.data(), bytes.data(), bytes.size()), 0) << length;
        EXPECT_EQ(decoded[length], kUntouched);
    }
}

struct DecodeCase {
    const char* why;
    std::string text;
    int limit;
    int result;
    std::string stored;  // the bytes at the start of the output afterwards
};

std::ostream& operator<<(std::ostream& out, const DecodeCase& c) {
    return out << c.why;
}

class Base64DecodeTest : public testing::TestWithParam<DecodeCase> {};

// The output is exactly the limit's size and pre-filled, so a byte stored
// beyond the limit shows under AddressSanitizer and one beyond the reported
// bytes shows as a changed fill byte.
TEST_P(Base64DecodeTest, StoresAndReturns) {
    const DecodeCase& c = GetParam();
    const std::size_t size = c.limit > 0 ? static_cast<std::size_t>(c.limit) : 0;
    std::unique_ptr<unsigned char[]> out(new unsigned char[size]);
    std::memset(out.get(), kUntouched, size);
    const std::unique_ptr<char[]> text = ExactText(c.text);

    EXPECT_EQ(Base64Decode(out.get(), text.get(), c.limit), c.result);

    ASSERT_LE(c.stored.size(), size);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.get()), c.stored.size()), c.stored);
    for (std::size_t i = c.stored.size(); i < size; ++i) {
        EXPECT_EQ(out[i], kUntouched) << "byte " << i << " changed";
    }
}

const DecodeCase kEndCases[] = {
    {"one quartet", "Zm9v", 60, 3, "foo"},
    {"two quartets", "Zm9vYmFy", 60, 6, "foobar"},
    {"one byte", "Zg==", 60, 1, "f"},
    {"two bytes", "Zm8=", 60, 2, "fo"},
    {"ends after a quartet with = fourth", "Zg==Zm9v", 60, 1, "f"},
    {"two bytes then stops", "Zm8=Zm9v", 60, 2, "fo"},
    {"= third, letter fourth, goes on", "Zg=AZm9v", 60, 4, "ffoo"},
    {"= third, letter fourth, at the end", "Zm=v", 60, 1, "f"},
    {"followed by CR", "Zm9v\r", 60, 3, "foo"},
    {"followed by CR LF", "Zm9v\r\n", 60, 3, "foo"},
    {"CR ends before more quartets", "Zm9v\rYmFy", 60, 3, "foo"},
    {"plus-space prefix", "+ Zm9vYmFy", 60, 6, "foobar"},
    {"plus without space is an alphabet character", "+Zm9", 60, 3, "\xF9\x99\xBD"},
    // A CR before any quartet ends the text with nothing stored.
    {"a single CR", "\r", 60, 0, ""},
    {"CR after the prefix", "+ \r", 60, 0, ""},
    {"CR before a valid text", "\rZm9v", 60, 0, ""},
    {"CR whatever the limit", "\r", 0, 0, ""},
};
INSTANTIATE_TEST_SUITE_P(Ends, Base64DecodeTest, testing::ValuesIn(kEndCases));

const DecodeCase kFailureCases[] = {
    {"empty text", "", 60, -1, ""},
    {"prefix alone", "+ ", 60, -1, ""},
    {"plus alone", "+", 60, -1, ""},
    {"one character", "Z", 60, -1, ""},
    {"ends inside the first quartet", "Zm9", 60, -1, ""},
    {"ends inside the second quartet", "Zm9vZm", 60, -1, "foo"},
    {"followed by LF", "Zm9v\n", 60, -1, "foo"},
    {"followed by a space", "Zm9v Zm9v", 60, -1, "foo"},
    {"leading space", " Zm9v", 60, -1, ""},
    {"= first", "=m9v", 60, -1, ""},
    {"= second", "Z=9v", 60, -1, ""},
    {"invalid third", "Zm*v", 60, -1, ""},
    {"invalid fourth", "Zm9*", 60, -1, ""},
    {"code 128 first", "\x80m9v", 60, -1, ""},
    {"high code second",
     "Z\xC3"
     "9v",
     60, -1, ""},
    {"high code fourth, second quartet", "Zm9vYmF\xFF", 60, -1, "foo"},
    {"CR inside a quartet", "Zm\r\n", 60, -1, ""},
};
INSTANTIATE_TEST_SUITE_P(Failures, Base64DecodeTest, testing::ValuesIn(kFailureCases));

// Before each quartet s + 1 must be less than the limit and the quartet's
// bytes must fit: a last byte that would just fill the limit is refused.
const DecodeCase kLimitCases[] = {
    {"limit 3, one quartet", "Zm9v", 3, 3, "foo"},
    {"limit 3, two quartets", "Zm9vYmFy", 3, -1, "foo"},
    {"limit 2, three bytes do not fit", "Zm9v", 2, -1, ""},
    {"limit 2, one byte", "Zg==", 2, 1, "f"},
    {"limit 2, two bytes", "Zm8=", 2, 2, "fo"},
    {"limit 1 refuses even one byte", "Zg==", 1, -1, ""},
    {"limit 4, a fourth byte is refused", "Zm9vZg==", 4, -1, "foo"},
    {"limit 5, a fourth byte fits", "Zm9vZg==", 5, 4, "foof"},
    {"limit 0", "Zg==", 0, -1, ""},
    {"negative limit", "Zg==", -5, -1, ""},
};
INSTANTIATE_TEST_SUITE_P(Limits, Base64DecodeTest, testing::ValuesIn(kLimitCases));

TEST(Base64Decode, TwentyFirstQuartetFailsAfterSixtyBytes) {
    std::string bytes;
    for (int i = 0; i < 63; ++i) {
        bytes += static_cast<char>(200 - i);
    }
    const std::string text = Encode(bytes);
    ASSERT_EQ(text.size(), 84u);

    unsigned char out[60];
    std::memset(out, kUntouched, sizeof out);
    EXPECT_EQ(Base64Decode(out, text.c_str(), 60), -1);
    EXPECT_EQ(std::memcmp(out, bytes.data(), 60), 0);
}

}  // namespace
