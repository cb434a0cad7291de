#include "app/DisplayLayoutWin32.h"

#include <windows.h>
#include <shellscalingapi.h>

namespace {

// GetDpiForMonitor of shcore.dll, looked up at run time: Windows before 8.1
// has no per-monitor DPI. The library is never freed.
using DpiForMonitorEntry = HRESULT(WINAPI*)(HMONITOR monitor, MONITOR_DPI_TYPE type, UINT* dpiX,
                                            UINT* dpiY);
bool dpiEntryLooked = false;
DpiForMonitorEntry dpiEntry = nullptr;

DpiForMonitorEntry FindDpiForMonitor() {
    if (!dpiEntryLooked) {
        dpiEntryLooked = true;
        if (HMODULE shcore = LoadLibraryA("shcore.dll")) {
            const auto entry =
                reinterpret_cast<void (*)()>(GetProcAddress(shcore, "GetDpiForMonitor"));
            dpiEntry = reinterpret_cast<DpiForMonitorEntry>(entry);
        }
    }
    return dpiEntry;
}

struct Collecting {
    DisplayLayout layout;
    DpiForMonitorEntry dpiFor;
    int screenDpi;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    Collecting& collecting = *reinterpret_cast<Collecting*>(data);
    DisplayLayout& layout = collecting.layout;
    if (layout.count >= kMaxMonitors) {
        return FALSE;
    }
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) {
        return TRUE;
    }
    int dpi = collecting.screenDpi;
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (collecting.dpiFor != nullptr &&
        SUCCEEDED(collecting.dpiFor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) && dpiY > 0) {
        dpi = static_cast<int>(dpiY);
    }
    const RECT& whole = info.rcMonitor;
    layout.monitors[layout.count++] =
        MonitorArea{{whole.left, whole.top, whole.right, whole.bottom}, dpi};
    return TRUE;
}

}  // namespace

DisplayLayout ReadDisplayLayout() {
    Collecting collecting{};
    collecting.dpiFor = FindDpiForMonitor();
    collecting.screenDpi = ScreenDpi();
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&collecting));
    DisplayLayout& layout = collecting.layout;
    if (layout.count == 0) {
        layout.monitors[0] =
            MonitorArea{{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                        collecting.screenDpi};
        layout.count = 1;
    }
    return layout;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}
