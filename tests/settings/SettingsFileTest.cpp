#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstring>
#include <ostream>
#include <string>

#include "TempFolder.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"

namespace {

// Each test works on "tavi.ini" in a folder of its own.
class SettingsFileTest : public testing::Test {
  protected:
    SettingsFileTest() { settings.ResolvePath(IniPath().c_str()); }

    std::string IniPath() const { return folder.FilePath(kSettingsFileName); }
    int ReadInt(const char* key, int defaultValue) const {
        return settings.ReadInt(kSettingsSection, key, defaultValue);
    }
    std::string ReadString(const char* key) const {
        return settings.ReadString(kSettingsSection, key, kDefaultDateFormat);
    }

    TempFolder folder;
    SettingsFile settings;
};

struct IntKey {
    const char* key;     // the program's name for it
    int programDefault;  // the default the program passes in
    const char* name;    // as the settings file spells it
    int defaultValue;    // as the settings rules give it
};

// Every integer key: what the program uses beside what the rules say, so that a
// wrong name or default in the program fails here; the defaults differ from 0
// where they can.
const IntKey kIntKeys[] = {
    {kFontColorKey, kDefaultTextColor, "FONT_COLOR", 0},
    {kBackColorKey, kDefaultBackColor, "BACK_COLOR", 14286847},
    {kOffsetXKey, kDefaultOffsetX, "WINPOINT_X", 12},
    {kOffsetYKey, kDefaultOffsetY, "WINPOINT_Y", 15},
    {kModeKey, kDefaultDisplayMode, "MODE", 1},
    {kViewModeKey, kDefaultViewMode, "VIEW_MODE", 0},
    {kAlphaKey, kDefaultAlphaCommand, "ALPHA", 40036},
    {kBorderKey, kDefaultBorder, "BORDER", 1},
};

TEST_F(SettingsFileTest, NameWithABackslashIsThePath) {
    EXPECT_EQ(std::string(settings.Path()), IniPath());
}

TEST_F(SettingsFileTest, MissingFileGivesEveryDefault) {
    for (const IntKey& k : kIntKeys) {
        EXPECT_STREQ(k.key, k.name);
        EXPECT_EQ(ReadInt(k.key, k.programDefault), k.defaultValue) << k.name;
        EXPECT_EQ(ReadInt(k.key, -99), -99) << k.name;
    }
    EXPECT_STREQ(kDateFormatKey, "DATE_FORMAT");
    EXPECT_STREQ(settings.ReadString(kSettingsSection, kDateFormatKey, kDefaultDateFormat),
                 "yyyy/MM/dd hh:mm:ss");

    unsigned char blob[60];
    std::memset(blob, 0x5A, sizeof blob);
    EXPECT_EQ(settings.ReadBlob(kSettingsSection, "FONT", blob, 60), -1);
    for (unsigned char b : blob) {
        ASSERT_EQ(b, 0x5A);
    }
    EXPECT_TRUE(folder.FileNames().empty()) << "reading created a file";
}

TEST_F(SettingsFileTest, IntegersReadBackAsWritten) {
    const struct {
        int value;
        const char* text;
    } cases[] = {
        {-30, "-30"},
        {0, "0"},
        {14286847, "14286847"},
        {INT_MIN, "-2147483648"},
        {INT_MAX, "2147483647"},
        {-1, "-1"},
    };
    for (const auto& c : cases) {
        settings.WriteInt(kSettingsSection, "WINPOINT_X", c.value);
        EXPECT_EQ(ReadInt("WINPOINT_X", 12), c.value);
        EXPECT_NE(ReadFileBytes(IniPath()).find(std::string("WINPOINT_X=") + c.text + "\r\n"),
                  std::string::npos)
            << c.text;
    }
}

TEST_F(SettingsFileTest, EmptyValuesGiveTheDefaults) {
    settings.WriteString(kSettingsSection, "DATE_FORMAT", "");
    settings.WriteString(kSettingsSection, "WINPOINT_X", "");
    settings.WriteString(kSettingsSection, "FONT", "");
    ASSERT_EQ(ReadFileBytes(IniPath()), "[MAIN]\r\nDATE_FORMAT=\r\nWINPOINT_X=\r\nFONT=\r\n");

    EXPECT_EQ(ReadString("DATE_FORMAT"), kDefaultDateFormat);
    EXPECT_EQ(ReadInt("WINPOINT_X", 12), 12);
    unsigned char blob[4] = {1, 2, 3, 4};
    EXPECT_EQ(settings.ReadBlob(kSettingsSection, "FONT", blob, 4), -1);
    EXPECT_EQ(blob[0], 1);
}

TEST_F(SettingsFileTest, LongValueReadsAsItsFirst1023Bytes) {
    std::string value;
    for (int i = 0; i < 2000; ++i) {
        value += static_cast<char>('a' + i % 26);
    }
    settings.WriteString(kSettingsSection, "DATE_FORMAT", value.c_str());
    EXPECT_NE(ReadFileBytes(IniPath()).find(value), std::string::npos) << "the write was cut";

    EXPECT_EQ(ReadString("DATE_FORMAT"), value.substr(0, 1023));
}

TEST_F(SettingsFileTest, ShiftJisTextIsStoredAsItsBytes) {
    // "gg e nen M gatsu" with a character whose second byte is a backslash
    // (0x95 0x5C) at the very end.
    const std::string format = "gg e\x94\x4EM\x8C\x8E\x95\x5C";
    settings.WriteString(kSettingsSection, "DATE_FORMAT", format.c_str());

    EXPECT_EQ(ReadFileBytes(IniPath()), "[MAIN]\r\nDATE_FORMAT=" + format + "\r\n");
    EXPECT_EQ(ReadString("DATE_FORMAT"), format);
}

TEST_F(SettingsFileTest, WritesLandInSectionMainInOrder) {
    settings.WriteInt(kSettingsSection, "ALPHA", 40036);
    settings.WriteInt(kSettingsSection, "MODE", 1);
    settings.WriteInt(kSettingsSection, "VIEW_MODE", 0);
    EXPECT_EQ(ReadFileBytes(IniPath()), "[MAIN]\r\nALPHA=40036\r\nMODE=1\r\nVIEW_MODE=0\r\n");

    settings.WriteInt(kSettingsSection, "MODE", 2);
    EXPECT_EQ(ReadFileBytes(IniPath()), "[MAIN]\r\nALPHA=40036\r\nMODE=2\r\nVIEW_MODE=0\r\n")
        << "a present key is replaced where it stands";
}

TEST_F(SettingsFileTest, WritesLeaveOtherSectionsAndCommentsAlone) {
    WriteFileBytes(IniPath(), "; kept\r\n[MAIN]\r\nMODE=0\r\n[OTHER]\r\nMODE=9\r\n");
    settings.WriteInt(kSettingsSection, "MODE", 2);
    settings.WriteInt(kSettingsSection, "BORDER", 0);

    EXPECT_EQ(ReadFileBytes(IniPath()),
              "; kept\r\n[MAIN]\r\nMODE=2\r\nBORDER=0\r\n[OTHER]\r\nMODE=9\r\n");
}

struct HandWrittenCase {
    const char* why;
    const char* file;
};

// Test lists and failure lines name a case by its reason.
void PrintTo(const HandWrittenCase& c, std::ostream* out) {
    *out << c.why;
}

class HandWrittenFileTest : public SettingsFileTest,
                            public testing::WithParamInterface<HandWrittenCase> {};

// The same values, laid out as a person might type them.
TEST_P(HandWrittenFileTest, Reads) {
    WriteFileBytes(IniPath(), GetParam().file);
    EXPECT_EQ(ReadInt("WINPOINT_X", 12), -30);
    EXPECT_EQ(ReadInt("BORDER", 1), 5);
    EXPECT_EQ(ReadInt("MODE", 1), 7);
    EXPECT_EQ(ReadString("DATE_FORMAT"), "hh:mm dd");
}

const HandWrittenCase kHandWrittenCases[] = {
    {"plain CRLF", "[MAIN]\r\nWINPOINT_X=-30\r\nBORDER=5\r\nMODE=7\r\nDATE_FORMAT=hh:mm dd\r\n"},
    {"blanks around =",
     "[MAIN]\r\nWINPOINT_X = -30\r\n  BORDER  =5 \r\nMODE=  7\r\n"
     "DATE_FORMAT =  hh:mm dd  \r\n"},
    {"LF only, no final line end",
     "[MAIN]\nWINPOINT_X=-30\nBORDER=5\nMODE=7\nDATE_FORMAT=hh:mm dd"},
    {"other case, blank lines, comment",
     "\r\n; settings\r\n[main]\r\n\r\nwinpoint_x=-30\r\nBorder=5\r\nmode=7\r\ndate_format=hh:mm "
     "dd\r\n"},
    {"text after the numbers",
     "[MAIN]\r\nWINPOINT_X=-30px\r\nBORDER=5 on\r\nMODE=7;x\r\n"
     "DATE_FORMAT=hh:mm dd\r\n"},
    {"enclosing quotes",
     "[MAIN]\r\nWINPOINT_X=-30\r\nBORDER=5\r\nMODE=7\r\n"
     "DATE_FORMAT=\"hh:mm dd\"\r\n"},
    {"another section first",
     "[OTHER]\r\nMODE=1\r\n[MAIN]\r\nWINPOINT_X=-30\r\nBORDER=5\r\n"
     "MODE=7\r\nDATE_FORMAT=hh:mm dd\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Layouts, HandWrittenFileTest, testing::ValuesIn(kHandWrittenCases));

TEST_F(SettingsFileTest, ValueNotBeginningWithANumberReadsAsZero) {
    WriteFileBytes(IniPath(), "[MAIN]\r\nMODE=abc\r\nBORDER=-\r\n");
    EXPECT_EQ(ReadInt("MODE", 1), 0);
    EXPECT_EQ(ReadInt("BORDER", 1), 0);
}

TEST_F(SettingsFileTest, PathTooLongGivesDefaultsAndWritesNothing) {
    const std::size_t spare = kSettingsPathSize - folder.Path().size();
    const std::string longPath = folder.FilePath(std::string(spare, 'n') + ".ini");
    ASSERT_GT(longPath.size(), kSettingsPathSize - 1);
    ASSERT_LT(longPath.size() - folder.Path().size(), 255u)
        << "a file of that name must be possible";

    SettingsFile tooLong;
    tooLong.ResolvePath(longPath.c_str());
    EXPECT_STREQ(tooLong.Path(), "");

    tooLong.WriteInt(kSettingsSection, "TAVIKAN_PROBE", 1);
    tooLong.WriteString(kSettingsSection, "TAVIKAN_PROBE", "1");
    EXPECT_TRUE(folder.FileNames().empty()) << "a file was written under a cut name";
    // A bare or empty name would have sent the write to the Windows directory.
    char probe[8] = "";
    EXPECT_EQ(GetPrivateProfileStringA(kSettingsSection, "TAVIKAN_PROBE", "", probe, sizeof probe,
                                       "win.ini"),
              0u);
    EXPECT_EQ(GetPrivateProfileStringA(kSettingsSection, "TAVIKAN_PROBE", "", probe, sizeof probe,
                                       kSettingsFileName),
              0u);

    EXPECT_EQ(tooLong.ReadInt(kSettingsSection, "WINPOINT_X", 12), 12);
    EXPECT_STREQ(tooLong.ReadString(kSettingsSection, "DATE_FORMAT", kDefaultDateFormat),
                 kDefaultDateFormat);
    unsigned char blob[4] = {1, 2, 3, 4};
    EXPECT_EQ(tooLong.ReadBlob(kSettingsSection, "FONT", blob, 4), -1);
    EXPECT_EQ(blob[0], 1);
}

TEST(SettingsFileResolve, BareNameGoesBesideTheExecutable) {
    char executable[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, executable, MAX_PATH);
    ASSERT_GT(length, 0u);
    ASSERT_LT(length, static_cast<DWORD>(MAX_PATH));
    const std::string folder(executable, std::strrchr(executable, '\\') + 1);

    SettingsFile settings;
    settings.ResolvePath(kSettingsFileName);
    EXPECT_EQ(std::string(settings.Path()), folder + "tavi.ini");
}

}  // namespace
