#pragma once

#include <windows.h>

#include <functional>
#include <ostream>

#include "ScreenPicture.h"
#include "WaitFor.h"

// Drives a modal dialog through the window system: the test's thread runs the
// dialog while a second thread finds it, sends real input and reads it back.

// How long the dialog's thread may take to react to input on a busy machine.
constexpr DWORD kReactionMs = 5000;

// Runs runModal here while script gets the dialog that it opens, on a second
// thread. A dialog that the script leaves open is closed afterwards, and any
// button or key that it left pressed is released. Returns runModal's result.
int RunDriven(const std::function<int()>& runModal, const std::function<void(HWND)>& script);

// Input, as the user gives it. Each returns once the dialog's thread has had
// time to take it.
POINT MoveMouseTo(POINT screen);  // where the cursor then is
void PressLeft();
void ReleaseLeft();
void ClickAt(POINT screen);
void PressKey(WORD virtualKey);
void ReleaseKey(WORD virtualKey);
void TapKey(WORD virtualKey);

POINT CentreOf(HWND window);
// A child's outer rectangle in its parent's client pixels.
RECT RectInParent(HWND child);
// Clicks the close box on the dialog's frame.
void ClickCloseBox(HWND dialog);
COLORREF ScreenPixel(POINT screen);

// Saves the window as the screen shows it, as a BMP in the build's screenshot folder.
bool SaveScreenshot(HWND window, const char* fileName);

// One way of closing a dialog, for tests run once for each way.
struct CloseWay {
    const char* why;
    std::function<void(HWND)> close;
};

std::ostream& operator<<(std::ostream& out, const CloseWay& way);
