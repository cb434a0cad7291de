#pragma once

#include <windows.h>

#include <string>

#include "dialogs/ControlWrapper.h"
#include "dialogs/DialogWrapper.h"
#include "settings/DpiScale.h"
#include "settings/SettingsFile.h"

// The display-settings dialog (template 105): drag a life-size sample of the
// indicator relative to a pointer picture to set the indicator's offset from
// the cursor, and edit the Clock mode's date-time format. OK writes both to the
// settings file; every other way out writes nothing.
//
// The opener sets font, sampleWidth, sampleHeight, offsetX and offsetY (all
// as the indicator is drawn, in pixels at dpi), then runs ShowModal(nullptr,
// MAKEINTRESOURCEA(IDD_DISPLAY_SETTINGS), SettingsDialogProc, instance) and
// reads the settings back afterwards.
class SettingsDialog : public DialogWrapper {
  public:
    bool OnInit(WPARAM wParam, LPARAM lParam) override;
    bool BeginDrag();
    bool DragTo(WPARAM keyState);
    void PaintSample();
    bool SaveAndClose();
    // Keeps what the user types within the format's byte limit.
    void LimitFormatText();

    ControlWrapper dateEdit;
    SettingsFile settingsFile;
    int grabX = 0;  // where the last press on the sample grabbed it
    int grabY = 0;
    bool dragging = false;
    int sampleWidth = 0;  // the indicator's outer size
    int sampleHeight = 0;
    int offsetX = 0;  // the indicator's top-left corner relative to the cursor's tip
    int offsetY = 0;
    // The DPI the sample is drawn at; the offsets are stored in pixels at 96 DPI.
    int dpi = kBaseDpi;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
    HFONT font = nullptr;    // the indicator's, not owned
    std::string formatText;  // the edit's text as last taken, within the limit or as read
};

// The process's one display-settings dialog; both procedures work on it.
extern SettingsDialog settingsDialog;

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Replaces the sample control's own procedure while the dialog runs.
LRESULT CALLBACK SampleProc(HWND sample, UINT message, WPARAM wParam, LPARAM lParam);
