#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "dialogs/AboutDialog.h"
#include "res/resource.h"

namespace {

// Stands in for the shell, so that no browser starts.
struct PageOpening {
    HWND owner;
    std::string verb, file;
    bool parameters, directory;
    INT show;
};
std::vector<PageOpening> pageOpenings;

HINSTANCE WINAPI RecordPageOpening(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                   LPCSTR directory, INT show) {
    pageOpenings.push_back({owner, verb ? verb : "(none)", file ? file : "", parameters != nullptr,
                            directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(42);
}

HINSTANCE ThisProgram() {
    return GetModuleHandleA(nullptr);
}

HICON ShownIcon(HWND dialog) {
    return reinterpret_cast<HICON>(
        SendDlgItemMessageA(dialog, IDC_ABOUT_ICON, STM_GETIMAGE, IMAGE_ICON, 0));
}

HCURSOR ShownCursor() {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

class AboutDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        pageOpenings.clear();
        openPage = RecordPageOpening;
    }
    void TearDown() override { openPage = shell; }

    int Run(const std::function<void(HWND)>& script) {
        return RunDriven(
            [] {
                return static_cast<int>(DialogBoxParamA(ThisProgram(), MAKEINTRESOURCEA(IDD_ABOUT),
                                                        nullptr, AboutDialogProc, 0));
            },
            script);
    }

    const ShellExecuteFunction shell = openPage;
};

TEST_F(AboutDialogTest, TheLinkOpensThePageOncePerClickAndTheIconTurnsOnHover) {
    HICON hoverIcon = LoadIconA(ThisProgram(), MAKEINTRESOURCEA(IDI_TAVIKAN_HOVER));
    HCURSOR hand = LoadCursorA(ThisProgram(), MAKEINTRESOURCEA(IDC_HAND_LINK));
    HWND shownDialog = nullptr;
    std::size_t openingsAfterFirstClick = 0;
    const int result = Run([&](HWND dialog) {
        shownDialog = dialog;
        EXPECT_TRUE(SaveScreenshot(dialog, "about-dialog.bmp"));
        HWND label = GetDlgItem(dialog, IDC_LINK_LABEL);
        RECT labelRect = {};
        GetWindowRect(label, &labelRect);
        EXPECT_GT(CountPixels(CaptureScreen(labelRect), RGB(0, 0, 255)), 10) << "blue link text";
        EXPECT_EQ(ScreenPixel({labelRect.left, labelRect.top}), GetSysColor(COLOR_BTNFACE));

        MoveMouseTo({labelRect.left + 3, labelRect.top + 3});
        EXPECT_TRUE(WaitFor(kReactionMs, [&] { return ShownCursor() == hand; })) << "the hand";
        ClickAt({labelRect.left + 3, labelRect.top + 3});
        openingsAfterFirstClick = pageOpenings.size();
        ClickAt({labelRect.left + 4, labelRect.top + 3});
        EXPECT_TRUE(IsWindowVisible(dialog)) << "stays open";

        EXPECT_NE(ShownIcon(dialog), hoverIcon);
        MoveMouseTo(CentreOf(GetDlgItem(dialog, IDC_ABOUT_ICON)));
        EXPECT_TRUE(WaitFor(kReactionMs, [&] { return ShownIcon(dialog) == hoverIcon; }));
        MoveMouseTo(CentreOf(GetDlgItem(dialog, IDCANCEL)));
        EXPECT_EQ(ShownIcon(dialog), hoverIcon) << "moving away keeps it";
        TapKey(VK_ESCAPE);
    });

    EXPECT_EQ(result, 1);
    EXPECT_EQ(openingsAfterFirstClick, 1u);
    ASSERT_EQ(pageOpenings.size(), 2u);
    const PageOpening& opening = pageOpenings.front();
    EXPECT_EQ(opening.owner, shownDialog);
    EXPECT_EQ(opening.verb, "(none)") << "the shell's default action";
    EXPECT_EQ(opening.file, kMakerPageAddress);
    EXPECT_FALSE(opening.parameters);
    EXPECT_FALSE(opening.directory);
    EXPECT_EQ(opening.show, SW_SHOWNORMAL);

    Run([&](HWND dialog) {
        EXPECT_NE(ShownIcon(dialog), hoverIcon) << "the next opening starts with icon 102";
        TapKey(VK_ESCAPE);
    });
}

// Each way of closing, and the link font of that opening released afterwards.
class AboutDialogCloseTest : public AboutDialogTest,
                             public testing::WithParamInterface<CloseWay> {};

TEST_P(AboutDialogCloseTest, ClosesAndReleasesItsLinkFont) {
    HGDIOBJ linkFont = nullptr;
    LOGFONTA record = {};
    const int result = Run([&](HWND dialog) {
        linkFont = reinterpret_cast<HGDIOBJ>(
            SendDlgItemMessageA(dialog, IDC_LINK_LABEL, WM_GETFONT, 0, 0));
        GetObjectA(linkFont, sizeof record, &record);
        GetParam().close(dialog);
        EXPECT_TRUE(WaitFor(kReactionMs, [&] { return !IsWindow(dialog); }));
    });

    EXPECT_EQ(result, 1);
    EXPECT_EQ(record.lfUnderline, 1);
    EXPECT_EQ(GetObjectType(linkFont), 0u) << "released with its dialog";
    EXPECT_TRUE(pageOpenings.empty());
}

const CloseWay kCloseWays[] = {
    {"Enter", [](HWND) { TapKey(VK_RETURN); }},
    {"Esc", [](HWND) { TapKey(VK_ESCAPE); }},
    {"OK button", [](HWND dialog) { ClickAt(CentreOf(GetDlgItem(dialog, IDCANCEL))); }},
    {"close box", ClickCloseBox},
};
INSTANTIATE_TEST_SUITE_P(Ways, AboutDialogCloseTest, testing::ValuesIn(kCloseWays));

}  // namespace
