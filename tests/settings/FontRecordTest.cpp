#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <ostream>
#include <string>

#include "TempFolder.h"
#include "settings/Base64.h"
#include "settings/FontRecord.h"
#include "settings/SettingsFile.h"

namespace {

constexpr std::size_t kRecordSize = 60;
constexpr std::size_t kFaceNameOffset = 28;

// The default record as it lies in the file: lfHeight -11 little-endian,
// lfCharSet 128 at byte 23, "Tahoma" from byte 28, every other byte zero.
std::string DefaultRecordBytes() {
    std::string bytes(kRecordSize, '\0');
    const unsigned char height[4] = {0xF5, 0xFF, 0xFF, 0xFF};
    bytes.replace(0, 4, reinterpret_cast<const char*>(height), 4);
    bytes[23] = static_cast<char>(128);
    bytes.replace(kFaceNameOffset, 6, "Tahoma");
    return bytes;
}

std::string BytesOf(const LOGFONTA& logFont) {
    return std::string(reinterpret_cast<const char*>(&logFont), sizeof logFont);
}

std::string Encode(const std::string& bytes) {
    std::string text(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    Base64Encode(&text[0], reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<int>(bytes.size()));
    text.resize(text.size() - 1);
    return text;
}

// A record of 63 distinct, non-zero bytes; its face name holds no NUL.
std::string SourceBytes() {
    std::string bytes;
    for (std::size_t i = 0; i < kRecordSize + 3; ++i) {
        bytes += static_cast<char>(i * 7 + 3);
    }
    return bytes;
}

class FontRecordTest : public testing::Test {
  protected:
    FontRecordTest() { settings.ResolvePath(IniPath().c_str()); }

    std::string IniPath() const { return folder.FilePath(kSettingsFileName); }
    LOGFONTA ReadBack() const {
        LOGFONTA logFont;
        std::memset(&logFont, 0x5A, sizeof logFont);
        ReadIndicatorFont(settings, logFont);
        return logFont;
    }

    TempFolder folder;
    SettingsFile settings;
};

TEST_F(FontRecordTest, DefaultRecordIsTahomaElevenPixelsShiftJis) {
    LOGFONTA logFont;
    std::memset(&logFont, 0x5A, sizeof logFont);
    SetDefaultIndicatorFont(logFont);

    EXPECT_EQ(BytesOf(logFont), DefaultRecordBytes());
    EXPECT_EQ(logFont.lfHeight, -11);
    EXPECT_EQ(logFont.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(logFont.lfFaceName, "Tahoma");
}

TEST_F(FontRecordTest, WritesEightyCharactersUnderFontInMain) {
    LOGFONTA logFont;
    SetDefaultIndicatorFont(logFont);
    WriteIndicatorFont(settings, logFont);

    EXPECT_EQ(
        ReadFileBytes(IniPath()),
        "[MAIN]\r\nFONT=9f///wAAAAAAAAAAAAAAAAAAAAAAAACAAAAAAFRhaG9tYQAAAAAAAAAAAAAAAAAAAAAAAAA"
        "AAAAAAAAA\r\n");
}

TEST_F(FontRecordTest, ChosenRecordReadsBackWhole) {
    LOGFONTA chosen;
    SetDefaultIndicatorFont(chosen);
    chosen.lfHeight = -24;
    chosen.lfWeight = FW_BOLD;
    chosen.lfItalic = 1;
    chosen.lfUnderline = 1;
    chosen.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    // "MS Gothic" in full-width Shift-JIS letters and katakana.
    std::strcpy(chosen.lfFaceName, "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
    WriteIndicatorFont(settings, chosen);

    EXPECT_EQ(BytesOf(ReadBack()), BytesOf(chosen));
}

TEST_F(FontRecordTest, FaceNameFillingAllBytesIsEndedWithNul) {
    std::string stored = DefaultRecordBytes();
    stored.replace(kFaceNameOffset, 32, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef");
    WriteFileBytes(IniPath(), "[MAIN]\r\nFONT=" + Encode(stored) + "\r\n");

    const LOGFONTA logFont = ReadBack();
    EXPECT_STREQ(logFont.lfFaceName, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde");
    EXPECT_EQ(BytesOf(logFont).substr(0, kFaceNameOffset), DefaultRecordBytes().substr(0, 28));
}

struct StoredFontCase {
    const char* why;
    std::string line;      // the FONT line of the file, empty for none
    std::size_t replaced;  // leading bytes of the source record that reach the record
};

std::ostream& operator<<(std::ostream& out, const StoredFontCase& c) {
    return out << c.why;
}

class StoredFontTest : public FontRecordTest, public testing::WithParamInterface<StoredFontCase> {};

// Whatever is stored, the record is the default with as many leading bytes
// replaced as decoded before the value ended or failed.
TEST_P(StoredFontTest, OverwritesTheDefault) {
    const StoredFontCase& c = GetParam();
    WriteFileBytes(IniPath(), "[MAIN]\r\nMODE=1\r\n" + c.line);

    std::string expected = DefaultRecordBytes();
    expected.replace(0, c.replaced, SourceBytes().substr(0, c.replaced));
    expected[kRecordSize - 1] = '\0';
    EXPECT_EQ(BytesOf(ReadBack()), expected);
}

const std::string kSource = SourceBytes();
const std::string kWhole = Encode(kSource.substr(0, kRecordSize));

const StoredFontCase kStoredFontCases[] = {
    {"no FONT key", "", 0},
    {"empty value", "FONT=\r\n", 0},
    {"first quartet invalid", "FONT=*" + kWhole.substr(1) + "\r\n", 0},
    {"CR first", "FONT=\r" + kWhole + "\r\n", 0},
    {"prefix then CR", "FONT=+ \r" + kWhole + "\r\n", 0},
    {"valid, then LF", "FONT=" + kWhole.substr(0, 16) + "\n" + kWhole.substr(16) + "\r\n", 12},
    {"valid, then an invalid character", "FONT=" + kWhole.substr(0, 40) + "*" + "\r\n", 30},
    {"valid, then a blank inside", "FONT=" + kWhole.substr(0, 8) + " " + kWhole.substr(8) + "\r\n",
     6},
    {"short valid", "FONT=" + kWhole.substr(0, 8) + "\r\n", 6},
    {"short valid, padded", "FONT=" + Encode(kSource.substr(0, 10)) + "\r\n", 10},
    {"complete", "FONT=" + kWhole + "\r\n", kRecordSize},
    {"prefix plus-space", "FONT=+ " + kWhole + "\r\n", kRecordSize},
    {"more than 60 bytes", "FONT=" + Encode(kSource) + "\r\n", kRecordSize},
};
INSTANTIATE_TEST_SUITE_P(Values, StoredFontTest, testing::ValuesIn(kStoredFontCases));

}  // namespace
