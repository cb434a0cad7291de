// MHook.dll: a global low-level mouse hook that tracks drags of the left button.
// Exported by ordinal only (MHook.def).
#include "text/MouseHook.h"

#include <windows.h>

#include <atomic>

#include "mhook/DragTracker.h"

namespace {

DragTracker tracker;
std::atomic<HHOOK> hook{nullptr};

ScreenArea VirtualScreen() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

void Track(WPARAM message, const MSLLHOOKSTRUCT& event) {
    switch (message) {
        case WM_LBUTTONDOWN:
            tracker.Press(ToDragPoint(event.pt.x, event.pt.y, VirtualScreen()));
            break;
        case WM_MOUSEMOVE:
            tracker.Move(ToDragPoint(event.pt.x, event.pt.y, VirtualScreen()));
            break;
        case WM_LBUTTONUP:
            tracker.Release(ToDragPoint(event.pt.x, event.pt.y, VirtualScreen()));
            break;
        default:
            break;
    }
}

// Runs on the thread that called HookStart. It only copies the point: the
// system removes a low-level hook that keeps the input waiting too long.
// Injected input (LLMHF_INJECTED) counts like any other.
LRESULT CALLBACK OnMouseEvent(int code, WPARAM message, LPARAM info) {
    if (code == HC_ACTION) {
        Track(message, *reinterpret_cast<const MSLLHOOKSTRUCT*>(info));
    }
    return CallNextHookEx(hook.load(), code, message, info);
}

HMODULE ThisLibrary() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&tracker), &module);
    return module;
}

}  // namespace

// The calling thread must pump messages: the hook is called from its loop. A
// second call while the hook runs changes nothing. A fresh start forgets the
// points of earlier runs: a drag cut short by HookStop never saw its release.
void HookStart() {
    if (hook.load() != nullptr) {
        return;
    }
    tracker.Reset();
    hook = SetWindowsHookExW(WH_MOUSE_LL, OnMouseEvent, ThisLibrary(), 0);
}

// Harmless when no hook runs. The points stay readable.
void HookStop() {
    if (HHOOK running = hook.exchange(nullptr)) {
        UnhookWindowsHookEx(running);
    }
}

// The argument selects nothing; the program always passes 0.
std::int64_t GetDragStart(int) {
    return tracker.Start();
}
std::int64_t GetDragEnd(int) {
    return tracker.End();
}
std::int64_t GetDragCurrent(int) {
    return tracker.Current();
}
