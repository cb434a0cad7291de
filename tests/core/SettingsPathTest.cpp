#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "app/Autostart.h"
#include "settings/SettingsPath.h"
#include "settings/SettingsPlace.h"
#include "text/CodePage.h"

namespace {

struct PathCase {
    const char* why;
    std::string executable;
    std::string name;
    bool fits;
    std::string path;
};

std::ostream& operator<<(std::ostream& out, const PathCase& c) {
    return out << c.why;
}

void ExpectComposes(const PathCase& c) {
    char path[kSettingsPathSize];
    std::memset(path, '#', sizeof path);

    EXPECT_EQ(ComposeSettingsPath(c.executable.c_str(), c.name.c_str(), path), c.fits);

    EXPECT_EQ(std::string(path), c.path);
    for (std::size_t i = c.path.size(); i < kSettingsPathSize; ++i) {
        ASSERT_EQ(path[i], '\0') << "byte " << i << " left over";
    }
}

class SettingsPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsPathTest, Composes) {
    ExpectComposes(GetParam());
}

const PathCase kPlacementCases[] = {
    {"beside the executable", "C:\\Tools\\x.exe", "tavi.ini", true, "C:\\Tools\\tavi.ini"},
    {"drive root", "C:\\x.exe", "tavi.ini", true, "C:\\tavi.ini"},
    {"deep directory", "D:\\a\\b c\\d\\tavikan.exe", "tavi.ini", true, "D:\\a\\b c\\d\\tavi.ini"},
    {"network path has no drive", "\\\\server\\share\\apps\\x.exe", "tavi.ini", true,
     "\\\\server\\share\\apps\\tavi.ini"},
    {"a forward slash does not count", "C:\\Tools\\x.exe", "conf/tavi.ini", true,
     "C:\\Tools\\conf/tavi.ini"},
    {"name with a backslash stands", "C:\\Tools\\x.exe", "D:\\Other\\my.ini", true,
     "D:\\Other\\my.ini"},
    {"relative name with a backslash stands", "C:\\Tools\\x.exe", ".\\tavi.ini", true,
     ".\\tavi.ini"},
    {"backslash at the end of the name", "C:\\Tools\\x.exe", "dir\\", true, "dir\\"},
};
INSTANTIATE_TEST_SUITE_P(Placement, SettingsPathTest, testing::ValuesIn(kPlacementCases));

// The profile functions take a bare name as a file in the Windows directory,
// so a name that cannot go beside the executable gives no path at all.
const PathCase kRefusedCases[] = {
    {"executable path unknown", "", "tavi.ini", false, ""},
    {"executable path without a directory", "x.exe", "tavi.ini", false, ""},
    {"executable path with forward slashes only", "C:/Tools/x.exe", "tavi.ini", false, ""},
    {"empty name", "C:\\Tools\\x.exe", "", false, ""},
};
INSTANTIATE_TEST_SUITE_P(Refused, SettingsPathTest, testing::ValuesIn(kRefusedCases));

// 259 bytes of text fit; one more gives no path rather than a cut one.
const std::string kDirectory259 = "C:\\" + std::string(247, 'd') + "\\";  // 251 bytes
const PathCase kLengthCases[] = {
    {"259 bytes beside the executable", kDirectory259 + "x.exe", "tavi.ini", true,
     kDirectory259 + "tavi.ini"},
    {"260 bytes beside the executable", kDirectory259 + "x.exe", "tavi.ini1", false, ""},
    {"executable path itself too long", kDirectory259 + std::string(300, 'e') + "\\x.exe",
     "tavi.ini", false, ""},
    {"259-byte name with a backslash", "C:\\x.exe", "C:\\" + std::string(256, 'n'), true,
     "C:\\" + std::string(256, 'n')},
    {"260-byte name with a backslash", "C:\\x.exe", "C:\\" + std::string(257, 'n'), false, ""},
};
INSTANTIATE_TEST_SUITE_P(Length, SettingsPathTest, testing::ValuesIn(kLengthCases));

// In Shift-JIS the second byte of a character may be 0x5C, the backslash:
// 0x95 0x5C is one character ("hyou"), not a separator.
class SettingsPathShiftJisTest : public testing::TestWithParam<PathCase> {
  protected:
    void SetUp() override {
        if (!IsLeadByte(0x95)) {
            GTEST_SKIP() << "the ANSI code page has no double-byte characters";
        }
    }
};

TEST_P(SettingsPathShiftJisTest, Composes) {
    ExpectComposes(GetParam());
}

const std::string kHyou = "\x95\x5C";
const PathCase kShiftJisCases[] = {
    {"trail byte in the executable's name", "C:\\Tools\\" + kHyou + ".exe", "tavi.ini", true,
     "C:\\Tools\\tavi.ini"},
    {"trail byte ending a directory name", "C:\\" + kHyou + "\\x.exe", "tavi.ini", true,
     "C:\\" + kHyou + "\\tavi.ini"},
    {"trail byte in the name is no backslash", "C:\\Tools\\x.exe", kHyou + ".ini", true,
     "C:\\Tools\\" + kHyou + ".ini"},
    {"only trail bytes: no directory", kHyou + ".exe", "tavi.ini", false, ""},
};
INSTANTIATE_TEST_SUITE_P(ShiftJis, SettingsPathShiftJisTest, testing::ValuesIn(kShiftJisCases));

// The per-user file: "executable" holds the value of %APPDATA%.
class PerUserPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(PerUserPathTest, Composes) {
    const PathCase& c = GetParam();
    char path[kSettingsPathSize];
    char folder[kSettingsPathSize];
    std::memset(path, '#', sizeof path);
    std::memset(folder, '#', sizeof folder);
    EXPECT_EQ(ComposePerUserPath(c.executable.c_str(), c.name.c_str(), path, folder), c.fits);
    EXPECT_EQ(std::string(path), c.path);
    const std::string wantFolder = c.fits ? c.path.substr(0, c.path.rfind('\\')) : "";
    EXPECT_EQ(std::string(folder), wantFolder);
}

const std::string kAppData = "C:\\Users\\u\\AppData\\Roaming";
const std::string kLongAppData =
    "C:\\" + std::string(259 - 3 - 17, 'a');  // 259 with "\\Tavikan\\tavi.ini"
const PathCase kPerUserCases[] = {
    {"in the folder Tavikan", kAppData, "tavi.ini", true, kAppData + "\\Tavikan\\tavi.ini"},
    {"a backslash at the end is not doubled", kAppData + "\\", "tavi.ini", true,
     kAppData + "\\Tavikan\\tavi.ini"},
    {"a drive's root", "D:\\", "tavi.ini", true, "D:\\Tavikan\\tavi.ini"},
    {"259 bytes fit", kLongAppData, "tavi.ini", true, kLongAppData + "\\Tavikan\\tavi.ini"},
    {"260 bytes do not", kLongAppData + "b", "tavi.ini", false, ""},
    {"no %APPDATA%", "", "tavi.ini", false, ""},
    {"empty name", kAppData, "", false, ""},
};
INSTANTIATE_TEST_SUITE_P(PerUser, PerUserPathTest, testing::ValuesIn(kPerUserCases));

// Whether the per-user file is used at start, and whether a refused write
// moves the settings there.
TEST(SettingsPlaceTest, PerUserFileOnlyWhereTheProgramsOwnCannotBeWritten) {
    const struct {
        bool perUserExists, besideWritable;
        SettingsPlace place;
    } rows[] = {
        {false, true, SettingsPlace::BesideProgram},
        {false, false, SettingsPlace::BesideProgram},  // the first write carries over
        {true, true, SettingsPlace::BesideProgram},    // portable: nothing read from %APPDATA%
        {true, false, SettingsPlace::PerUser},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PlaceAtStart(row.perUserExists, row.besideWritable), row.place)
            << row.perUserExists << row.besideWritable;
    }
    EXPECT_TRUE(CarriesOverAfterRefusal(SettingsPlace::BesideProgram, true));
    EXPECT_FALSE(CarriesOverAfterRefusal(SettingsPlace::BesideProgram, false));
    EXPECT_FALSE(CarriesOverAfterRefusal(SettingsPlace::PerUser, true));
}

// The Run value: "path" and whether a stored value names the executable.
struct RunValueCase {
    const char* why;
    std::string value;
    bool namesProgram;
};

std::ostream& operator<<(std::ostream& out, const RunValueCase& c) {
    return out << c.why;
}

class RunValueTest : public testing::TestWithParam<RunValueCase> {};

const char kProgram[] = "C:\\Tools\\Tavikan\\tavikan.exe";

TEST_P(RunValueTest, NamesTheProgramOrNot) {
    EXPECT_EQ(RunValueNamesProgram(GetParam().value.c_str(), kProgram), GetParam().namesProgram);
}

const RunValueCase kRunValueCases[] = {
    {"as the program writes it", "\"C:\\Tools\\Tavikan\\tavikan.exe\"", true},
    {"without quotes", "C:\\Tools\\Tavikan\\tavikan.exe", true},
    {"letters in another case", "\"c:\\TOOLS\\tavikan\\TAVIKAN.EXE\"", true},
    {"another folder", "\"C:\\Old\\Tavikan\\tavikan.exe\"", false},
    {"with arguments", "\"C:\\Tools\\Tavikan\\tavikan.exe\" /x", false},
    {"only a prefix of the path", "\"C:\\Tools\\Tavikan\\tavikan\"", false},
    {"one quote only", "\"C:\\Tools\\Tavikan\\tavikan.exe", false},
    {"empty", "", false},
    {"two quotes", "\"\"", false},
    {"one quote", "\"", false},
};
INSTANTIATE_TEST_SUITE_P(Values, RunValueTest, testing::ValuesIn(kRunValueCases));

TEST(RunValueTest, QuotesThePathOrRefusesWhatDoesNotFit) {
    char value[32];
    std::memset(value, '#', sizeof value);
    ASSERT_TRUE(QuoteProgramPath("C:\\x\\tavikan.exe", value, sizeof value));
    EXPECT_STREQ(value, "\"C:\\x\\tavikan.exe\"");
    const std::string exact(sizeof value - 3, 'p');  // with two quotes and the terminator
    EXPECT_TRUE(QuoteProgramPath(exact.c_str(), value, sizeof value));
    EXPECT_EQ(std::string(value), "\"" + exact + "\"");
    EXPECT_FALSE(QuoteProgramPath((exact + "p").c_str(), value, sizeof value));
    EXPECT_STREQ(value, "");
    EXPECT_FALSE(QuoteProgramPath("", value, sizeof value));
}

// A double-byte character whose second byte is a letter's code is not that
// letter: a path that differs only there names another program.
TEST(RunValueTest, DoubleByteCharactersAreComparedExactly) {
    if (!IsLeadByte(0x82)) {
        GTEST_SKIP() << "the ANSI code page has no double-byte characters";
    }
    // 0x82 0x61 and 0x82 0x41 are two characters; by single bytes only the
    // case of the second would differ.
    EXPECT_TRUE(RunValueNamesProgram("C:\\\x82\x61\\T.exe", "C:\\\x82\x61\\t.EXE"));
    EXPECT_FALSE(RunValueNamesProgram("C:\\\x82\x61\\t.exe", "C:\\\x82\x41\\t.exe"));
}

}  // namespace
