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
    EXPECT_EQ(ComposePerUserPath(c.executable.c_str(), c.name.c_str(), path, folder), c.fits);
    EXPECT_EQ(std::string(path), c.path);
}

const std::string kRoaming = "C:\\Users\\u\\AppData\\Roaming";
const std::string kLong = "C:\\" + std::string(239, 'a');  // 259 bytes with "\\Tavikan\\tavi.ini"
const PathCase kPerUserCases[] = {
    {"in the folder Tavikan", kRoaming, "tavi.ini", true, kRoaming + "\\Tavikan\\tavi.ini"},
    {"no doubled backslash", kRoaming + "\\", "tavi.ini", true, kRoaming + "\\Tavikan\\tavi.ini"},
    {"259 bytes fit", kLong, "tavi.ini", true, kLong + "\\Tavikan\\tavi.ini"},
    {"260 bytes do not", kLong + "b", "tavi.ini", false, ""},
    {"no %APPDATA%", "", "tavi.ini", false, ""},
};
INSTANTIATE_TEST_SUITE_P(PerUser, PerUserPathTest, testing::ValuesIn(kPerUserCases));

// Whether a Run value names the program: quoted or not, in any case, and
// double-byte characters (whose second byte may be a letter's) exactly.
TEST(RunValueTest, NamesTheProgramOrNot) {
    const char* const program = "C:\\Tools\\tavikan.exe";
    const struct {
        const char* value;
        bool names;
    } rows[] = {
        {"\"C:\\Tools\\tavikan.exe\"", true},
        {"C:\\Tools\\tavikan.exe", true},
        {"\"c:\\TOOLS\\Tavikan.EXE\"", true},
        {"\"C:\\Old\\tavikan.exe\"", false},
        {"\"C:\\Tools\\tavikan.exe\" /x", false},
        {"\"C:\\Tools\\tavikan\"", false},
        {"\"C:\\Tools\\tavikan.exe", false},
        {"", false},
        {"\"\"", false},
        {"\"", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RunValueNamesProgram(row.value, program), row.names) << row.value;
    }
    if (IsLeadByte(0x82)) {
        EXPECT_TRUE(RunValueNamesProgram("C:\\\x82\x61\\T.exe", "C:\\\x82\x61\\t.EXE"));
        EXPECT_FALSE(RunValueNamesProgram("C:\\\x82\x61\\t.exe", "C:\\\x82\x41\\t.exe"));
    }
}

}  // namespace
