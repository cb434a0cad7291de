#include "DialogDriver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr DWORD kAppearMs = 5000;
constexpr DWORD kCloseMs = 3000;
constexpr DWORD kSettleMs = 120;  // for the dialog's thread to take a piece of input

// What the driving thread holds pressed, so that a failed script leaves nothing stuck.
bool leftHeld = false;
std::vector<WORD> keysHeld;

struct DialogSearch {
    HWND found;
};

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM param) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window)) {
        reinterpret_cast<DialogSearch*>(param)->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialogOf(DWORD threadId) {
    DialogSearch search = {nullptr};
    WaitFor(kAppearMs, [&] {
        EnumThreadWindows(threadId, FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

// Absolute input runs from 0 to 65536 across the screen; round up so that
// scaling back lands on the very pixel.
LONG Normalized(int pixel, int extent) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    Sleep(kSettleMs);
}

void SendKey(WORD virtualKey, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
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

bool WriteBitmapFile(const std::string& path, const BITMAPINFOHEADER& header,
                     const std::vector<unsigned char>& pixels) {
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&header, sizeof header, 1, out) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return std::fclose(out) == 0 && written;
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
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
              Normalized(screen.x, GetSystemMetrics(SM_CXSCREEN)),
              Normalized(screen.y, GetSystemMetrics(SM_CYSCREEN)));
    POINT now = {};
    GetCursorPos(&now);
    return now;
}

void PressLeft() {
    leftHeld = true;
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeft() {
    leftHeld = false;
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    PressLeft();
    ReleaseLeft();
}

void PressKey(WORD virtualKey) {
    keysHeld.push_back(virtualKey);
    SendKey(virtualKey, 0);
}

void ReleaseKey(WORD virtualKey) {
    for (auto key = keysHeld.begin(); key != keysHeld.end(); ++key) {
        if (*key == virtualKey) {
            keysHeld.erase(key);
            break;
        }
    }
    SendKey(virtualKey, KEYEVENTF_KEYUP);
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

COLORREF ScreenPixel(POINT screen) {
    HDC screenDc = GetDC(nullptr);
    const COLORREF colour = GetPixel(screenDc, screen.x, screen.y);
    ReleaseDC(nullptr, screenDc);
    return colour;
}

int CountScreenPixels(const RECT& screen, COLORREF colour) {
    int count = 0;
    for (int y = screen.top; y < screen.bottom; ++y) {
        for (int x = screen.left; x < screen.right; ++x) {
            count += ScreenPixel({x, y}) == colour ? 1 : 0;
        }
    }
    return count;
}

bool SaveScreenshot(HWND window, const char* fileName) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    HDC screenDc = GetDC(nullptr);
    HDC memoryDc = CreateCompatibleDC(screenDc);
    HBITMAP bitmap = CreateCompatibleBitmap(screenDc, width, height);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, width, height, screenDc, rect.left, rect.top, SRCCOPY);
    SelectObject(memoryDc, previous);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as BMP files keep it
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
    const int lines = GetDIBits(memoryDc, bitmap, 0, height, pixels.data(),
                                reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(nullptr, screenDc);

    const std::string folder = TAVIKAN_SCREENSHOT_DIR;
    CreateDirectoryA(folder.c_str(), nullptr);
    return lines == height && WriteBitmapFile(folder + "/" + fileName, header, pixels);
}
