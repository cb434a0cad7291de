#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "DialogDriver.h"
#include "dialogs/ControlWrapper.h"
#include "dialogs/DialogWrapper.h"
#include "dialogs/WindowWrapper.h"
#include "res/resource.h"

namespace {

HINSTANCE ThisProgram() {
    return GetModuleHandleA(nullptr);
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// A failing operation, the text of the box it shows and its result.
struct ErrorCase {
    const char* why;
    std::function<bool()> fail;
    const wchar_t* text;
};

std::ostream& operator<<(std::ostream& out, const ErrorCase& c) {
    return out << c.why;
}

class WrapperErrorBoxTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(WrapperErrorBoxTest, ReportsTheFailureInAWarningBox) {
    std::wstring caption;
    std::wstring text;
    bool topmost = false;
    const int succeeded = RunDriven([&] { return GetParam().fail() ? 1 : 0; },
                                    [&](HWND box) {
                                        caption = TextOf(box);
                                        text = TextOf(GetDlgItem(box, 0xFFFF));
                                        topmost =
                                            (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                                        TapKey(VK_RETURN);
                                    });
    EXPECT_EQ(succeeded, 0);
    EXPECT_EQ(caption, L"エラー");
    EXPECT_EQ(text, GetParam().text);
    EXPECT_TRUE(topmost) << "system-modal";
}

const ErrorCase kErrorCases[] = {
    {"class registered twice",
     [] {
         WindowWrapper first;
         WindowWrapper second;
         first.Register("TavikanTwice", ThisProgram(), DefWindowProcA, nullptr,
                        MAKEINTRESOURCEA(IDI_TAVIKAN), IDC_ARROW, nullptr);
         const bool registered =
             second.Register("TavikanTwice", ThisProgram(), DefWindowProcA, nullptr,
                             MAKEINTRESOURCEA(IDI_TAVIKAN), IDC_ARROW, nullptr);
         UnregisterClassA("TavikanTwice", ThisProgram());
         return registered;
     },
     L"ウィンドウを登録できませんでした。"},
    {"window of an unknown class",
     [] {
         WindowWrapper window;
         window.className = "TavikanNoSuchClass";
         window.instance = ThisProgram();
         return window.Create("w", WS_POPUP, 0, nullptr, nullptr, 0, 0, 10, 10);
     },
     L"ウィンドウを作れませんでした!"},
    {"control of an unknown class",
     [] {
         ControlWrapper control;
         control.SetClass("TavikanNoSuchClass", ThisProgram());
         return control.Create("c", WS_POPUP, 0, nullptr, nullptr, 0, 0, 10, 10);
     },
     L"コントロールを作れませんでした!"},
};
INSTANTIATE_TEST_SUITE_P(Failures, WrapperErrorBoxTest, testing::ValuesIn(kErrorCases));

TEST(ControlWrapperTest, AttachesToTheChildWithTheIdentifierOrToNothing) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  ThisProgram(), nullptr);
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, parent,
                                 reinterpret_cast<HMENU>(55), ThisProgram(), nullptr);
    ControlWrapper control;

    EXPECT_TRUE(control.Attach(parent, 0x10000 | 55)) << "only the low 16 bits count";
    EXPECT_EQ(control.hwnd, child);
    EXPECT_EQ(control.id, 55);
    EXPECT_EQ(control.parent, parent);

    EXPECT_TRUE(control.Attach(parent, 56));
    EXPECT_EQ(control.hwnd, nullptr);
    EXPECT_EQ(control.id, 56);

    DestroyWindow(parent);
}

// A dialog that ends itself with 7 as soon as it opens.
int probeOpenings = 0;

INT_PTR CALLBACK EndAtOnceProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        ++probeOpenings;
        EndDialog(dialog, 7);
    }
    return FALSE;
}

TEST(DialogWrapperTest, RunsOneDialogAtATime) {
    const char* const kTemplate = MAKEINTRESOURCEA(IDD_DISPLAY_SETTINGS);
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 ThisProgram(), nullptr);
    DialogWrapper dialog;
    probeOpenings = 0;

    EXPECT_EQ(dialog.ShowModal(nullptr, kTemplate, EndAtOnceProc, ThisProgram()), 7);
    EXPECT_EQ(dialog.parent, nullptr);
    EXPECT_EQ(dialog.instance, ThisProgram());

    dialog.instance = nullptr;
    EXPECT_EQ(dialog.ShowModal(owner, kTemplate, EndAtOnceProc, nullptr), 7)
        << "the owner's instance holds the template";
    EXPECT_EQ(dialog.parent, owner);
    EXPECT_EQ(dialog.instance, ThisProgram());

    EXPECT_EQ(dialog.ShowModal(nullptr, MAKEINTRESOURCEA(999), EndAtOnceProc, ThisProgram()), 0)
        << "no such template";
    EXPECT_EQ(probeOpenings, 2);

    dialog.hwnd = owner;  // a run in progress
    EXPECT_EQ(dialog.ShowModal(nullptr, kTemplate, EndAtOnceProc, ThisProgram()), 0);
    EXPECT_EQ(probeOpenings, 2) << "no second run";

    DestroyWindow(owner);
}

}  // namespace
