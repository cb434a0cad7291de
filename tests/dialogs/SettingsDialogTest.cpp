#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "DialogDriver.h"
#include "MainSection.h"
#include "TempFolder.h"
#include "dialogs/SettingsDialog.h"
#include "res/resource.h"

namespace {

// The dialog's settings file: "tavi.ini" beside this test program, which has
// a folder of its own.
const std::string kSettingsPath = ThisProgramFolder() + "\\tavi.ini";

std::string EditText(HWND dialog) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, IDC_DATE_FORMAT, text, sizeof text);
    return text;
}

// The drag's frame insets: those of a resizable modal-frame popup with caption.
POINT DragFrame() {
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, 0x80CE0040, FALSE, WS_EX_DLGMODALFRAME);
    return {-frame.left, -frame.top};
}

POINT ClientPointOnScreen(HWND dialog, POINT client) {
    ClientToScreen(dialog, &client);
    return client;
}

bool StillOpen(HWND dialog) {
    Sleep(300);
    return IsWindowVisible(dialog) && settingsDialog.hwnd == dialog;
}

class SettingsDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        DeleteFileA(kSettingsPath.c_str());
        settingsDialog.dragging =
            false;  // a drag left armed by an earlier run would follow the mouse
        font =
            CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "Tahoma");
    }
    void TearDown() override {
        DeleteFileA(kSettingsPath.c_str());
        DeleteObject(font);
    }

    // What the opener hands in, then the run, driven by script.
    int Run(int width, int height, int offsetX, int offsetY,
            const std::function<void(HWND)>& script, int dpi = 96) {
        settingsDialog.dpi = dpi;
        settingsDialog.font = font;
        settingsDialog.sampleWidth = width;
        settingsDialog.sampleHeight = height;
        settingsDialog.offsetX = offsetX;
        settingsDialog.offsetY = offsetY;
        return RunDriven(
            [] {
                return settingsDialog.ShowModal(nullptr, MAKEINTRESOURCEA(IDD_DISPLAY_SETTINGS),
                                                SettingsDialogProc, GetModuleHandleA(nullptr));
            },
            script);
    }

    HFONT font = nullptr;
};

TEST_F(SettingsDialogTest, ShowsTheSampleAtThePointerTipInTheStoredColours) {
    WriteFileBytes(
        kSettingsPath,
        "[MAIN]\r\nFONT_COLOR=192\r\nBACK_COLOR=12648384\r\n");  // dark red on light green
    const DWORD modalThread = GetCurrentThreadId();
    Run(80, 20, 12, 15, [&](HWND dialog) {
        EXPECT_TRUE(SaveScreenshot(dialog, "settings-dialog.bmp"));
        HWND sample = GetDlgItem(dialog, IDC_SAMPLE);
        const RECT at = RectInParent(sample);
        EXPECT_EQ(at.left, 262);
        EXPECT_EQ(at.top, 265);
        EXPECT_EQ(at.right - at.left, 80);
        EXPECT_EQ(at.bottom - at.top, 20);
        const RECT pointer = RectInParent(GetDlgItem(dialog, IDC_POINTER_ICON));
        EXPECT_EQ(pointer.left, 250);
        EXPECT_EQ(pointer.top, 250);
        EXPECT_EQ(pointer.right - pointer.left, 32);

        RECT onScreen = {};
        GetWindowRect(sample, &onScreen);
        EXPECT_EQ(ScreenPixel({onScreen.left, onScreen.top}), RGB(0, 0, 0)) << "black frame";
        EXPECT_EQ(ScreenPixel({onScreen.right - 1, onScreen.bottom - 1}), RGB(0, 0, 0));
        EXPECT_EQ(ScreenPixel({onScreen.left + 3, onScreen.bottom - 2}), RGB(192, 255, 192));
        const RECT inside = {onScreen.left + 1, onScreen.top + 1, onScreen.right - 1,
                             onScreen.bottom - 1};
        EXPECT_GT(CountPixels(CaptureScreen(inside), RGB(192, 0, 0)), 10)
            << "\"sample\" in the stored text colour";

        EXPECT_EQ(EditText(dialog), "yyyy/MM/dd hh:mm:ss");
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DATE_FORMAT, EM_GETLIMITTEXT, 0, 0), 99);
        GUITHREADINFO focus = {};
        focus.cbSize = sizeof focus;
        GetGUIThreadInfo(modalThread, &focus);
        EXPECT_EQ(focus.hwndFocus, GetDlgItem(dialog, IDC_DATE_FORMAT));

        wchar_t caption[64] = {};
        GetWindowTextW(dialog, caption, 64);
        EXPECT_EQ(std::wstring(caption), L"Tavikan表示設定");
    });
}

TEST_F(SettingsDialogTest, DraggingTheSampleSetsTheOffsetsAndOkStoresThemInOrder) {
    POINT expected = {};
    const int result = Run(80, 20, 12, 15, [&](HWND dialog) {
        HWND sample = GetDlgItem(dialog, IDC_SAMPLE);
        RECT start = {};
        GetWindowRect(sample, &start);
        const POINT press = MoveMouseTo({start.left + 10, start.top + 6});
        PressLeft();
        const POINT cursor = MoveMouseTo(ClientPointOnScreen(dialog, {120, 200}));

        RECT outer = {};
        GetWindowRect(dialog, &outer);
        const POINT frame = DragFrame();
        expected = {cursor.x - outer.left - frame.x - (press.x - start.left),
                    cursor.y - outer.top - frame.y - (press.y - start.top)};
        EXPECT_TRUE(WaitFor(kReactionMs,
                            [&] {
                                const RECT now = RectInParent(sample);
                                return now.left == expected.x && now.top == expected.y;
                            }))
            << "sample at " << RectInParent(sample).left << ", " << RectInParent(sample).top;
        ReleaseLeft();
        ClickAt(CentreOf(GetDlgItem(dialog, IDC_SETTINGS_OK)));
    });

    EXPECT_EQ(result, 1);
    EXPECT_EQ(settingsDialog.hwnd, nullptr);
    EXPECT_EQ(ReadMainValue(kSettingsPath, "DATE_FORMAT"), "yyyy/MM/dd hh:mm:ss");
    EXPECT_EQ(ReadMainValue(kSettingsPath, "WINPOINT_X"), std::to_string(expected.x - 250));
    EXPECT_EQ(ReadMainValue(kSettingsPath, "WINPOINT_Y"), std::to_string(expected.y - 250));
    const std::string text = ReadFileBytes(kSettingsPath);
    EXPECT_LT(text.find("DATE_FORMAT="), text.find("WINPOINT_X=")) << text;
    EXPECT_LT(text.find("WINPOINT_X="), text.find("WINPOINT_Y=")) << text;
}

TEST_F(SettingsDialogTest, OkWithAnEmptyFormatStoresItEmptyWithTheOffsetsHandedIn) {
    Run(80, 20, -30, -5, [&](HWND dialog) {
        const RECT at = RectInParent(GetDlgItem(dialog, IDC_SAMPLE));
        EXPECT_EQ(at.left, 220);
        EXPECT_EQ(at.top, 245);
        TapKey(VK_DELETE);  // the focused edit opens with its text selected
        EXPECT_EQ(EditText(dialog), "");
        ClickAt(CentreOf(GetDlgItem(dialog, IDC_SETTINGS_OK)));
    });

    EXPECT_EQ(ReadMainValue(kSettingsPath, "DATE_FORMAT"), "");
    EXPECT_NE(ReadFileBytes(kSettingsPath).find("DATE_FORMAT=\r\n"), std::string::npos);
    EXPECT_EQ(ReadMainValue(kSettingsPath, "WINPOINT_X"), "-30");
    EXPECT_EQ(ReadMainValue(kSettingsPath, "WINPOINT_Y"), "-5");
}

// On a 150 % display the opener hands in the offsets in that display's pixels;
// they are stored as pixels at 96 DPI.
TEST_F(SettingsDialogTest, OkAtAScaledDisplayStoresTheOffsetsAt96Dpi) {
    Run(
        80, 20, 18, -23,
        [&](HWND dialog) {
            const RECT at = RectInParent(GetDlgItem(dialog, IDC_SAMPLE));
            EXPECT_EQ(at.left, 268);
            EXPECT_EQ(at.top, 227);
            ClickAt(CentreOf(GetDlgItem(dialog, IDC_SETTINGS_OK)));
        },
        144);
    EXPECT_EQ(ReadMainValue(kSettingsPath, "WINPOINT_X"), "12");
    EXPECT_EQ(ReadMainValue(kSettingsPath, "WINPOINT_Y"), "-15");
}

TEST_F(SettingsDialogTest, ShowsALongerStoredFormatWholeAndWritesItBack) {
    std::string longFormat;
    while (longFormat.size() < 150) {
        longFormat +=
            "yyyy\x94\x4e"
            "MM/dd-";  // 年
    }
    WriteFileBytes(kSettingsPath, "[MAIN]\r\nDATE_FORMAT=" + longFormat + "\r\n");
    Run(0, 0, 12, 15, [&](HWND dialog) {
        EXPECT_EQ(EditText(dialog), longFormat);
        RECT templateSize = {0, 0, 71, 13};
        MapDialogRect(dialog, &templateSize);
        const RECT at = RectInParent(GetDlgItem(dialog, IDC_SAMPLE));
        EXPECT_EQ(at.right - at.left, templateSize.right) << "the template's size";
        EXPECT_EQ(at.bottom - at.top, templateSize.bottom);
        ClickAt(CentreOf(GetDlgItem(dialog, IDC_SETTINGS_OK)));
    });

    EXPECT_EQ(ReadMainValue(kSettingsPath, "DATE_FORMAT"), longFormat);
}

TEST_F(SettingsDialogTest, ASecondRunOfTheRunningDialogReturnsZero) {
    Run(80, 20, 12, 15, [&](HWND dialog) {
        EXPECT_EQ(settingsDialog.ShowModal(nullptr, MAKEINTRESOURCEA(IDD_DISPLAY_SETTINGS),
                                           SettingsDialogProc, GetModuleHandleA(nullptr)),
                  0);
        EXPECT_EQ(settingsDialog.hwnd, dialog);
        ClickAt(CentreOf(GetDlgItem(dialog, IDC_SETTINGS_CANCEL)));
    });
}

// Every way out but OK: the file stays as it was, whatever was dragged or typed.
class SettingsDialogCloseTest : public SettingsDialogTest,
                                public testing::WithParamInterface<CloseWay> {};

TEST_P(SettingsDialogCloseTest, WritesNothingAndIgnoresEnterAndEsc) {
    const std::string stored = "[MAIN]\r\nWINPOINT_X=40\r\nWINPOINT_Y=-8\r\nDATE_FORMAT=hh:mm\r\n";
    WriteFileBytes(kSettingsPath, stored);
    const int result = Run(80, 20, 40, -8, [&](HWND dialog) {
        TapKey(VK_END);
        TapKey('5');
        HWND sample = GetDlgItem(dialog, IDC_SAMPLE);
        MoveMouseTo(CentreOf(sample));
        PressLeft();
        MoveMouseTo(ClientPointOnScreen(dialog, {100, 150}));
        ReleaseLeft();
        EXPECT_EQ(EditText(dialog), "hh:mm5");

        TapKey(VK_RETURN);
        EXPECT_TRUE(StillOpen(dialog)) << "Enter";
        TapKey(VK_ESCAPE);
        EXPECT_TRUE(StillOpen(dialog)) << "Esc";

        GetParam().close(dialog);
        EXPECT_TRUE(WaitFor(kReactionMs, [&] { return !IsWindow(dialog); }));
    });

    EXPECT_EQ(result, 1);
    EXPECT_EQ(ReadFileBytes(kSettingsPath), stored);
}

const CloseWay kCloseWays[] = {
    {"Cancel", [](HWND dialog) { ClickAt(CentreOf(GetDlgItem(dialog, IDC_SETTINGS_CANCEL))); }},
    {"close box", ClickCloseBox},
    {"Alt+F4",
     [](HWND) {
         PressKey(VK_MENU);
         TapKey(VK_F4);
         ReleaseKey(VK_MENU);
     }},
};
INSTANTIATE_TEST_SUITE_P(Ways, SettingsDialogCloseTest, testing::ValuesIn(kCloseWays));

}  // namespace
