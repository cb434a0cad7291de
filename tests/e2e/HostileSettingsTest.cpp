// Damaged and hostile settings files: the program starts, shows its window,
// keeps running, closes with exit code 0 and writes back nothing but ALPHA,
// MODE and VIEW_MODE with the values it read.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>

#include "CaseName.h"
#include "FontSetting.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "ProfileContents.h"
#include "WaitFor.h"

namespace {

constexpr DWORD kKeepRunningMs = 200;

// The same bytes on every run.
std::string PseudoRandomBytes(unsigned seed, size_t count) {
    std::string bytes(count, '\0');
    unsigned state = seed;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}

std::string Repeated(const std::string& piece, size_t length) {
    std::string text;
    while (text.size() < length) {
        text += piece;
    }
    text.resize(length);
    return text;
}

std::string FontText(const std::function<void(LOGFONTA&)>& change) {
    LOGFONTA font = DefaultIndicatorFont();
    change(font);
    return FontSettingText(font);
}

int ReadAndWriteBack(const std::string& path, const char* key, int fallback) {
    const int value = ReadMainInt(path, key, fallback);
    WritePrivateProfileStringA("MAIN", key, std::to_string(value).c_str(), path.c_str());
    return value;
}

struct HostileCase {
    const char* name;
    std::string bytes;
};

class E2eHostileSettings : public testing::TestWithParam<HostileCase> {};

TEST_P(E2eHostileSettings, StartsRunsClosesAndWritesBackOnlyItsThreeKeys) {
    const HostileCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.folder.Ready()) << session.folder.Error();
    const std::string& original = c.bytes;

    // What the file should hold afterwards: the original with the three keys
    // read and written back one after the other, by the same profile
    // functions, in the program's order.
    const std::string reference = session.folder.FilePath("reference.ini");
    WriteFileBytes(reference, original);
    const int alpha = ReadAndWriteBack(reference, "ALPHA", 40036);
    const int mode = ReadAndWriteBack(reference, "MODE", 1);
    const int viewMode = ReadAndWriteBack(reference, "VIEW_MODE", 0);

    ASSERT_TRUE(session.Start(original));
    ASSERT_TRUE(session.WaitForFirstTick());
    EXPECT_FALSE(WaitFor(kKeepRunningMs, [&] { return !session.program.Running(); }))
        << "ended on its own";
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(session.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer))
        << "the window does not answer";
    EXPECT_TRUE(IsWindowVisible(session.window));
    DWORD exitCode = 99;
    ASSERT_TRUE(session.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);

    // Both files are read afresh from copies, so that neither comes from the
    // profile functions' cache of this process.
    ASSERT_TRUE(FileExists(session.folder.SettingsPath()));
    ASSERT_TRUE(FileExists(reference));
    const std::string result = session.folder.FilePath("result.ini");
    WriteFileBytes(result, ReadFileBytes(session.folder.SettingsPath()));
    WriteFileBytes(session.folder.FilePath("expected.ini"), ReadFileBytes(reference));
    EXPECT_EQ(ReadMainValue(result, "ALPHA"), std::to_string(alpha));
    EXPECT_EQ(ReadMainValue(result, "MODE"), std::to_string(mode));
    EXPECT_EQ(ReadMainValue(result, "VIEW_MODE"), std::to_string(viewMode));
    EXPECT_EQ(ReadProfile(result), ReadProfile(session.folder.FilePath("expected.ini")));
}

const HostileCase kCases[] = {
    {"RandomBytes", PseudoRandomBytes(1, 4096)},
    {"RandomBytesInMain", "[MAIN]\r\n" + PseudoRandomBytes(2, 4096)},
    {"ZeroBytesBeforeMain", std::string(1000, '\0') + "[MAIN]\r\nMODE=0\r\n"},
    {"HugeNumbers", MainSection({{"ALPHA", "99999999999999999999"},
                                 {"MODE", "2147483648"},
                                 {"VIEW_MODE", "-2147483649"},
                                 {"WINPOINT_X", "2147483647"},
                                 {"WINPOINT_Y", "2147483647"},
                                 {"BORDER", "99999999999"},
                                 {"FONT_COLOR", "4294967295"},
                                 {"BACK_COLOR", "4294967296"}})},
    {"NegativeNumbers", MainSection({{"ALPHA", "-1"},
                                     {"MODE", "-1"},
                                     {"VIEW_MODE", "-1"},
                                     {"WINPOINT_X", "-2147483648"},
                                     {"WINPOINT_Y", "-2147483648"},
                                     {"BORDER", "-1"},
                                     {"FONT_COLOR", "-5"},
                                     {"BACK_COLOR", "-2147483648"}})},
    {"HugeOffsetsCorrected", MainSection({{"MODE", "0"},
                                          {"VIEW_MODE", "0"},
                                          {"WINPOINT_X", "-2147483648"},
                                          {"WINPOINT_Y", "2147483647"}})},
    {"ValuesOf5000Bytes", MainSection({{"DATE_FORMAT", Repeated("gggeeyyyyMMddhhmmss", 5000)},
                                       {"FONT", Repeated("QUJD", 5000)},
                                       {"WINPOINT_X", Repeated("9", 5000)},
                                       {"WINPOINT_Y", Repeated("-8", 5000)},
                                       {"ALPHA", Repeated("4", 5000)},
                                       {"MODE", "1"}})},
    {"PlainDateFormatOf5000Bytes",
     MainSection({{"DATE_FORMAT", Repeated("\x82\xA0", 5000)}, {"MODE", "1"}})},
    {"LoneLeadByteAtEnd", MainSection({{"DATE_FORMAT", "yyyy\x81"}, {"MODE", "1"}})},
    {"LeadBytesBeforeTokens",
     MainSection({{"DATE_FORMAT", "\x81y\x82M\x83\x9F\xE0\xFC"}, {"MODE", "1"}})},
    {"CharacterCutAt99Bytes",
     MainSection({{"DATE_FORMAT", std::string(98, '_') + "\x82\xA0yyyy"}, {"MODE", "1"}})},
    {"FontNotBase64", MainSection({{"FONT", "!!not*base64==at~all!!"}})},
    {"FontTruncated", MainSection({{"FONT", FontText([](LOGFONTA&) {}).substr(0, 42)}})},
    {"FontFaceWithoutTerminator", MainSection({{"MODE", "0"}, {"FONT", FontText([](LOGFONTA& f) {
                                                                   std::memset(f.lfFaceName, 'W',
                                                                               sizeof f.lfFaceName);
                                                               })}})},
    {"FontOversized", MainSection({{"FONT", FontText([](LOGFONTA& f) { f.lfHeight = -400; })}})},
    {"OutOfRangeModes", MainSection({{"MODE", "5"}, {"ALPHA", "5"}, {"VIEW_MODE", "9"}})},
    {"EmptyValues", MainSection({{"ALPHA", ""},
                                 {"MODE", ""},
                                 {"VIEW_MODE", ""},
                                 {"FONT", ""},
                                 {"DATE_FORMAT", ""},
                                 {"BORDER", ""}})},
    {"NotNumbers", MainSection({{"ALPHA", "abc"},
                                {"MODE", "x2"},
                                {"VIEW_MODE", "--1"},
                                {"WINPOINT_X", "1e9"},
                                {"BORDER", "off"}})},
    {"OtherSectionsAndKeysKept",
     "; comment\r\n[FIRST]\r\nALPHA=1\r\nMODE=2\r\n[MAIN]\r\nEXTRA=kept\r\nMODE=0\r\n"
     "lonely line\r\n[LAST]\r\nVIEW_MODE=7\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Files, E2eHostileSettings, testing::ValuesIn(kCases), CaseName());

}  // namespace
