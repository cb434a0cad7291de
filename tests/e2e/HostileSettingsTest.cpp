// Damaged and hostile settings files: the program starts, shows its window,
// keeps running, closes with exit code 0 and writes back nothing but ALPHA,
// MODE and VIEW_MODE with the values it read, and registers no hotkey from a
// damaged value. A folder in the file's place refuses those writes and stays
// as it was; they go to the per-user file instead.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <string>

#include "CaseName.h"
#include "FontSetting.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "ProfileContents.h"
#include "TrayMenu.h"
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

// Every key of the section with the value that valueFor gives it.
std::string EveryKey(const std::function<std::string(const std::string& key)>& valueFor) {
    std::string text = "[MAIN]\r\n";
    for (const char* key :
         {"FONT", "FONT_COLOR", "BACK_COLOR", "WINPOINT_X", "WINPOINT_Y", "DATE_FORMAT", "MODE",
          "VIEW_MODE", "ALPHA", "BORDER", "HOTKEY_COPY", "HOTKEY_HIDE", "HOTKEY_MODE",
          "HIDE_FULLSCREEN", "COORD_ORIGIN", "LOGICAL_PIXELS", "HOTKEY_ANCHOR"}) {
        text += std::string(key) + "=" + valueFor(key) + "\r\n";
    }
    return text;
}

// The stored default font with its text changed at one place.
std::string FontWith(size_t at, size_t length, const std::string& instead) {
    return FontText([](LOGFONTA&) {}).replace(at, length, instead);
}

// Where tavi.ini is and what may be written to it.
enum class Place { File, ReadOnlyFile, Folder };

struct HostileCase {
    const char* name;
    std::string bytes;
    Place place = Place::File;
    // What shows over a one-pixel window under the pointer: Colour's notation
    // with its swatch, or Coordinates counted from the screen, not the window.
    const char* overPatch = nullptr;
};

// Puts the case's tavi.ini (or folder) at path.
void Prepare(const HostileCase& c, const std::string& path) {
    if (c.place == Place::Folder) {
        ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
        return;
    }
    WriteFileBytes(path, c.bytes);
    if (c.place == Place::ReadOnlyFile) {
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY)) << path;
    }
}

// Lets the folder's clean-up delete what Prepare made.
void Unprepare(const HostileCase& c, const std::string& path) {
    if (c.place == Place::Folder) {
        RemoveDirectoryA(path.c_str());
    } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

class E2eHostileSettings : public testing::TestWithParam<HostileCase> {};

TEST_P(E2eHostileSettings, StartsRunsClosesAndWritesBackOnlyItsThreeKeys) {
    const HostileCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(400, 300));
    RemovePerUserSettings();
    IndicatorSession session;
    ASSERT_TRUE(session.folder.Ready()) << session.folder.Error();

    if (c.place == Place::Folder) {
        // Nothing can be written there: afterwards the folder is still empty.
        const std::string settings = session.folder.SettingsPath();
        ASSERT_NO_FATAL_FAILURE(Prepare(c, settings));
        ASSERT_TRUE(session.StartWithoutSettings());
        ASSERT_TRUE(session.WaitForFirstTick());
        EXPECT_FALSE(WaitFor(kKeepRunningMs, [&] { return !session.program.Running(); }))
            << "ended on its own";
        EXPECT_TRUE(IsWindowVisible(session.window));
        DWORD exitCode = 99;
        ASSERT_TRUE(session.Close(&exitCode));
        EXPECT_EQ(exitCode, 0u);
        EXPECT_NE(GetFileAttributesA(settings.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
        EXPECT_TRUE(RemoveDirectoryA(settings.c_str())) << "the folder is no longer empty";
        EXPECT_EQ(ReadMainValue(PerUserSettingsPath(), "VIEW_MODE"), "0") << "not carried over";
        RemovePerUserSettings();
        return;
    }

    // What the file should hold afterwards: the original with the three keys
    // read and written back one after the other, by the same profile
    // functions, in the program's order.
    // A read-only reference takes the writes as the platform treats them (Wine
    // run as root writes through the read-only attribute; Windows refuses).
    const std::string reference = session.folder.FilePath("reference.ini");
    ASSERT_NO_FATAL_FAILURE(Prepare(c, reference));
    const int alpha = ReadAndWriteBack(reference, "ALPHA", 40036);
    const int mode = ReadAndWriteBack(reference, "MODE", 1);
    const int viewMode = ReadAndWriteBack(reference, "VIEW_MODE", 0);

    ASSERT_NO_FATAL_FAILURE(Prepare(c, session.folder.SettingsPath()));
    ASSERT_TRUE(session.StartWithoutSettings());
    ASSERT_TRUE(session.WaitForFirstTick());
    EXPECT_FALSE(WaitFor(kKeepRunningMs, [&] { return !session.program.Running(); }))
        << "ended on its own";
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(session.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer))
        << "the window does not answer";
    EXPECT_TRUE(IsWindowVisible(session.window));
    if (c.overPatch != nullptr) {
        const ColourPatch patch(RECT{400, 300, 401, 301}, RGB(30, 144, 255));
        IndicatorLook look = DefaultLook();
        if (c.overPatch[0] == '#') {
            look.swatch = RGB(30, 144, 255);
        }
        EXPECT_TRUE(ShowsText(session.window, c.overPatch, look, kSettleTimeoutMs));
    }
    // What the hotkey rows would read as if taken loosely.
    EXPECT_FALSE(CtrlAltHeld('C')) << "a damaged hotkey value was registered";
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
    if (c.place == Place::ReadOnlyFile) {
        EXPECT_NE(
            GetFileAttributesA(session.folder.SettingsPath().c_str()) & FILE_ATTRIBUTE_READONLY,
            0u);
    }
    Unprepare(c, reference);
    Unprepare(c, session.folder.SettingsPath());
    RemovePerUserSettings();
}

// COORD_ORIGIN and LOGICAL_PIXELS both set to choice, HOTKEY_ANCHOR to key.
HostileCase MeasureTermsCase(const char* name, const std::string& choice, const char* key) {
    return {name,
            MainSection({{"MODE", "0"},
                         {"COORD_ORIGIN", choice},
                         {"LOGICAL_PIXELS", choice},
                         {"HOTKEY_ANCHOR", key}}),
            Place::File, "x:400 y:300"};
}

// Test lists name a case by its name alone.
void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
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
    {"HideFullScreenNeitherZeroNorOne",
     MainSection({{"HIDE_FULLSCREEN", "7"}, {"MODE", "0"}, {"ALPHA", "40040"}})},
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

    // Every key in one form at a time.
    {"EmptyFile", ""},
    {"SectionWithoutKeys", "[MAIN]\r\n"},
    {"EveryKeyMissing", "[OTHER]\r\nMODE=2\r\nALPHA=40040\r\n"},
    {"EveryKeyEmpty", EveryKey([](const std::string&) { return ""; })},
    {"EveryKeyBlankPadded", EveryKey([](const std::string& key) {
         return key == "FONT"          ? "  " + FontText([](LOGFONTA&) {}) + "  "
                : key == "DATE_FORMAT" ? std::string("  yyyy MM  ")
                                       : std::string("  2  ");
     })},
    {"EveryKeyQuoted", EveryKey([](const std::string& key) {
         return key == "FONT"          ? "\"" + FontText([](LOGFONTA&) {}) + "\""
                : key == "DATE_FORMAT" ? std::string("\"hh:mm\"")
                                       : std::string("\"40041\"");
     })},
    {"EveryKeyNegative", EveryKey([](const std::string&) { return "-1"; })},
    {"EveryKeyHuge", EveryKey([](const std::string& key) {
         return key == "FONT" ? Repeated("A", 3000) : Repeated("9", 40);
     })},
    {"EveryKeyHexadecimal", EveryKey([](const std::string& key) {
         return key == "ALPHA" ? std::string("0x9C65") : std::string("0x7FFFFFFF");
     })},
    {"EveryKeyWithTrailingGarbage", EveryKey([](const std::string& key) {
         return key == "FONT" ? FontText([](LOGFONTA&) {}) + "~garbage~" : std::string("2x;#!");
     })},

    // FONT damaged in the middle or at its ends.
    {"FontOverlong", MainSection({{"FONT", FontText([](LOGFONTA&) {}) + Repeated("QUJD", 400)}})},
    {"FontInvalidCharacterInMiddle", MainSection({{"FONT", FontWith(41, 1, "*")}})},
    {"FontShiftJisInMiddle", MainSection({{"FONT", FontWith(40, 2, "\x82\xA0")}})},
    {"FontBlankInMiddle", MainSection({{"FONT", FontWith(40, 0, " ")}})},
    {"FontPaddingInMiddle", MainSection({{"FONT", FontWith(38, 2, "==")}})},
    {"FontThirdPaddingThenMore", MainSection({{"FONT", FontWith(22, 2, "=A")}})},
    {"FontPlusBlankPrefix", MainSection({{"FONT", "+ " + FontText([](LOGFONTA&) {})}})},

    // DATE_FORMAT with lone lead bytes.
    {"DateFormatOf5000LoneLeadBytes",
     MainSection({{"DATE_FORMAT", Repeated("\x81", 5000)}, {"MODE", "1"}})},
    {"DateFormatLeadBytesBeforeSeparators",
     MainSection({{"DATE_FORMAT", "\x81=\x9F\\\xE0[\xFC]\x81"}, {"MODE", "1"}})},

    // The layout itself.
    {"DuplicateSections",
     "[MAIN]\r\nMODE=0\r\nALPHA=40040\r\n[OTHER]\r\nX=1\r\n[MAIN]\r\nMODE=2\r\n"
     "VIEW_MODE=1\r\n"},
    {"DuplicateKeys",
     "[MAIN]\r\nMODE=0\r\nMODE=2\r\nALPHA=40037\r\nALPHA=40046\r\nFONT=x\r\n"
     "FONT=" +
         FontText([](LOGFONTA&) {}) + "\r\n"},
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF[MAIN]\r\nMODE=0\r\nALPHA=40040\r\nVIEW_MODE=1\r\n"},
    {"CarriageReturnLineEnds", "[MAIN]\rMODE=0\rALPHA=40040\rVIEW_MODE=1\r"},
    {"LineFeedLineEnds", "[MAIN]\nMODE=0\nALPHA=40040\nVIEW_MODE=1\n"},
    {"MixedLineEnds", "[MAIN]\r\nMODE=0\nALPHA=40040\rVIEW_MODE=1\r\n\n\rBORDER=0"},
    {"LowerCaseNames", "[main]\r\nmode=0\r\nalpha=40041\r\nview_mode=1\r\n"},
    {"BlanksAroundNames", "  [MAIN]  \r\n  MODE  =  0  \r\n\tALPHA\t=\t40041\r\n"},
    {"KeysBeforeAnySection", "MODE=0\r\nALPHA=40041\r\n[MAIN]\r\nVIEW_MODE=1\r\n"},
    {"UnclosedSectionHeader", "[MAIN\r\nMODE=0\r\nALPHA=40041\r\n"},
    {"LineOf100000Bytes", "[MAIN]\r\n" + Repeated("K", 100000) + "=1\r\nMODE=0\r\n"},

    // Hotkeys that would read as Ctrl+Alt+C (1603) if cut to 16 bits or read
    // up to the first non-digit, and modifiers without a key.
    {"HotkeysNotPlainDigits",
     MainSection(
         {{"HOTKEY_COPY", "-63933"}, {"HOTKEY_HIDE", "1603abc"}, {"HOTKEY_MODE", "Ctrl+Alt+C"}})},
    {"HotkeysPastTheControlsRange",
     MainSection(
         {{"HOTKEY_COPY", "67139"}, {"HOTKEY_HIDE", "4294968899"}, {"HOTKEY_MODE", "5699"}})},
    {"HotkeysModifiersAlone",
     MainSection({{"HOTKEY_COPY", "1536"}, {"HOTKEY_HIDE", "1553"}, {"HOTKEY_MODE", "1697"}})},

    // Colour notations but exactly 0 to 3 read as 0 (4294967297 is 1 cut to 32 bits).
    {"ColourFormatNegative", MainSection({{"MODE", "3"}, {"COLOR_FORMAT", "-1"}}), Place::File,
     "#1E90FF"},
    {"ColourFormatHuge", MainSection({{"MODE", "3"}, {"COLOR_FORMAT", "4294967297"}}), Place::File,
     "#1E90FF"},
    {"ColourFormatText", MainSection({{"MODE", "3"}, {"COLOR_FORMAT", "2abc"}}), Place::File,
     "#1E90FF"},
    {"ColourFormatEmpty", MainSection({{"MODE", "3"}, {"COLOR_FORMAT", ""}}), Place::File,
     "#1E90FF"},

    // The measuring terms and the anchor key: anything but exactly a listed
    // value reads as the default (the screen, physical pixels, no key).
    MeasureTermsCase("MeasureTermsNegative", "-1", "-63933"),
    MeasureTermsCase("MeasureTermsHuge", "4294967297", "4294968899"),
    MeasureTermsCase("MeasureTermsText", "1abc", "1603abc"),
    MeasureTermsCase("MeasureTermsEmpty", "", ""),

    // Places that refuse every write.
    {"ReadOnlyFile", MainSection({{"MODE", "0"}, {"ALPHA", "40040"}}), Place::ReadOnlyFile},
    {"FolderNamedTaviIni", "", Place::Folder},
};

INSTANTIATE_TEST_SUITE_P(Files, E2eHostileSettings, testing::ValuesIn(kCases), CaseName());

}  // namespace
