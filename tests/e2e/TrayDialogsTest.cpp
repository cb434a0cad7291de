// The dialogs and choosers of the tray menu, driven as a user would: each is
// opened from the menu, worked with real input and closed, and what it did is
// read back through the window system and tavi.ini.
#include <gtest/gtest.h>
#include <windows.h>
#include <colordlg.h>
#include <dlgs.h>
#include <psapi.h>
#include <shellapi.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "CaseName.h"
#include "DialogControls.h"
#include "Foreground.h"
#include "FontSetting.h"
#include "IndicatorPicture.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "ProfileContents.h"
#include "SyntheticInput.h"
#include "TrayMenu.h"
#include "WaitFor.h"
#include "WindowSearch.h"
#include "res/resource.h"
#include "settings/Base64.h"

namespace {

constexpr char kDisplaySettingsTitle[] = "Tavikan\x95\x5c\x8e\xa6\x90\xdd\x92\xe8";  // 表示設定
constexpr int kSettingsCancel = IDC_SETTINGS_CANCEL;
constexpr int kSettingsOk = IDC_SETTINGS_OK;
constexpr int kSample = IDC_SAMPLE;
constexpr int kDateEdit = IDC_DATE_FORMAT;
constexpr UINT kTrayIconId = 180;
constexpr COLORREF kDefaultBack = 0x00D9FFFF;

// A dialog or chooser that the menu opens, known by a control that only it has.
struct DialogKind {
    const char* name;
    const char* keys;  // the menu keys that open it
    int marker;
    int cancel;   // closes it without taking anything
    int command;  // the menu item's command identifier
};

const DialogKind kDisplaySettings{"DisplaySettings", menu_keys::kDisplaySettings, kSample,
                                  kSettingsCancel, IDM_DISPLAY_SETTINGS};
const DialogKind kFontChooser{"FontChooser", menu_keys::kFont, cmb1, IDCANCEL, IDM_FONT};
const DialogKind kColourChooser{"ColourChooser", menu_keys::kBackColor, COLOR_RED, IDCANCEL,
                                IDM_BACK_COLOR};
const DialogKind kAboutBox{"AboutBox", menu_keys::kAbout, IDC_LINK_LABEL, IDCANCEL, IDM_ABOUT};
const DialogKind kHotkeySettings{"HotkeySettings", menu_keys::kHotkeys, IDC_HOTKEY_COPY,
                                 IDC_HOTKEYS_CANCEL, IDM_HOTKEYS};

HWND WaitForDialog(DWORD processId, const DialogKind& kind) {
    return WaitForDialogWith(processId, kind.marker);
}

// Opened, the dialog has also settled in front: the focus events of its
// opening could otherwise still cancel what comes next.
testing::AssertionResult OpenFromMenu(DWORD processId, const DialogKind& kind, HWND* dialog) {
    return ChooseUntil(processId, kind.keys,
                       [&] {
                           return (*dialog = WaitForDialog(processId, kind)) != nullptr &&
                                  BringToFront(*dialog);
                       })
           << " (" << kind.name << ")";
}

testing::AssertionResult ChooseMode(DWORD processId, const std::string& settingsPath,
                                    const std::string& keys, int mode) {
    return ChooseUntil(processId, keys,
                       [&] {
                           return WaitFor(kSettleTimeoutMs, [&] {
                               return ReadMainInt(settingsPath, "MODE", -1) == mode;
                           });
                       })
           << " (MODE " << mode << ")";
}

testing::AssertionResult ShownAgain(HWND indicator) {
    if (!WaitFor(kSettleTimeoutMs, [&] { return IsWindowVisible(indicator) != 0; })) {
        return testing::AssertionFailure() << "the indicator stayed hidden after the dialog";
    }
    return testing::AssertionSuccess();
}

// Texts of another process's controls go through messages.
std::string ControlText(HWND control) {
    const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> text(static_cast<std::size_t>(length) + 2, '\0');
    SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void SetControlText(HWND dialog, int control, const std::string& text) {
    SendDlgItemMessageA(dialog, control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TypeCharacters(const std::wstring& text) {
    for (const wchar_t character : text) {
        INPUT down = KeyEvent(0, KEYEVENTF_UNICODE);
        down.ki.wScan = static_cast<WORD>(character);
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        SendEvent(down);
        SendEvent(up);
    }
}

void PressWithControl(WORD key) {
    SendEvent(KeyEvent(VK_CONTROL, 0));
    TypeKeys(std::string(1, static_cast<char>(key)));
    SendEvent(KeyEvent(VK_CONTROL, KEYEVENTF_KEYUP));
}

bool PutOnClipboard(const std::string& ansiText) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, ansiText.size() + 1);
    std::memcpy(GlobalLock(memory), ansiText.c_str(), ansiText.size() + 1);
    GlobalUnlock(memory);
    const bool put = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    return put;
}

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::string CoordinatesText(POINT at) {
    return "x:" + std::to_string(at.x) + " y:" + std::to_string(at.y);
}

LOGFONTA StoredFont(const std::string& settingsPath) {
    LOGFONTA font = DefaultIndicatorFont();
    const std::string text = ReadMainValue(settingsPath, "FONT");
    Base64Decode(reinterpret_cast<unsigned char*>(&font), text.c_str(), sizeof font);
    return font;
}

// The sample's top-left corner in the dialog's client pixels.
POINT SampleCorner(HWND dialog) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, kSample), &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(dialog, &corner);
    return corner;
}

// The caret of the date-format edit, which has the keyboard focus, as an
// outside sign of how far the dialog has taken the input: keys and mouse
// input are taken in the order they came.
testing::AssertionResult CaretTo(HWND dialog, WORD key, bool atEnd) {
    HWND edit = GetDlgItem(dialog, kDateEdit);
    TypeKeys(std::string(1, static_cast<char>(key)));
    const auto at = static_cast<LRESULT>(atEnd ? SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) : 0);
    if (!WaitFor(kSettleTimeoutMs,
                 [&] { return SendMessageA(edit, EM_GETSEL, 0, 0) == MAKELRESULT(at, at); })) {
        return testing::AssertionFailure() << "the caret did not move to " << at;
    }
    return testing::AssertionSuccess();
}

// Presses on the middle of the sample, moves by `by` in a few steps and lets
// go. The program reads the cursor when it takes an input, not where the
// input was: the cursor stays on the spot until the press has been taken, and
// each step waits until the sample has followed.
testing::AssertionResult DragSample(HWND dialog, POINT by) {
    testing::AssertionResult caret = FocusForTyping(dialog, kDateEdit);
    if (!caret) {
        return caret;
    }
    const POINT from = CentreOf(GetDlgItem(dialog, kSample));
    InputMoveTo(from.x, from.y);
    caret = CaretTo(dialog, VK_END, true);
    if (!caret) {
        return caret;
    }
    LeftButtonGuard button;
    button.Press();
    caret = CaretTo(dialog, VK_HOME, false);
    if (!caret) {
        return caret;
    }
    POINT last{};
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step) {
        last = SampleCorner(dialog);
        InputMoveTo(from.x + by.x * step / kSteps, from.y + by.y * step / kSteps);
        if (!WaitFor(kSettleTimeoutMs, [&] {
                const POINT now = SampleCorner(dialog);
                return now.x != last.x || now.y != last.y;
            })) {
            return testing::AssertionFailure() << "the sample did not follow step " << step;
        }
    }
    button.Release();
    return testing::AssertionSuccess();
}

// --- Display settings: the offsets ----------------------------------------

struct OffsetCase {
    const char* name;
    std::string stored;  // settings file lines beside MODE=0
    POINT openedAt;      // the sample's corner when the dialog opens
    POINT drag;
    int button;
    const char* handEdit;  // written into tavi.ini while the dialog is up, or null
    int offsetX;           // WINPOINT_X and WINPOINT_Y afterwards
    int offsetY;
    POINT cursor;
    POINT indicatorAt;  // the indicator's top-left corner with the cursor there
};

void PrintTo(const OffsetCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eDisplaySettingsOffsets : public testing::TestWithParam<OffsetCase> {};

TEST_P(E2eDisplaySettingsOffsets, IndicatorTakesWhatTheFileHoldsAfterwards) {
    const OffsetCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(c.cursor.x, c.cursor.y));
    IndicatorSession session;
    ASSERT_TRUE(session.Start("[MAIN]\r\nMODE=0\r\n" + c.stored));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();

    HWND dialog = nullptr;
    ASSERT_TRUE(OpenFromMenu(processId, kDisplaySettings, &dialog));
    EXPECT_EQ(FindDialogOf(processId, kDisplaySettingsTitle), dialog);
    const POINT opened = SampleCorner(dialog);
    EXPECT_EQ(opened.x, c.openedAt.x);
    EXPECT_EQ(opened.y, c.openedAt.y);
    ASSERT_TRUE(DragSample(dialog, c.drag));
    if (c.handEdit != nullptr) {
        WriteFileBytes(session.folder.SettingsPath(), c.handEdit);
    }
    const ProfileContents beforeClosing = ReadProfile(session.folder.SettingsPath());
    ASSERT_TRUE(CloseWith(dialog, c.button));
    ASSERT_TRUE(ShownAgain(session.window));

    EXPECT_EQ(ReadMainInt(session.folder.SettingsPath(), "WINPOINT_X", -9999), c.offsetX);
    EXPECT_EQ(ReadMainInt(session.folder.SettingsPath(), "WINPOINT_Y", -9999), c.offsetY);
    if (c.button == kSettingsCancel) {
        EXPECT_EQ(ReadProfile(session.folder.SettingsPath()), beforeClosing)
            << "Cancel wrote to tavi.ini";
    }
    ASSERT_TRUE(PlaceCursor(c.cursor.x, c.cursor.y));
    const SIZE size = MeasureWindowFor(CoordinatesText(c.cursor), DefaultIndicatorFont());
    const RECT expected{c.indicatorAt.x, c.indicatorAt.y, c.indicatorAt.x + size.cx,
                        c.indicatorAt.y + size.cy};
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return session.WindowRect() == expected; }))
        << "seen " << session.WindowRect() << ", expected " << expected;
}

// The drag measures the cursor against the frame of a resizable popup, which
// differs from the dialog's own: under Wine the sample lands one pixel left of
// and above where the cursor took it (12 + 40 - 1, 15 + 30 - 1).
const OffsetCase kOffsetCases[] = {
    {"OkWithoutStoredOffsets",
     "",
     {262, 265},
     {40, 30},
     kSettingsOk,
     nullptr,
     51,
     44,
     {400, 300},
     {451, 344}},
    {"OkToNegativeOffsets",
     "WINPOINT_X=30\r\nWINPOINT_Y=20\r\n",
     {280, 270},
     {-180, -56},
     kSettingsOk,
     nullptr,
     -151,
     -37,
     {500, 400},
     {349, 363}},
    {"CancelKeepsTheStoredOffsets",
     "WINPOINT_X=30\r\nWINPOINT_Y=20\r\n",
     {280, 270},
     {60, 40},
     kSettingsCancel,
     nullptr,
     30,
     20,
     {400, 300},
     {430, 320}},
    // Cancel still reads the file back: what it holds then is what the
    // indicator takes.
    {"CancelTakesTheFileAsItIsThen",
     "WINPOINT_X=30\r\nWINPOINT_Y=20\r\n",
     {280, 270},
     {60, 40},
     kSettingsCancel,
     "[MAIN]\r\nMODE=0\r\nWINPOINT_X=-90\r\nWINPOINT_Y=44\r\n",
     -90,
     44,
     {400, 300},
     {310, 344}},
};

INSTANTIATE_TEST_SUITE_P(Cases, E2eDisplaySettingsOffsets, testing::ValuesIn(kOffsetCases),
                         CaseName());

// --- Display settings: the date format ------------------------------------

struct FormatCase {
    const char* name;
    std::string stored;  // DATE_FORMAT, or empty for none
    std::function<void(HWND dialog)> edit;
    std::string expected;  // the edit's text, and DATE_FORMAT after OK
    const char* shown;     // what Clock mode then shows, or null when not looked at
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eDisplaySettingsFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(E2eDisplaySettingsFormat, OkStoresWhatTheEditHolds) {
    const FormatCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    std::string settings = "[MAIN]\r\nMODE=1\r\n";
    if (!c.stored.empty()) {
        settings += "DATE_FORMAT=" + c.stored + "\r\n";
    }
    ASSERT_TRUE(session.Start(settings));
    ASSERT_TRUE(session.WaitForFirstTick());

    HWND dialog = nullptr;
    ASSERT_TRUE(OpenFromMenu(session.program.ProcessId(), kDisplaySettings, &dialog));
    if (c.edit) {
        c.edit(dialog);
    }
    HWND edit = GetDlgItem(dialog, kDateEdit);
    std::string text;
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return (text = ControlText(edit)) == c.expected; }))
        << "the edit holds " << text.size() << " bytes \"" << text << "\", expected "
        << c.expected.size() << " bytes \"" << c.expected << "\"";
    ASSERT_TRUE(CloseWith(dialog, kSettingsOk));
    ASSERT_TRUE(ShownAgain(session.window));
    EXPECT_EQ(ReadMainValue(session.folder.SettingsPath(), "DATE_FORMAT"), c.expected);
    if (c.shown != nullptr) {
        ASSERT_TRUE(PlaceCursor(400, 300));
        EXPECT_TRUE(ShowsText(session.window, c.shown, DefaultLook(), kSettleTimeoutMs));
    }
}

// Puts the caret at the end of the edit, which opens with the whole text selected.
void ToEndOfEdit(HWND dialog) {
    ASSERT_TRUE(FocusForTyping(dialog, kDateEdit));
    TypeKeys(std::string(1, VK_END));
}

const std::string kA = "\x82\xa0";  // Hiragana a, i, u, e, o, ka in Shift-JIS
const std::string kI = "\x82\xa2";
const std::string kU = "\x82\xa4";
const std::string kE = "\x82\xa6";
const std::string kO = "\x82\xa8";
const std::string kKa = "\x82\xa9";

const FormatCase kFormatCases[] = {
    // The dialog opens with the whole text selected: typing replaces it. The
    // letters are no format tokens, so Clock mode shows them as they are.
    {"TypedTextShowsInClockMode", "",
     [](HWND dialog) {
         ASSERT_TRUE(FocusForTyping(dialog, kDateEdit));
         TypeKeys("TAVI KAN");
     },
     "tavi kan", "tavi kan"},
    {"TypedDoubleByteStopsAt99Bytes",
     "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
     "aaaa",
     [](HWND dialog) {
         ToEndOfEdit(dialog);
         TypeCharacters(L"\u3042\u3044");
     },
     std::string(97, 'a') + kA, nullptr},
    {"PastedDoubleByteIsCutAtACharacter", std::string(90, 'a'),
     [](HWND dialog) {
         ASSERT_TRUE(PutOnClipboard(kA + kI + kU + kE + kO + kKa));
         ToEndOfEdit(dialog);
         PressWithControl('V');
     },
     std::string(90, 'a') + kA + kI + kU + kE, nullptr},
    // 150 bytes: shown whole and written back whole.
    {"LongerStoredValueIsShownWhole", Repeated(kA, 50) + std::string(50, 'a'), nullptr,
     Repeated(kA, 50) + std::string(50, 'a'), nullptr},
};

INSTANTIATE_TEST_SUITE_P(Cases, E2eDisplaySettingsFormat, testing::ValuesIn(kFormatCases),
                         CaseName());

// --- Font and background colour choosers -----------------------------------

struct ChooserCase {
    const char* name;
    const DialogKind* kind;
    bool backgroundTransparent;  // 背景透明 chosen before
    std::function<void(HWND dialog)> change;
    int button;
    IndicatorLook look;  // what the indicator shows afterwards, with the font below
    const char* face;    // the stored font's face and height, or null for the built-in record
    LONG height;
};

void PrintTo(const ChooserCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eChoosers : public testing::TestWithParam<ChooserCase> {};

void SetColour(HWND dialog, COLORREF colour) {
    SetControlText(dialog, COLOR_RED, std::to_string(GetRValue(colour)));
    SetControlText(dialog, COLOR_GREEN, std::to_string(GetGValue(colour)));
    SetControlText(dialog, COLOR_BLUE, std::to_string(GetBValue(colour)));
}

TEST_P(E2eChoosers, IndicatorShowsWhatWasChosen) {
    const ChooserCase& c = GetParam();
    const POINT cursor{400, 300};
    ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();
    if (c.backgroundTransparent) {
        ASSERT_TRUE(ChooseUntil(processId, menu_keys::TransparencyItem(10), [&] {
            return WaitFor(kSettleTimeoutMs, [&] {
                return ReadMainInt(session.folder.SettingsPath(), "ALPHA", 0) ==
                       IDM_ALPHA_BACKGROUND;
            });
        }));
    }

    HWND dialog = nullptr;
    ASSERT_TRUE(OpenFromMenu(processId, *c.kind, &dialog));
    c.change(dialog);
    ASSERT_TRUE(CloseWith(dialog, c.button));
    ASSERT_TRUE(ShownAgain(session.window));

    const std::string path = session.folder.SettingsPath();
    IndicatorLook look = c.look;
    if (c.kind == &kFontChooser) {
        EXPECT_EQ(ReadMainValue(path, "BACK_COLOR"), "<missing>");
        EXPECT_EQ(ReadMainInt(path, "FONT_COLOR", -1), static_cast<int>(c.look.textColor));
        if (c.face == nullptr) {
            EXPECT_EQ(ReadMainValue(path, "FONT"), FontSettingText(DefaultIndicatorFont()));
        } else {
            look.font = StoredFont(path);
            EXPECT_STREQ(look.font.lfFaceName, c.face);
            EXPECT_EQ(look.font.lfHeight, c.height);
        }
    } else {
        EXPECT_EQ(ReadMainInt(path, "BACK_COLOR", -1), static_cast<int>(c.look.backColor));
        EXPECT_EQ(ReadMainValue(path, "FONT"), "<missing>");
    }
    if (c.backgroundTransparent) {
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(session.window, &key, &alpha, &flags));
        EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
        EXPECT_EQ(Hex(key), Hex(c.look.backColor)) << "the colour key is the background colour";
    }

    if (c.backgroundTransparent) {
        return;  // bare Xvfb does not draw colour keys: the pixels tell nothing
    }
    ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y));
    const std::string text = CoordinatesText(cursor);
    EXPECT_TRUE(ShowsText(session.window, text, look, kSettleTimeoutMs));
    const SIZE size = MeasureWindowFor(text, look.font);
    const RECT rect = session.WindowRect();
    EXPECT_EQ(rect.right - rect.left, size.cx);
    EXPECT_EQ(rect.bottom - rect.top, size.cy);
    // Most of the window shows the background colour.
    const int background = CountPixels(CaptureScreen(rect), c.look.backColor);
    EXPECT_GT(background, size.cx * size.cy / 2) << Hex(c.look.backColor);
}

constexpr COLORREF kChosenBack = RGB(0x20, 0x80, 0xC0);

IndicatorLook WithBack(COLORREF back) {
    IndicatorLook look = DefaultLook();
    look.backColor = back;
    return look;
}

// A face that the set-up installs, by its name in the Japanese list of faces.
constexpr char kJapaneseFace[] =
    "IPA\x83S\x83V\x83"
    "b\x83N";  // IPAゴシック

// Picks the entry of a list in the font chooser as a click in the list would.
void PickFromList(HWND dialog, int list, const char* entry) {
    HWND box = GetDlgItem(dialog, list);
    SendMessageA(box, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
}

// 20 points at 96 pixels to the inch is a character height of 27 pixels.
void PickJapaneseFaceOf20Points(HWND dialog) {
    PickFromList(dialog, cmb1, kJapaneseFace);
    PickFromList(dialog, cmb3, "20");
}

const ChooserCase kChooserCases[] = {
    {"ColourOk", &kColourChooser, false, [](HWND d) { SetColour(d, kChosenBack); }, IDOK,
     WithBack(kChosenBack), nullptr, 0},
    {"ColourCancel", &kColourChooser, false, [](HWND d) { SetColour(d, kChosenBack); }, IDCANCEL,
     DefaultLook(), nullptr, 0},
    {"ColourOkWithBackgroundTransparent", &kColourChooser, true,
     [](HWND d) { SetColour(d, kChosenBack); }, IDOK, WithBack(kChosenBack), nullptr, 0},
    {"ColourCancelWithBackgroundTransparent", &kColourChooser, true,
     [](HWND d) { SetColour(d, kChosenBack); }, IDCANCEL, DefaultLook(), nullptr, 0},
    {"FontOk", &kFontChooser, false, PickJapaneseFaceOf20Points, IDOK, DefaultLook(), kJapaneseFace,
     -27},
    {"FontCancel", &kFontChooser, false, PickJapaneseFaceOf20Points, IDCANCEL, DefaultLook(),
     nullptr, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, E2eChoosers, testing::ValuesIn(kChooserCases), CaseName());

// --- Guards while a dialog is up -------------------------------------------

struct GuardCase {
    const char* name;
    const DialogKind* kind;
    bool byDoubleClick;  // opened by a double click on the icon instead of the menu
};

void PrintTo(const GuardCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eDialogGuards : public testing::TestWithParam<GuardCase> {};

TEST_P(E2eDialogGuards, OnlyUnguardedCommandsActWhileItIsUp) {
    const GuardCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}, {"BORDER", "1"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();
    const std::string path = session.folder.SettingsPath();
    // Hidden, and disabled under the About box it owns: only the rest counts.
    constexpr DWORD kShownOrEnabled = WS_VISIBLE | WS_DISABLED;
    const auto style = [&] {
        return Hex(static_cast<DWORD>(GetWindowLongA(session.window, GWL_STYLE)) &
                   ~kShownOrEnabled);
    };
    const std::string styleBefore = style();

    HWND dialog = nullptr;
    if (c.byDoubleClick) {
        ASSERT_TRUE(DoubleClickTrayIcon());
        dialog = WaitForDialog(processId, *c.kind);
        ASSERT_NE(dialog, nullptr) << "no About box after a double click on the icon";
    } else {
        ASSERT_TRUE(OpenFromMenu(processId, *c.kind, &dialog));
    }
    EXPECT_FALSE(IsWindowVisible(session.window));

    // Every way of opening a dialog, and the border item: none may act.
    for (const DialogKind* other :
         {&kDisplaySettings, &kFontChooser, &kColourChooser, &kAboutBox, &kHotkeySettings}) {
        ASSERT_TRUE(ChooseFromTrayMenu(processId, other->keys)) << other->name;
    }
    ASSERT_TRUE(DoubleClickTrayIcon());
    ASSERT_TRUE(ChooseFromTrayMenu(processId, menu_keys::kBorder));
    // Clock comes after all of them on the one thread, so once it has acted
    // they have had their turn.
    EXPECT_TRUE(ChooseMode(processId, path, menu_keys::kClock, 1))
        << "Clock did not switch the mode while the dialog was up";
    EXPECT_EQ(DialogsOf(processId), std::vector<HWND>{dialog});
    EXPECT_EQ(style(), styleBefore);
    EXPECT_EQ(ReadMainInt(path, "BORDER", -1), 1);
    EXPECT_FALSE(IsWindowVisible(session.window));

    EXPECT_TRUE(ChooseMode(processId, path, menu_keys::kCoordinates, 0));
    EXPECT_FALSE(IsWindowVisible(session.window));

    ASSERT_TRUE(CloseWith(dialog, c.kind->cancel));
    ASSERT_TRUE(ShownAgain(session.window));
    EXPECT_TRUE(DialogsOf(processId).empty());
    ASSERT_TRUE(PlaceCursor(400, 300));
    EXPECT_TRUE(ShowsText(session.window, "x:400 y:300", DefaultLook(), kSettleTimeoutMs));
}

const GuardCase kGuardCases[] = {
    {"DisplaySettings", &kDisplaySettings, false}, {"FontChooser", &kFontChooser, false},
    {"ColourChooser", &kColourChooser, false},     {"AboutBoxFromADoubleClick", &kAboutBox, true},
    {"HotkeySettings", &kHotkeySettings, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, E2eDialogGuards, testing::ValuesIn(kGuardCases), CaseName());

// --- Close while a dialog is up ---------------------------------------------

struct CloseCase {
    const char* name;
    const DialogKind* kind;
    std::function<void(HWND dialog)> change;  // a change the dialog's OK would store
    // What OK would write: each key may hold its value from before or this one
    // (any value where it is null); every other key must be as it was.
    std::vector<std::pair<const char*, const char*>> okWrites;
};

void PrintTo(const CloseCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eCloseWithDialogUp : public testing::TestWithParam<CloseCase> {};

bool TrayIconExists(HWND indicator) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = indicator;
    icon.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE;
}

// Every setting stored, with the values that the program would write for them
// itself: an unchanged value written again leaves the file as it was.
std::string EverySetting() {
    return MainSection({{"FONT", FontSettingText(DefaultIndicatorFont())},
                        {"FONT_COLOR", "0"},
                        {"BACK_COLOR", std::to_string(kDefaultBack)},
                        {"ALPHA", std::to_string(IDM_ALPHA_100)},
                        {"MODE", "0"},
                        {"VIEW_MODE", "0"},
                        {"BORDER", "1"},
                        {"WINPOINT_X", "12"},
                        {"WINPOINT_Y", "15"},
                        {"DATE_FORMAT", "yyyy/MM/dd hh:mm:ss"},
                        {"HOTKEY_COPY", "0"},
                        {"HOTKEY_HIDE", "0"},
                        {"HOTKEY_MODE", "0"}});
}

using OkWrites = std::vector<std::pair<const char*, const char*>>;

bool IsKeyOf(const std::string& line, const OkWrites& writes) {
    for (const auto& write : writes) {
        if (line.rfind(std::string(write.first) + "=", 0) == 0) {
            return true;
        }
    }
    return false;
}

ProfileContents Without(ProfileContents contents, const OkWrites& writes) {
    for (auto& section : contents) {
        std::vector<std::string> kept;
        for (const std::string& line : section.second) {
            if (!IsKeyOf(line, writes)) {
                kept.push_back(line);
            }
        }
        section.second = kept;
    }
    return contents;
}

std::string MainLine(const ProfileContents& contents, const char* key) {
    for (const auto& section : contents) {
        for (const std::string& line : section.second) {
            if (section.first == "MAIN" && line.rfind(std::string(key) + "=", 0) == 0) {
                return line;
            }
        }
    }
    return "<missing>";
}

TEST_P(E2eCloseWithDialogUp, EndsCleanlyAndStoresNoMoreThanItsOk) {
    const CloseCase& c = GetParam();
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(EverySetting()));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();
    const ProfileContents before = ReadProfile(session.folder.SettingsPath());
    ASSERT_TRUE(TrayIconExists(session.window));

    HWND dialog = nullptr;
    ASSERT_TRUE(OpenFromMenu(processId, *c.kind, &dialog));
    c.change(dialog);
    DWORD exitCode = 99;
    ASSERT_TRUE(ChooseUntil(processId, menu_keys::kClose, [&] {
        return session.program.WaitForExit(kExitTimeoutMs, &exitCode);
    })) << "still running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [] { return FindTrayIconWindow() == nullptr; }));
    EXPECT_FALSE(TrayIconExists(session.window));
    const ProfileContents after = ReadProfile(session.folder.SettingsPath());
    EXPECT_EQ(Without(after, c.okWrites), Without(before, c.okWrites));
    for (const auto& write : c.okWrites) {
        const std::string now = ReadMainValue(session.folder.SettingsPath(), write.first);
        if (write.second != nullptr && now != write.second) {
            EXPECT_EQ(write.first + ("=" + now), MainLine(before, write.first));
        }
    }
}

const CloseCase kCloseCases[] = {
    // The sample dragged by (50, 40) from the default offsets stands at 61, 54.
    {"DisplaySettingsAfterADrag",
     &kDisplaySettings,
     [](HWND d) {
         ASSERT_TRUE(DragSample(d, POINT{50, 40}));
         SetControlText(d, kDateEdit, "tavi");
     },
     {{"WINPOINT_X", "61"}, {"WINPOINT_Y", "54"}, {"DATE_FORMAT", "tavi"}}},
    {"FontChooserWithANewFace",
     &kFontChooser,
     PickJapaneseFaceOf20Points,
     {{"FONT", nullptr}, {"FONT_COLOR", "0"}}},
    {"ColourChooserWithANewColour",
     &kColourChooser,
     [](HWND d) { SetColour(d, kChosenBack); },
     {{"BACK_COLOR", "12615712"}}},
    {"AboutBox", &kAboutBox, [](HWND) {}, {}},
    {"HotkeySettingsWithANewKey",
     &kHotkeySettings,
     [](HWND d) { SendDlgItemMessageA(d, IDC_HOTKEY_COPY, HKM_SETHOTKEY, CtrlAlt('C'), 0); },
     {{"HOTKEY_COPY", "1603"}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, E2eCloseWithDialogUp, testing::ValuesIn(kCloseCases), CaseName());

// --- Objects over many openings ---------------------------------------------

// Wine answers neither GetGuiResources (0, with ERROR_CALL_NOT_IMPLEMENTED)
// nor the handle count (GetProcessHandleCount gives 0). Where they answer,
// their counts are compared; what is measured in any case is what the window
// system shows of the process: its windows, top-level and child, among which a
// dialog or chooser left undestroyed would stay.
struct ObjectCounts {
    DWORD gdi = 0;
    DWORD user = 0;
    int windows = 0;
    SIZE_T privateBytes = 0;  // for the record only: the heap grows and shrinks as it likes
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

ObjectCounts CountObjects(DWORD processId) {
    ObjectCounts counts;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    counts.gdi = GetGuiResources(process, GR_GDIOBJECTS);
    counts.user = GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (K32GetProcessMemoryInfo(process, &memory, sizeof memory)) {
        counts.privateBytes = memory.PagefileUsage;
    }
    CloseHandle(process);
    FindWindowWhere(0, [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) {
            ++counts.windows;
            EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&counts.windows));
        }
        return false;
    });
    return counts;
}

std::ostream& operator<<(std::ostream& out, const ObjectCounts& c) {
    return out << "GDI " << c.gdi << ", USER " << c.user << ", windows " << c.windows
               << ", private bytes " << c.privateBytes;
}

struct ObjectsCase {
    const char* name;
    const DialogKind* kind;
};

void PrintTo(const ObjectsCase& c, std::ostream* out) {
    *out << c.name;
}

class E2eDialogObjects : public testing::TestWithParam<ObjectsCase> {};

TEST_P(E2eDialogObjects, StayFlatOverThirtyOpenings) {
    const DialogKind& kind = *GetParam().kind;
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();

    // The openings come as the menu's own command message, so that the count
    // measures the dialog alone (the menu is driven by the tests above).
    ObjectCounts afterFifth;
    for (int opening = 1; opening <= 30; ++opening) {
        PostMessageA(session.window, WM_COMMAND, static_cast<WPARAM>(kind.command), 0);
        HWND dialog = WaitForDialog(processId, kind);
        ASSERT_NE(dialog, nullptr) << "opening " << opening;
        ASSERT_TRUE(CloseWith(dialog, kind.cancel)) << "opening " << opening;
        ASSERT_TRUE(ShownAgain(session.window));
        if (opening == 5) {
            afterFifth = CountObjects(processId);
        }
    }
    const ObjectCounts afterThirtieth = CountObjects(processId);
    std::printf("%s: after the 5th: %s\n%s: after the 30th: %s\n", kind.name,
                testing::PrintToString(afterFifth).c_str(), kind.name,
                testing::PrintToString(afterThirtieth).c_str());
    RecordProperty("after_5th", testing::PrintToString(afterFifth));
    RecordProperty("after_30th", testing::PrintToString(afterThirtieth));

    EXPECT_GT(afterFifth.windows, 0);
    EXPECT_LE(afterThirtieth.windows, afterFifth.windows);
    if (afterFifth.gdi != 0) {
        EXPECT_LE(afterThirtieth.gdi, afterFifth.gdi);
    }
    if (afterFifth.user != 0) {
        EXPECT_LE(afterThirtieth.user, afterFifth.user);
    }
}

const ObjectsCase kObjectsCases[] = {
    {"DisplaySettings", &kDisplaySettings}, {"FontChooser", &kFontChooser},
    {"ColourChooser", &kColourChooser},     {"AboutBox", &kAboutBox},
    {"HotkeySettings", &kHotkeySettings},
};

INSTANTIATE_TEST_SUITE_P(Cases, E2eDialogObjects, testing::ValuesIn(kObjectsCases), CaseName());

// --- Hotkeys ----------------------------------------------------------------

constexpr char kHotkeysTitle[] = "Tavikan\x83\x7a\x83\x62\x83\x67\x83\x4c\x81\x5b\x90\xdd\x92\xe8";

std::string Stored(char letter) {
    return std::to_string(CtrlAlt(letter));
}

unsigned KeyIn(HWND dialog, int control) {
    return static_cast<unsigned>(SendDlgItemMessageA(dialog, control, HKM_GETHOTKEY, 0, 0)) &
           0xFFFF;
}

BOOL CALLBACK AppendText(HWND control, LPARAM texts) {
    *reinterpret_cast<std::string*>(texts) += ControlText(control) + "\n";
    return TRUE;
}

// The texts of the dialog's controls, a line each.
std::string TextsOf(HWND dialog) {
    std::string texts;
    EnumChildWindows(dialog, AppendText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

TEST(E2eHotkeyDialog, RefusesAKeyThatAnotherProgramHoldsAndStaysOpen) {
    // This test holds Ctrl+Alt+K before the program starts with it stored.
    ASSERT_TRUE(RegisterHotKey(nullptr, 'K', MOD_CONTROL | MOD_ALT, 'K'));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}, {"HOTKEY_COPY", Stored('K')}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();
    const std::string path = session.folder.SettingsPath();
    EXPECT_TRUE(DialogsOf(processId).empty()) << "a message at start";
    HWND dialog = nullptr;
    ASSERT_TRUE(OpenFromMenu(processId, kHotkeySettings, &dialog));
    EXPECT_EQ(FindDialogOf(processId, kHotkeysTitle), dialog);
    EXPECT_EQ(KeyIn(dialog, IDC_HOTKEY_COPY), CtrlAlt('K'));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_HOTKEY_COPY_TAKEN)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_HOTKEY_HIDE_TAKEN)));

    // Moved to another action, the key is a new one there: refused by name.
    SendDlgItemMessageA(dialog, IDC_HOTKEY_COPY, HKM_SETHOTKEY, 0, 0);
    SendDlgItemMessageA(dialog, IDC_HOTKEY_HIDE, HKM_SETHOTKEY, CtrlAlt('K'), 0);
    ASSERT_TRUE(ClickInFront(dialog, IDC_HOTKEYS_OK));
    HWND message = nullptr;
    ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] {
        for (HWND other : DialogsOf(processId)) {
            message = other != dialog ? other : message;
        }
        return message != nullptr;
    }));
    EXPECT_NE(TextsOf(message).find("Ctrl + Alt + K"), std::string::npos) << TextsOf(message);
    PostMessageA(message, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return !IsWindow(message); }));
    EXPECT_TRUE(IsWindowVisible(dialog));
    ASSERT_TRUE(CloseWith(dialog, IDC_HOTKEYS_CANCEL));
    EXPECT_EQ(ReadMainValue(path, "HOTKEY_HIDE"), "<missing>");
    EXPECT_EQ(ReadMainValue(path, "HOTKEY_COPY"), Stored('K'));
    UnregisterHotKey(nullptr, 'K');
}

TEST(E2eHotkeyDialog, KeysActAfterCancelAndOkFreesChangedAndClearedOnes) {
    ASSERT_TRUE(PlaceCursor(400, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"},
                                           {"DATE_FORMAT", "TAVI"},
                                           {"HOTKEY_COPY", Stored('C')},
                                           {"HOTKEY_HIDE", Stored('H')},
                                           {"HOTKEY_MODE", Stored('M')}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    const DWORD processId = session.program.ProcessId();
    const std::string path = session.folder.SettingsPath();
    HWND dialog = nullptr;
    ASSERT_TRUE(OpenFromMenu(processId, kHotkeySettings, &dialog));
    ASSERT_TRUE(CloseWith(dialog, IDC_HOTKEYS_CANCEL));
    ASSERT_TRUE(ShownAgain(session.window));
    ASSERT_TRUE(PlaceCursor(400, 300));
    // The mode's key steps round as the menu's items would.
    const std::pair<int, const char*> steps[] = {
        {1, "TAVI"}, {2, "size x:0 y:0"}, {3, nullptr}, {0, "x:400 y:300"}};
    for (const auto& step : steps) {
        PressCtrlAlt('M');
        EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] {
            return ReadMainInt(path, "MODE", -1) == step.first;
        })) << step.first;
        EXPECT_TRUE(step.second == nullptr ||  // Colour: what lies under the pointer
                    ShowsText(session.window, step.second, DefaultLook(), kSettleTimeoutMs));
    }

    // Typed as a user would: a new key for copy; the mode's is cleared.
    ASSERT_TRUE(OpenFromMenu(processId, kHotkeySettings, &dialog));
    ASSERT_TRUE(FocusForTyping(dialog, IDC_HOTKEY_COPY));
    PressCtrlAlt('X');
    EXPECT_TRUE(
        WaitFor(kSettleTimeoutMs, [&] { return KeyIn(dialog, IDC_HOTKEY_COPY) == CtrlAlt('X'); }));
    // Cleared as Backspace clears it on Windows. Wine's control, sent a typed
    // Backspace, holds the key 0xAD instead, which says nothing of the program.
    SendDlgItemMessageA(dialog, IDC_HOTKEY_MODE, HKM_SETHOTKEY, 0, 0);
    EXPECT_EQ(KeyIn(dialog, IDC_HOTKEY_MODE), 0u);
    ASSERT_TRUE(CloseWith(dialog, IDC_HOTKEYS_OK));
    EXPECT_EQ(ReadMainValue(path, "HOTKEY_COPY"), Stored('X'));
    EXPECT_EQ(ReadMainValue(path, "HOTKEY_HIDE"), Stored('H'));
    EXPECT_EQ(ReadMainValue(path, "HOTKEY_MODE"), "0");
    for (const auto& held : {std::make_pair('C', false), std::make_pair('M', false),
                             std::make_pair('X', true), std::make_pair('H', true)}) {
        EXPECT_EQ(CtrlAltHeld(held.first), held.second) << held.first;
    }

    DWORD exitCode = 99;
    ASSERT_TRUE(session.Close(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(CtrlAltHeld('X'));
    EXPECT_FALSE(CtrlAltHeld('H'));
}

// --- At 150 % ----------------------------------------------------------------

// These run in a Wine prefix of their own at 144 DPI, where run-scaled.sh sets
// TAVIKAN_SCALED_DPI; in the other runs they are skipped.
int ScaledSessionDpi() {
    char value[16] = {};
    return GetEnvironmentVariableA("TAVIKAN_SCALED_DPI", value, sizeof value) != 0
               ? std::atoi(value)
               : 0;
}

int ScreenLogPixels() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

LOGFONTA AtDpi(LOGFONTA font, int dpi) {
    font.lfHeight = MulDiv(font.lfHeight, dpi, 96);
    return font;
}

// The stored sizes mean pixels at 96 DPI: a file written at 100 % gives the
// look it always had, scaled, and starting writes nothing new.
TEST(E2eScaled, DrawsTheStoredFontAndOffsetAtTheScreensScale) {
    const int dpi = ScaledSessionDpi();
    if (dpi == 0) {
        GTEST_SKIP() << "runs in the 144-DPI prefix (E2eScaled.At144Dpi)";
    }
    ASSERT_EQ(ScreenLogPixels(), dpi);
    const POINT cursor{400, 300};
    ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y));
    IndicatorSession session;
    ASSERT_TRUE(session.folder.Ready()) << session.folder.Error();
    const std::string path = session.folder.SettingsPath();
    WriteFileBytes(path, MainSection({{"FONT", FontSettingText(DefaultIndicatorFont())},
                                      {"WINPOINT_X", "12"},
                                      {"WINPOINT_Y", "15"},
                                      {"ALPHA", "40036"},
                                      {"MODE", "0"},
                                      {"VIEW_MODE", "0"}}));
    const ProfileContents before = ReadProfile(path);
    ASSERT_TRUE(session.StartWithoutSettings());
    ASSERT_TRUE(session.WaitForFirstTick());

    IndicatorLook look = DefaultLook();
    look.font = AtDpi(look.font, dpi);  // 11 pixels at 96 DPI, 17 at 144
    const std::string text = CoordinatesText(cursor);
    const SIZE size = MeasureWindowFor(text, look.font);
    const RECT wanted{cursor.x + MulDiv(12, dpi, 96), cursor.y + MulDiv(15, dpi, 96),
                      cursor.x + MulDiv(12, dpi, 96) + size.cx,
                      cursor.y + MulDiv(15, dpi, 96) + size.cy};
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs, [&] { return session.WindowRect() == wanted; }))
        << "seen " << session.WindowRect() << ", wanted " << wanted;
    EXPECT_TRUE(ShowsText(session.window, text, look, kSettleTimeoutMs));
    EXPECT_EQ(ReadProfile(path), before);
}

// The chooser counts points at the screen's DPI; the size is stored as it
// would be at 100 %, and drawn at the screen's scale.
TEST(E2eScaled, FontChosenThereIsStoredAt96Dpi) {
    const int dpi = ScaledSessionDpi();
    if (dpi == 0) {
        GTEST_SKIP() << "runs in the 144-DPI prefix (E2eScaled.At144Dpi)";
    }
    const POINT cursor{400, 300};
    ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}})));
    ASSERT_TRUE(session.WaitForFirstTick());
    HWND dialog = nullptr;
    ASSERT_TRUE(OpenFromMenu(session.program.ProcessId(), kFontChooser, &dialog));
    PickJapaneseFaceOf20Points(dialog);
    ASSERT_TRUE(CloseWith(dialog, IDOK));
    ASSERT_TRUE(ShownAgain(session.window));

    const LOGFONTA stored = StoredFont(session.folder.SettingsPath());
    EXPECT_STREQ(stored.lfFaceName, kJapaneseFace);
    EXPECT_EQ(stored.lfHeight, -27);  // 20 points at 96 DPI
    ASSERT_TRUE(PlaceCursor(cursor.x, cursor.y));
    const SIZE size = MeasureWindowFor(CoordinatesText(cursor), AtDpi(stored, dpi));
    EXPECT_TRUE(WaitFor(kSettleTimeoutMs,
                        [&] {
                            const RECT rect = session.WindowRect();
                            return rect.right - rect.left == size.cx &&
                                   rect.bottom - rect.top == size.cy;
                        }))
        << "seen " << session.WindowRect() << ", wanted " << size.cx << "x" << size.cy;
}

// --- The terms of a measurement ----------------------------------------------

IndicatorLook ScaledLook(int dpi) {
    IndicatorLook look = DefaultLook();
    look.font = AtDpi(look.font, dpi);
    return look;
}

// Each origin the menu offers: a captioned window's corner, its client area's
// (its caption gives a negative y), the desktop counting from the screen.
// Offsets are multiples of 3, whole in page pixels (on here) at 144 DPI.
void ExpectCountsFromTheWindowUnderThePointer(int dpi) {
    const RECT frame{150, 120, 750, 570};
    const ColourPatch window(frame, RGB(255, 255, 255), WS_OVERLAPPEDWINDOW);
    POINT client{0, 0};
    ClientToScreen(window.Window(), &client);
    const auto page = [dpi](LONG x, LONG y) {
        return CoordinatesText({x * 96 / dpi, y * 96 / dpi});
    };
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "0"}, {"LOGICAL_PIXELS", "1"}})));
    const std::string path = session.folder.SettingsPath();
    const struct {
        int origin;
        POINT pointer;
        std::string line;
        LONG windowMovedBy;  // under the resting pointer
    } rows[] = {
        {1, {frame.left + 150, frame.top + 90}, page(150, 90), 0},
        {1, {frame.left + 150, frame.top + 90}, page(120, 60), 30},
        {1, {30, 690}, "x:30 y:690", -30},
        {2, {client.x + 90, client.y + 60}, page(90, 60), 0},
        {2, {client.x + 30, client.y - 3}, page(30, -3), 0},
        {0,
         {frame.left + 150, frame.top + 90},
         CoordinatesText({frame.left + 150, frame.top + 90}),
         0},
    };
    RECT at = frame;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        OffsetRect(&at, row.windowMovedBy, row.windowMovedBy);
        SetWindowPos(window.Window(), nullptr, at.left, at.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(
            ReadMainInt(path, "COORD_ORIGIN", 0) == row.origin ||
            ChooseUntil(session.program.ProcessId(), menu_keys::OriginItem(row.origin), [&] {
                return WaitFor(kSettleTimeoutMs,
                               [&] { return ReadMainInt(path, "COORD_ORIGIN", -1) == row.origin; });
            }));
        ASSERT_TRUE(PlaceCursor(row.pointer.x, row.pointer.y));
        // A window moved under the resting pointer may show only at the next
        // look-up of a still pointer, some seconds on.
        EXPECT_TRUE(ShowsText(session.window, row.line, ScaledLook(dpi), 2 * kSettleTimeoutMs));
    }
}

// The anchor key: the first press switches to Range and starts at the
// pointer, the size follows it, the second press ends it, a third starts
// anew, a drag replaces it. A hotkey reaches the program a while after its
// input and keys are taken in order: once the hide key has hidden and shown
// the indicator, the anchor before it has been taken. The pointer is placed
// by SetCursorPos, which Wine's X server follows (a SendInput move can be
// undone later to the X server's pointer).
void ExpectMeasuresWithTheAnchorKey(int dpi) {
    const auto size = [dpi](int x, int y) {
        return "size " + CoordinatesText({x * 96 / dpi, y * 96 / dpi});
    };
    ASSERT_TRUE(PlaceCursor(300, 300));
    IndicatorSession session;
    ASSERT_TRUE(session.Start(MainSection({{"MODE", "1"},
                                           {"LOGICAL_PIXELS", dpi != 96 ? "1" : "0"},
                                           {"HOTKEY_ANCHOR", Stored('A')},
                                           {"HOTKEY_HIDE", Stored('H')}})));
    const auto anchorAndPlace = [&](int x, int y) {
        PressCtrlAlt('A');
        for (const BOOL shown : {FALSE, TRUE}) {
            PressCtrlAlt('H');
            if (!WaitFor(kSettleTimeoutMs,
                         [&] { return IsWindowVisible(session.window) == shown; })) {
                return false;
            }
        }
        // Beside the new place, so the line is the one drawn there.
        return PlaceCursor(x, y) && WaitFor(kSettleTimeoutMs, [&] {
                   const RECT rect = session.WindowRect();
                   return rect.left == x + MulDiv(12, dpi, 96) &&
                          rect.top == y + MulDiv(15, dpi, 96);
               });
    };
    const IndicatorLook look = ScaledLook(dpi);
    ASSERT_TRUE(anchorAndPlace(450, 390));
    EXPECT_EQ(ReadMainInt(session.folder.SettingsPath(), "MODE", -1), 2);
    EXPECT_TRUE(ShowsText(session.window, size(150, 90), look, kSettleTimeoutMs)) << "live";
    ASSERT_TRUE(anchorAndPlace(600, 510));
    EXPECT_TRUE(ShowsText(session.window, size(150, 90), look, kSettleTimeoutMs)) << "final";
    ASSERT_TRUE(anchorAndPlace(570, 570));
    EXPECT_TRUE(ShowsText(session.window, size(-30, 60), look, kSettleTimeoutMs)) << "anew";
    LeftButtonGuard button;
    ASSERT_TRUE(PlaceCursor(100, 100));
    button.Press();
    ASSERT_TRUE(PlaceCursor(160, 130));
    button.Release();
    EXPECT_TRUE(ShowsText(session.window, size(60, 30), look, kSettleTimeoutMs)) << "a drag";
}

TEST(E2eMeasureTerms, CountsFromTheWindowUnderThePointer) {
    ExpectCountsFromTheWindowUnderThePointer(96);
}

TEST(E2eMeasureTerms, MeasuresWithTheAnchorKey) {
    ExpectMeasuresWithTheAnchorKey(96);
}

TEST(E2eScaled, CountsAndMeasuresInPagePixels) {
    const int dpi = ScaledSessionDpi();
    if (dpi == 0) {
        GTEST_SKIP() << "runs in the 144-DPI prefix (E2eScaled.At144Dpi)";
    }
    ExpectCountsFromTheWindowUnderThePointer(dpi);
    ExpectMeasuresWithTheAnchorKey(dpi);
}

}  // namespace
