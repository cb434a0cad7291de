#include "app/DeskWindowsWatch.h"

#include <windows.h>

namespace {

// Reported out of context: the system posts each event to this thread's
// queue, so no code of ours runs in other programs and none of theirs waits.
// The ranges leave out the busy ones (focus, selection, values, consoles).
const struct {
    DWORD first;
    DWORD last;
} kWatchedEvents[] = {
    {EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND},
    {EVENT_SYSTEM_MOVESIZEEND, EVENT_SYSTEM_MOVESIZEEND},
    {EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND},
    {EVENT_OBJECT_CREATE, EVENT_OBJECT_REORDER},
    {EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE},
};
constexpr int kWatchCount = sizeof kWatchedEvents / sizeof kWatchedEvents[0];

HWINEVENTHOOK watches[kWatchCount] = {};
bool wanted = false;  // a refused watch is not asked for again until it is turned off
bool live = false;
bool changed = true;

void CALLBACK OnDeskEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    changed = true;
}

void EndWatches() {
    for (HWINEVENTHOOK& watch : watches) {
        if (watch != nullptr) {
            UnhookWinEvent(watch);
            watch = nullptr;
        }
    }
    live = false;
}

}  // namespace

void WatchDeskWindows(bool on) {
    if (on == wanted) {
        return;
    }
    wanted = on;
    changed = true;
    if (!on) {
        EndWatches();
        return;
    }
    live = true;
    for (int i = 0; i < kWatchCount; ++i) {
        watches[i] =
            SetWinEventHook(kWatchedEvents[i].first, kWatchedEvents[i].last, nullptr, OnDeskEvent,
                            0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
        if (watches[i] == nullptr) {
            EndWatches();  // a partial watch would miss changes
            return;
        }
    }
}

bool TakeDeskWindowsChanged() {
    const bool was = changed || !live;
    changed = false;
    return was;
}
