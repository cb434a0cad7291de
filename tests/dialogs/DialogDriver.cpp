#include "DialogDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "SyntheticInput.h"
#include "WindowSearch.h"

namespace {

constexpr DWORD kAppearMs = 5000;
constexpr DWORD kCloseMs = 3000;
constexpr DWORD kSettleMs = 120;  // for the dialog's thread to take a piece of input

// What the driving thread holds pressed, so that a failed script leaves nothing stuck.
bool leftHeld = false;
std::vector<WORD> keysHeld;

HWND WaitForDialogOf(DWORD threadId) {
    HWND found = nullptr;
    WaitFor(kAppearMs, [&] { return (found = FindVisibleDialog(threadId)) != nullptr; });
    return found;
}

// Sends the event and gives the dialog's thread time to take it.
void SendAndSettle(INPUT event) {
    SendEvent(event);
    Sleep(kSettleMs);
}

void ReleaseEverything() {
    if (leftHeld) {
        ReleaseLeft();
    }
    while (!keysHeld.empty()) {
        ReleaseKey(keysHeld.back());
    }
}

// With no window manager on the test display, nothing would draw the dialogs'
// captions or take clicks on their close boxes; Wine draws and handles them
// itself when it is told not to leave the frames to a window manager. This
// must be set before the first window of this program is made.
struct WineDrawsTheFrames {
    WineDrawsTheFrames() {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER,
                            "Software\\Wine\\AppDefaults\\dialogs_tests.exe\\X11 Driver", 0,
                            nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(key, "Decorated", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
            RegCloseKey(key);
        }
    }
} wineDrawsTheFrames;

}  // namespace

int RunDriven(const std::function<int()>& runModal, const std::function<void(HWND)>& script) {
    const DWORD modalThread = GetCurrentThreadId();
    std::thread driver([&] {
        HWND dialog = WaitForDialogOf(modalThread);
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog appeared";
            return;
        }
        Sleep(2 * kSettleMs);  // first paint
        script(dialog);
        ReleaseEverything();
        if (!WaitFor(kCloseMs, [&] { return !IsWindow(dialog); })) {
            PostMessageA(dialog, WM_CLOSE, 0, 0);
            WaitFor(kCloseMs, [&] { return !IsWindow(dialog); });
        }
    });
    const int result = runModal();
    driver.join();
    return result;
}

POINT MoveMouseTo(POINT screen) {
    SendAndSettle(MoveEvent(screen.x, screen.y));
    POINT now = {};
    GetCursorPos(&now);
    return now;
}

void PressLeft() {
    leftHeld = true;
    SendAndSettle(MouseEvent(MOUSEEVENTF_LEFTDOWN));
}

void ReleaseLeft() {
    leftHeld = false;
    SendAndSettle(MouseEvent(MOUSEEVENTF_LEFTUP));
}

void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    PressLeft();
    ReleaseLeft();
}

void PressKey(WORD virtualKey) {
    keysHeld.push_back(virtualKey);
    SendAndSettle(KeyEvent(virtualKey, 0));
}

void ReleaseKey(WORD virtualKey) {
    for (auto key = keysHeld.begin(); key != keysHeld.end(); ++key) {
        if (*key == virtualKey) {
            keysHeld.erase(key);
            break;
        }
    }
    SendAndSettle(KeyEvent(virtualKey, KEYEVENTF_KEYUP));
}

void TapKey(WORD virtualKey) {
    PressKey(virtualKey);
    ReleaseKey(virtualKey);
}

POINT CentreOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT RectInParent(HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

namespace {

// A screen point on the window's frame where hit-testing gives hitCode.
bool FindFramePoint(HWND window, LRESULT hitCode, POINT& found) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    for (int y = rect.top; y < rect.top + GetSystemMetrics(SM_CYCAPTION) * 2; ++y) {
        for (int x = rect.right - 1; x > rect.left; x -= 2) {
            const LPARAM at = MAKELPARAM(x, y);
            if (SendMessageA(window, WM_NCHITTEST, 0, at) == hitCode) {
                found = {x - 4, y + 4};  // inside from its top-right corner
                return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(found.x, found.y)) ==
                       hitCode;
            }
        }
    }
    return false;
}

}  // namespace

void ClickCloseBox(HWND dialog) {
    POINT closeBox = {};
    ASSERT_TRUE(FindFramePoint(dialog, HTCLOSE, closeBox));
    ClickAt(closeBox);
}

COLORREF ScreenPixel(POINT screen) {
    HDC screenDc = GetDC(nullptr);
    const COLORREF colour = GetPixel(screenDc, screen.x, screen.y);
    ReleaseDC(nullptr, screenDc);
    return colour;
}

bool SaveScreenshot(HWND window, const char* fileName) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    const std::string folder = TAVIKAN_SCREENSHOT_DIR;
    CreateDirectoryA(folder.c_str(), nullptr);
    return SaveBitmapFile(CaptureScreen(rect), folder + "/" + fileName);
}

std::ostream& operator<<(std::ostream& out, const CloseWay& way) {
    return out << way.why;
}
