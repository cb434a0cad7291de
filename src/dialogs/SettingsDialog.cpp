#include "dialogs/SettingsDialog.h"

#include <vector>

#include "dialogs/ByteLimit.h"
#include "dialogs/SampleDrag.h"
#include "res/resource.h"
#include "settings/SettingsKeys.h"

SettingsDialog settingsDialog;

namespace {

// The Clock formatter holds at most this many bytes; a double-byte
// character counts as two. The edit itself (common controls 6) counts
// characters, so the byte limit is kept by LimitFormatText.
constexpr int kDateFormatLimit = 99;
constexpr int kPointerIconSize = 32;

// The sample control's own procedure, handed every message after SampleProc's
// own action; saved anew at every initialisation.
WNDPROC sampleOwnProc = nullptr;

// How far the frame of a resizable modal-frame popup with caption reaches
// beyond its client area on the left and at the top. The drag measures the
// cursor against the dialog's corner with these insets, not with the dialog's
// own (thinner) frame.
PixelPoint DragFrameInsets() {
    constexpr DWORD kStyle =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | DS_SETFONT;
    static_assert(kStyle == 0x80CE0040, "the drag's frame style");
    RECT rect = {0, 0, 0, 0};
    AdjustWindowRectEx(&rect, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    return {-rect.left, -rect.top};
}

PixelPoint CursorPosition() {
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    return {cursor.x, cursor.y};
}

RECT OuterRect(HWND window) {
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return rect;
}

void RequestClose(HWND dialog) {
    SendMessageA(dialog, WM_CLOSE, 0, 0);
}

INT_PTR OnInitDialog(HWND dialog, WPARAM wParam, LPARAM lParam) {
    settingsDialog.hwnd = dialog;
    return settingsDialog.OnInit(wParam, lParam);
}

std::string WindowText(HWND window) {
    std::vector<char> text(GetWindowTextLengthA(window) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

INT_PTR OnCommand(HWND dialog, WORD command, WORD notification) {
    switch (command) {
        case IDC_DATE_FORMAT:
            if (notification == EN_CHANGE) {
                settingsDialog.LimitFormatText();
            }
            return FALSE;
        case IDC_SETTINGS_OK:
            return settingsDialog.SaveAndClose();
        case IDC_SETTINGS_CANCEL:
            RequestClose(dialog);
            return TRUE;
        default:  // Enter and Esc (commands 1 and 2) included: they do not close
            return FALSE;
    }
}

INT_PTR OnSysCommand(HWND dialog, WPARAM command) {
    if (command != SC_CLOSE) {
        return FALSE;
    }
    RequestClose(dialog);
    return TRUE;
}

INT_PTR OnClose(HWND dialog) {
    EndDialog(dialog, 1);
    settingsDialog.hwnd = nullptr;
    return TRUE;
}

// The dialog can also end without WM_CLOSE, when the program quits while it is
// up; the next opening must not find it still running.
INT_PTR OnDestroy() {
    settingsDialog.hwnd = nullptr;
    return FALSE;
}

}  // namespace

bool SettingsDialog::OnInit(WPARAM, LPARAM) {
    settingsFile.ResolvePath(kSettingsFileName);

    HWND sample = GetDlgItem(hwnd, IDC_SAMPLE);
    sampleOwnProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(sample, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SampleProc)));

    textColor = static_cast<COLORREF>(
        settingsFile.ReadInt(kSettingsSection, kFontColorKey, kDefaultTextColor));
    backColor = static_cast<COLORREF>(
        settingsFile.ReadInt(kSettingsSection, kBackColorKey, kDefaultBackColor));

    if (sampleWidth == 0 && sampleHeight == 0) {
        const RECT templateRect = OuterRect(sample);
        sampleWidth = templateRect.right - templateRect.left;
        sampleHeight = templateRect.bottom - templateRect.top;
    }

    dateEdit.Attach(hwnd, IDC_DATE_FORMAT);
    SendDlgItemMessageA(hwnd, IDC_DATE_FORMAT, EM_LIMITTEXT, kDateFormatLimit, 0);
    // Taken before it is shown, so that a longer value from the file is shown whole.
    formatText = settingsFile.ReadString(kSettingsSection, kDateFormatKey, kDefaultDateFormat);
    SetWindowTextA(dateEdit.hwnd, formatText.c_str());
    formatText = WindowText(dateEdit.hwnd);

    MoveWindow(GetDlgItem(hwnd, IDC_POINTER_ICON), kPointerOrigin.x, kPointerOrigin.y,
               kPointerIconSize, kPointerIconSize, TRUE);
    const PixelPoint at = SamplePositionForOffsets({offsetX, offsetY});
    MoveWindow(sample, at.x, at.y, sampleWidth, sampleHeight, TRUE);
    return true;
}

bool SettingsDialog::BeginDrag() {
    const PixelPoint cursor = CursorPosition();
    const RECT sample = OuterRect(GetDlgItem(hwnd, IDC_SAMPLE));
    // A press outside the sample disarms the drag and keeps the last grab point.
    PixelPoint grab = {grabX, grabY};
    dragging = GrabSample(cursor, {sample.left, sample.top, sample.right, sample.bottom}, grab);
    grabX = grab.x;
    grabY = grab.y;
    return true;
}

bool SettingsDialog::DragTo(WPARAM keyState) {
    if (!IsLeftButtonAlone(static_cast<unsigned>(keyState)) || !dragging) {
        return true;
    }
    const RECT dialog = OuterRect(hwnd);
    const PixelPoint frame = DragFrameInsets();
    const PixelPoint cursor = CursorPosition();
    const PixelPoint to =
        DraggedSamplePosition(cursor, {dialog.left, dialog.top}, frame, {grabX, grabY});

    HWND sample = GetDlgItem(hwnd, IDC_SAMPLE);
    SetWindowPos(sample, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const PixelPoint offsets = OffsetsForSamplePosition(to);
    offsetX = offsets.x;
    offsetY = offsets.y;
    InvalidateRect(sample, nullptr, TRUE);
    return true;
}

void SettingsDialog::PaintSample() {
    HWND sample = GetDlgItem(hwnd, IDC_SAMPLE);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(sample, &paint);

    RECT whole;
    SetRect(&whole, 0, 0, sampleWidth, sampleHeight);
    HBRUSH background = CreateSolidBrush(backColor);
    FillRect(dc, &whole, background);
    DeleteObject(background);
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FrameRect(dc, &whole, black);
    DeleteObject(black);

    HGDIOBJ previousFont = SelectObject(dc, font);
    SetTextColor(dc, textColor);
    SetBkColor(dc, backColor);
    RECT textRect;
    SetRect(&textRect, 2, 1, sampleWidth, sampleHeight - 1);
    DrawTextA(dc, "sample", -1, &textRect, DT_CENTER);
    if (previousFont != nullptr) {
        SelectObject(dc, previousFont);
    }
    EndPaint(sample, &paint);
}

void SettingsDialog::LimitFormatText() {
    const std::string now = WindowText(dateEdit.hwnd);
    LimitedText kept;
    if (!LimitInsertion(formatText, now, kDateFormatLimit, kept)) {
        formatText = now;
        return;
    }
    formatText = kept.text;
    SetWindowTextA(dateEdit.hwnd, formatText.c_str());  // comes back here, and fits
    SendMessageA(dateEdit.hwnd, EM_SETSEL, kept.caret, kept.caret);
}

bool SettingsDialog::SaveAndClose() {
    settingsFile.WriteString(kSettingsSection, kDateFormatKey, WindowText(dateEdit.hwnd).c_str());
    settingsFile.WriteInt(kSettingsSection, kOffsetXKey, ScaleFromDpi(offsetX, dpi));
    settingsFile.WriteInt(kSettingsSection, kOffsetYKey, ScaleFromDpi(offsetY, dpi));
    RequestClose(hwnd);
    return true;
}

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog, wParam, lParam);
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_SYSCOMMAND:
            return OnSysCommand(dialog, wParam);
        case WM_CLOSE:
            return OnClose(dialog);
        case WM_DESTROY:
            return OnDestroy();
        case WM_NOTIFY:
            return TRUE;
        case WM_MOUSEMOVE:
            return settingsDialog.DragTo(wParam);
        default:
            return FALSE;
    }
}

LRESULT CALLBACK SampleProc(HWND sample, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            settingsDialog.BeginDrag();
            break;
        case WM_MOUSEMOVE:
            settingsDialog.DragTo(wParam);
            break;
        case WM_LBUTTONUP:
            settingsDialog.dragging = false;
            break;
        case WM_PAINT:
            settingsDialog.PaintSample();
            break;
        default:
            break;
    }
    return CallWindowProcA(sampleOwnProc, sample, message, wParam, lParam);
}
