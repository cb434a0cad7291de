#pragma once

#include <windows.h>

#include <functional>

// Drives a modal dialog through the window system: the test's thread runs the
// dialog while a second thread finds it, sends real input and reads it back.

// How long the dialog's thread may take to react to input on a busy machine.
constexpr DWORD kReactionMs = 5000;

// Polls until the condition holds or the time is up; returns whether it held.
template <typename Condition>
bool WaitFor(DWORD timeoutMs, Condition condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(5);
    }
    return true;
}

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
// A screen point on the window's frame where hit-testing gives hitCode
// (HTCLOSE: the close box).
bool FindFramePoint(HWND window, LRESULT hitCode, POINT& found);
COLORREF ScreenPixel(POINT screen);
// How many pixels of the screen rectangle show the colour.
int CountScreenPixels(const RECT& screen, COLORREF colour);

// Saves the window as the screen shows it, as a BMP in the build's screenshot folder.
bool SaveScreenshot(HWND window, const char* fileName);
