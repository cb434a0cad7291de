// Start-up, single instance, border and closing of the real tavikan.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "ProfileContents.h"
#include "TrayMenu.h"
#include "WaitFor.h"

namespace {

constexpr DWORD kBorderedShown = 0x90880000;     // WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU
constexpr DWORD kBorderlessShown = 0x90080000;   // WS_POPUP | WS_VISIBLE | WS_SYSMENU
constexpr DWORD kIndicatorExStyle = 0x00080088;  // layered, tool window, top-most

// A second copy makes no window, so it has nothing to wait for on the way out.
constexpr DWORD kSecondCopyExitMs = 5000;

// The style the program chose; the system adds WS_CLIPSIBLINGS to every
// top-level window on its own.
std::string StyleOf(HWND window) {
    return Hex(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & ~DWORD{WS_CLIPSIBLINGS});
}

std::string ExStyleOf(HWND window) {
    return Hex(static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
}

std::vector<std::string> NonEmptyLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

ULONGLONG WriteTimeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return ULONGLONG{data.ftLastWriteTime.dwHighDateTime} << 32 |
           data.ftLastWriteTime.dwLowDateTime;
}

TEST(E2eStartup, FirstStartShowsBorderedIndicatorAndStoresDefaults) {
    IndicatorSession session;
    ASSERT_TRUE(session.StartWithoutSettings());
    ASSERT_TRUE(session.WaitForFirstTick());

    char className[64] = {};
    GetClassNameA(session.window, className, sizeof className);
    EXPECT_STREQ(className, "MousePos");
    char title[64] = {};
    GetWindowTextA(session.window, title, sizeof title);
    EXPECT_STREQ(title, "Tavikan");
    EXPECT_EQ(StyleOf(session.window), Hex(kBorderedShown));
    EXPECT_EQ(ExStyleOf(session.window), Hex(kIndicatorExStyle));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(session.window, &key, &alpha, &flags));
    EXPECT_EQ(flags, DWORD{LWA_ALPHA});
    EXPECT_EQ(alpha, 255) << "a first start is fully opaque";

    ASSERT_TRUE(FileExists(session.folder.SettingsPath())) << "no tavi.ini beside the executable";
    const std::string bytes = ReadFileBytes(session.folder.SettingsPath());
    const std::vector<std::string> expected = {"[MAIN]", "ALPHA=40036", "MODE=1", "VIEW_MODE=0"};
    EXPECT_EQ(NonEmptyLines(bytes), expected) << "file bytes: " << bytes;
    EXPECT_FALSE(FileExists(PerUserSettingsFolder())) << "a folder that can be written is enough";
}

TEST(E2eStartup, SecondStartEndsWithOneAndChangesNothing) {
    IndicatorSession first;
    ASSERT_TRUE(first.StartWithoutSettings());
    ASSERT_TRUE(first.WaitForFirstTick());
    ASSERT_TRUE(FileExists(first.folder.SettingsPath()));
    const std::string bytesBefore = ReadFileBytes(first.folder.SettingsPath());
    const ULONGLONG writtenBefore = WriteTimeOf(first.folder.SettingsPath());

    RunningProgram second;
    ASSERT_TRUE(second.Start(first.folder.ExecutablePath())) << second.Error();
    DWORD exitCode = 0;
    ASSERT_TRUE(second.WaitForExit(kSecondCopyExitMs, &exitCode)) << "the second copy kept running";
    EXPECT_EQ(exitCode, 1u);
    EXPECT_EQ(ReadFileBytes(first.folder.SettingsPath()), bytesBefore);
    EXPECT_EQ(WriteTimeOf(first.folder.SettingsPath()), writtenBefore) << "tavi.ini was rewritten";

    // A copy elsewhere ends the same way, without creating a settings file.
    ProgramFolder elsewhere;
    ASSERT_TRUE(elsewhere.Ready()) << elsewhere.Error();
    RunningProgram third;
    ASSERT_TRUE(third.Start(elsewhere.ExecutablePath())) << third.Error();
    ASSERT_TRUE(third.WaitForExit(kSecondCopyExitMs, &exitCode))
        << "the copy elsewhere kept running";
    EXPECT_EQ(exitCode, 1u);
    EXPECT_FALSE(FileExists(elsewhere.SettingsPath()));

    EXPECT_TRUE(first.program.Running());
    EXPECT_EQ(FindIndicatorOf(first.program.ProcessId()), first.window);
}

TEST(E2eStartup, WmCloseEndsTheProcessWithExitCodeZero) {
    IndicatorSession session;
    ASSERT_TRUE(session.StartWithoutSettings());
    ASSERT_TRUE(session.WaitForFirstTick());
    DWORD exitCode = 99;
    ASSERT_TRUE(session.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(IsWindow(session.window));
}

// BORDER decides only the frame: the measured size is that of the bordered
// popup either way, and the text is painted in the client area.
struct BorderCase {
    const char* name;
    const char* border;  // null: no BORDER key
    DWORD style;
};

// Test lists and failure lines name a case by its name.
void PrintTo(const BorderCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eBorder : public testing::TestWithParam<BorderCase> {};

TEST_P(E2eBorder, ChoosesTheFrameAndKeepsTheMeasuredSize) {
    const BorderCase& c = GetParam();
    const POINT cursor{300, 300};
    ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y));
    IndicatorSession session;
    const std::string settings = c.border == nullptr
                                     ? MainSection({{"MODE", "0"}})
                                     : MainSection({{"MODE", "0"}, {"BORDER", c.border}});
    ASSERT_TRUE(session.Start(settings));
    ASSERT_TRUE(session.WaitForFirstTick());

    EXPECT_EQ(StyleOf(session.window), Hex(c.style));
    const std::string text = "x:300 y:300";
    const SIZE expected = MeasureWindowFor(text, DefaultIndicatorFont());
    const RECT rect = session.WindowRect();
    EXPECT_EQ(rect.right - rect.left, expected.cx);
    EXPECT_EQ(rect.bottom - rect.top, expected.cy);
    EXPECT_TRUE(ShowsText(session.window, text, DefaultLook(), kSettleTimeoutMs));
}

const BorderCase kBorderCases[] = {
    {"Default", nullptr, kBorderedShown},
    {"Zero", "0", kBorderlessShown},
    {"One", "1", kBorderedShown},
    {"Five", "5", kBorderedShown},
};

INSTANTIATE_TEST_SUITE_P(Values, E2eBorder, testing::ValuesIn(kBorderCases), CaseName());

// run-read-only.sh mounts a folder read-only with the program and a tavi.ini
// (MODE=0, DATE_FORMAT=TAVI). Start-up carries that file to the per-user one,
// Clock is chosen there, and the next start reads it back.
TEST(E2eReadOnlyFolder, KeepsAChoiceAcrossARestartInThePerUserFile) {
    char folder[MAX_PATH] = {};
    if (GetEnvironmentVariableA("TAVIKAN_READ_ONLY_FOLDER", folder, MAX_PATH) == 0) {
        GTEST_SKIP() << "runs in a read-only folder (E2eReadOnlyFolder.Mounted)";
    }
    const std::string executable = std::string(folder) + "\\" TAVIKAN_EXE_NAME;
    const std::string perUser = PerUserSettingsPath();
    RemovePerUserSettings();
    ASSERT_TRUE(PlaceCursor(300, 300));
    for (const char* shown : {"x:300 y:300", "TAVI"}) {
        RunningProgram program;
        ASSERT_TRUE(program.Start(executable)) << program.Error();
        HWND window = program.WaitForIndicator(kStartTimeoutMs);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(ShowsText(window, shown, DefaultLook(), kSettleTimeoutMs));
        EXPECT_EQ(ReadMainValue(perUser, "DATE_FORMAT"), "TAVI") << "not carried over";
        EXPECT_EQ(ReadMainValue(perUser, "ALPHA"), "40036");
        if (ReadMainValue(perUser, "MODE") == "0") {
            EXPECT_TRUE(ChooseUntil(program.ProcessId(), menu_keys::kClock, [&] {
                return WaitFor(kSettleTimeoutMs, [&] { return ReadMainInt(perUser, "MODE", 0); });
            }));
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
        DWORD exitCode = 99;
        EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode) && exitCode == 0);
    }
    EXPECT_EQ(ReadMainValue(std::string(folder) + "\\tavi.ini", "MODE"), "0");
    RemovePerUserSettings();
}

}  // namespace
