#include "dialogs/AboutDialog.h"

#include <shellapi.h>

#include "res/resource.h"

const char kMakerPageAddress[] = "https://example.com/tavikan/";

ShellExecuteFunction openPage = ShellExecuteA;

namespace {

constexpr COLORREF kLinkColor = RGB(0, 0, 255);
constexpr int kLinkTextSize = 100;  // 99 characters and the terminator

// Set anew at every opening. The link font is this opening's own and is
// released when its box is destroyed.
HCURSOR handCursor = nullptr;
HFONT linkFont = nullptr;
WNDPROC linkLabelOwnProc = nullptr;
WNDPROC aboutIconOwnProc = nullptr;
HICON hoverIcon = nullptr;

HINSTANCE InstanceOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

WNDPROC ReplaceWindowProc(HWND window, WNDPROC replacement) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(replacement)));
}

// The label's font with an underline.
HFONT CreateUnderlinedFont(HWND label) {
    HFONT labelFont = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
    LOGFONTA record = {};
    GetObjectA(labelFont, sizeof record, &record);
    record.lfUnderline = 1;
    return CreateFontIndirectA(&record);
}

INT_PTR OnInitDialog(HWND dialog) {
    HINSTANCE instance = InstanceOf(dialog);
    handCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_HAND_LINK));

    HWND label = GetDlgItem(dialog, IDC_LINK_LABEL);
    linkFont = CreateUnderlinedFont(label);
    SendDlgItemMessageA(dialog, IDC_LINK_LABEL, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont),
                        FALSE);

    linkLabelOwnProc = ReplaceWindowProc(label, LinkLabelProc);
    aboutIconOwnProc = ReplaceWindowProc(GetDlgItem(dialog, IDC_ABOUT_ICON), AboutIconProc);
    return FALSE;  // no keyboard focus set
}

INT_PTR OnCommand(HWND dialog, WORD command) {
    switch (command) {
        case IDOK:
        case IDCANCEL:  // the OK button, Enter, Esc and the close box
            EndDialog(dialog, 1);
            return TRUE;
        case IDC_LINK_LABEL:  // any notification; the box stays open
            openPage(dialog, nullptr, kMakerPageAddress, nullptr, nullptr, SW_SHOWNORMAL);
            return FALSE;
        default:
            return FALSE;
    }
}

// The label keeps its font until it is gone; after that nothing uses it.
INT_PTR OnNcDestroy() {
    DeleteObject(linkFont);
    linkFont = nullptr;
    return FALSE;
}

LRESULT OnPaintLink(HWND label) {
    char text[kLinkTextSize] = {};
    GetWindowTextA(label, text, sizeof text);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    HGDIOBJ previousFont = SelectObject(dc, linkFont);
    SetTextColor(dc, kLinkColor);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, OPAQUE);
    TextOutA(dc, 0, 0, text, lstrlenA(text));
    SelectObject(dc, previousFont);  // the font is deleted with the box: never leave it selected
    EndPaint(label, &paint);
    return 0;
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam));
        case WM_NCDESTROY:
            return OnNcDestroy();
        default:
            return FALSE;
    }
}

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            return OnPaintLink(label);
        case WM_SETCURSOR:
            SetCursor(handCursor);
            return 0;
        default:
            return CallWindowProcA(linkLabelOwnProc, label, message, wParam, lParam);
    }
}

LRESULT CALLBACK AboutIconProc(HWND icon, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) {
        hoverIcon = LoadIconA(InstanceOf(icon), MAKEINTRESOURCEA(IDI_TAVIKAN_HOVER));
        SendMessageA(icon, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hoverIcon));
    }
    return CallWindowProcA(aboutIconOwnProc, icon, message, wParam, lParam);
}
