#pragma once

#include <windows.h>

// Checks the condition, then between checks runs idle, until the condition
// holds or the time is up; returns whether it held.
template <typename Condition, typename Idle>
bool PollUntil(DWORD timeoutMs, Condition condition, Idle idle) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        idle();
    }
    return true;
}

// Polls every few milliseconds. Tests wait on what they can observe, never a fixed time.
template <typename Condition>
bool WaitFor(DWORD timeoutMs, Condition condition) {
    return PollUntil(timeoutMs, condition, [] { Sleep(5); });
}

// Polls while running this thread's message loop, from which its windows get
// their paints and timer ticks and its low-level hooks are called.
template <typename Condition>
bool PumpMessagesUntil(DWORD timeoutMs, Condition condition) {
    return PollUntil(timeoutMs, condition, [] {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    });
}
