#include "app/MeasureTermsWin32.h"

#include "app/CoordinateOrigin.h"
#include "app/DeskWindowsWatch.h"
#include "app/IndicatorState.h"
#include "app/ShellDesktop.h"
#include "res/resource.h"
#include "settings/Appearance.h"
#include "settings/StoredChoice.h"

namespace {

bool IsDesktop(HWND window) {
    if (window == GetDesktopWindow() || window == GetShellWindow()) {
        return true;
    }
    char windowClass[16] = {};  // long enough for the desktop's classes
    GetClassNameA(window, windowClass, sizeof windowClass);
    return IsShellDesktopClass(windowClass);
}

// The top-level window of the one hit at the point, never the indicator
// itself: when the indicator is there, the first visible window below it that
// holds the point.
HWND TopLevelWindowAt(HWND hit, POINT point, HWND indicator) {
    HWND found = GetAncestor(hit, GA_ROOT);
    if (found == indicator) {
        found = GetWindow(indicator, GW_HWNDNEXT);
        RECT rect{};
        while (found != nullptr &&
               !(IsWindowVisible(found) && GetWindowRect(found, &rect) && PtInRect(&rect, point))) {
            found = GetWindow(found, GW_HWNDNEXT);
        }
    }
    return found;
}

// What was found under the pointer last: a window's top-level window and
// class do not change, so only a window not hit last time is asked about them.
// Below the indicator another window can come while the indicator stays.
struct FoundWindow {
    HWND hit = nullptr;
    HWND root = nullptr;
    bool desktop = true;
};
FoundWindow lastFound;

// The window the line counts from; nullptr over the desktop or nothing.
HWND CountingWindowAt(POINT point, HWND indicator) {
    HWND hit = WindowFromPoint(point);
    if (hit == nullptr || hit == indicator || hit != lastFound.hit) {
        HWND root = TopLevelWindowAt(hit, point, indicator);
        lastFound = FoundWindow{hit, root, root == nullptr || IsDesktop(root)};
    }
    return lastFound.desktop ? nullptr : lastFound.root;
}

// The corner the line counts from, in screen coordinates; false over the
// desktop or when the window has just gone, where the line counts from the
// screen as it is.
bool WindowCornerAt(POINT cursor, HWND indicator, ScreenPoint* corner) {
    HWND window = CountingWindowAt(cursor, indicator);
    if (window == nullptr) {
        return false;
    }
    POINT at{0, 0};
    RECT rect{};
    if (indicatorState.coordinateOrigin == kOriginClient) {
        if (!ClientToScreen(window, &at)) {
            return false;
        }
    } else {
        if (!GetWindowRect(window, &rect)) {
            return false;
        }
        at = POINT{rect.left, rect.top};
    }
    *corner = ScreenPoint{at.x, at.y};
    return true;
}

// The last look-up, kept while the pointer rests and no window has changed:
// a still pointer then costs no call to the window system. Where the system
// reports only some changes (Wine reports new windows, not moves), a resting
// pointer's look-up is redone all the same after a while. The first look-up
// needs no mark of its own: a watch just started reports a change.
constexpr DWORD kRestingLookUpMs = 3000;
struct LookUp {
    DWORD atMs = 0;
    POINT cursor{};
    CoordinateOrigin origin = kOriginScreen;
    bool found = false;
    ScreenPoint corner{0, 0};
};
LookUp lastLookUp;

}  // namespace

void LoadMeasureTerms() {
    SetCoordinateOrigin(
        ParseStoredChoice(indicatorSettings.ReadString(kSettingsSection, kCoordOriginKey, ""),
                          kOriginCount),
        false);
    SetPagePixels(
        ParseStoredChoice(indicatorSettings.ReadString(kSettingsSection, kLogicalPixelsKey, ""),
                          2) == 1,
        false);
}

bool OnMeasureTermsCommand(unsigned command) {
    if (command >= IDM_ORIGIN_SCREEN && command <= IDM_ORIGIN_CLIENT) {
        SetCoordinateOrigin(static_cast<int>(command - IDM_ORIGIN_SCREEN), true);
        return true;
    }
    if (command == IDM_LOGICAL_PIXELS) {
        SetPagePixels(!indicatorState.pagePixels, true);
        return true;
    }
    return false;
}

ScreenPoint CoordinatesShown(HWND indicator, POINT cursor, int dpi) {
    const ScreenPoint pointer{cursor.x, cursor.y};
    const CoordinateOrigin origin = indicatorState.coordinateOrigin;
    const bool looksUp = indicatorState.displayMode == kDisplayCoordinates &&
                         (origin == kOriginWindow || origin == kOriginClient);
    WatchDeskWindows(looksUp);
    if (!looksUp) {
        return pointer;
    }
    const DWORD nowMs = GetTickCount();
    if (TakeDeskWindowsChanged() || lastLookUp.cursor.x != cursor.x ||
        lastLookUp.cursor.y != cursor.y || lastLookUp.origin != origin ||
        nowMs - lastLookUp.atMs >= kRestingLookUpMs) {
        ScreenPoint corner{0, 0};
        const bool found = WindowCornerAt(cursor, indicator, &corner);
        lastLookUp = LookUp{nowMs, cursor, origin, found, corner};
    }
    if (!lastLookUp.found) {
        return pointer;
    }
    return CountedFrom(pointer, lastLookUp.corner, indicatorState.pagePixels ? dpi : kBaseDpi);
}

void StopMeasureTerms() {
    WatchDeskWindows(false);
}
