#include "DialogControls.h"

#include "Foreground.h"
#include "IndicatorSession.h"
#include "MouseInput.h"
#include "WaitFor.h"
#include "WindowSearch.h"

namespace {

// Choosing the item again while a slow dialog is still coming would only meet
// the guard, so it is waited for well beyond the usual settling time.
constexpr DWORD kDialogTimeoutMs = 10000;

}  // namespace

std::vector<HWND> DialogsOf(DWORD processId) {
    std::vector<HWND> dialogs;
    FindWindowWhere(0, [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && HasClass(window, "#32770")) {
            dialogs.push_back(window);
        }
        return false;
    });
    return dialogs;
}

HWND WaitForDialogWith(DWORD processId, int marker) {
    HWND found = nullptr;
    WaitFor(kDialogTimeoutMs, [&] {
        for (HWND dialog : DialogsOf(processId)) {
            if (GetDlgItem(dialog, marker) != nullptr) {
                found = dialog;
                return true;
            }
        }
        return false;
    });
    return found;
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickControl(HWND dialog, int control) {
    const POINT centre = CentreOf(GetDlgItem(dialog, control));
    InputMoveTo(centre.x, centre.y);
    LeftButtonGuard button;
    button.Press();
    button.Release();
}

testing::AssertionResult FocusForTyping(HWND dialog, int control) {
    HWND target = GetDlgItem(dialog, control);
    const auto typingReaches = [&] {
        return GetForegroundWindow() == dialog && ThreadInputOf(dialog).hwndFocus == target;
    };
    if (BringToFront(dialog) && ThreadInputOf(dialog).hwndFocus != target) {
        ClickControl(dialog, control);
    }
    if (WaitFor(kSettleTimeoutMs,
                [&] { return typingReaches() && FocusEventsTaken(dialog) && typingReaches(); })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the keyboard focus did not reach control " << control
                                       << ": it is on " << Describe(ThreadInputOf(dialog).hwndFocus)
                                       << ", in front is " << Describe(GetForegroundWindow());
}

// A late focus event takes the capture from a pressed button, which then
// gives no click: the press waits until the dialog has settled in front.
testing::AssertionResult ClickInFront(HWND dialog, int control) {
    if (!BringToFront(dialog)) {
        return testing::AssertionFailure() << "the dialog did not come to the front: in front is "
                                           << Describe(GetForegroundWindow());
    }
    ClickControl(dialog, control);
    return testing::AssertionSuccess();
}

testing::AssertionResult CloseWith(HWND dialog, int control) {
    testing::AssertionResult clicked = ClickInFront(dialog, control);
    if (!clicked) {
        return clicked;
    }
    if (WaitFor(kSettleTimeoutMs, [&] { return !IsWindow(dialog); })) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the dialog stayed after a click on " << control;
}
