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

// Typed keys go to the keyboard focus of the foreground window. Brings the
// dialog to the front and clicks the control when the focus is elsewhere (a
// control that has it keeps its selection), then waits until the dialog's
// thread names the control as the focus and has taken every focus event that
// could still move it.
testing::AssertionResult FocusForTyping(HWND dialog, int control);

// Brings the dialog to the front as a user's click would and clicks the control.
testing::AssertionResult ClickInFront(HWND dialog, int control);

// Clicks the control in front and waits until the dialog has gone.
testing::AssertionResult CloseWith(HWND dialog, int control);
