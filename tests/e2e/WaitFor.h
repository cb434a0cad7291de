#pragma once

#include <windows.h>

// Polls the condition every few milliseconds until it holds or the time is up;
// returns whether it held. Tests wait on what they can observe, never a fixed time.
template <typename Condition>
bool WaitFor(DWORD timeoutMs, Condition condition) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(5);
    }
}
