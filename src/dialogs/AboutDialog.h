#pragma once

#include <windows.h>

// The About box (template 101): title and version, a notice line, the maker's
// name as a link to the maker's page, and the application icon, which turns
// into its second picture once the mouse has moved over it. The opener runs it
// with DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner,
// AboutDialogProc, 0).
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Replace the link label's and the icon's own procedures while the box runs.
LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK AboutIconProc(HWND icon, UINT message, WPARAM wParam, LPARAM lParam);

// The maker's page, which a click on the link opens.
extern const char kMakerPageAddress[];

// The shell call that opens the page; ShellExecuteA unless a test has put a
// recorder here, so that no browser starts.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCSTR verb, LPCSTR file,
                                                LPCSTR parameters, LPCSTR directory, INT show);
extern ShellExecuteFunction openPage;
