#pragma once

#include <windows.h>

// A modal dialog from a resource template, one run at a time per object.
// The concrete dialog's procedure sets hwnd when the dialog initialises and
// clears it when it ends the dialog.
class DialogWrapper {
  public:
    // Runs the dialog and returns the value it was ended with; 0 when a run of
    // this object is already in progress or the dialog could not be created.
    // A null instance means the owner's.
    int ShowModal(HWND owner, const char* templateName, DLGPROC dialogProc, HINSTANCE instance);

    // Message handlers, each given the message's two parameters.
    virtual bool OnInit(WPARAM wParam, LPARAM lParam);
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;
    HWND parent = nullptr;
    HINSTANCE instance = nullptr;
};
