#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

// The dialogs and choosers that the program opens, met as a user meets them:
// each is known by a control that only it has, and is clicked shut.

// The visible dialog boxes of the process.
std::vector<HWND> DialogsOf(DWORD processId);

// The visible dialog of the process that has the control, once it is up; null
// when none came within the limit. On a busy machine a chooser can take
// seconds to come up (the font chooser lists every face first).
HWND WaitForDialogWith(DWORD processId, int marker);

POINT CentreOf(HWND window);

// A left click on the centre of the dialog's control.
void ClickControl(HWND dialog, int control);

// Clicks the control and waits until the dialog has gone. Under Wine a click
// now and then does not reach the button; it is given once more.
testing::AssertionResult CloseWith(HWND dialog, int control);
