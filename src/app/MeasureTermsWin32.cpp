#include "app/MeasureTermsWin32.h"

#include "app/CoordinateOrigin.h"
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

// The top-level window under the point, never the indicator itself: when the
// indicator is there, the first visible window below it that holds the point.
HWND TopLevelWindowAt(POINT point, HWND indicator) {
    HWND found = GetAncestor(WindowFromPoint(point), GA_ROOT);
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

// The corner the line counts from, in screen coordinates; false over the
// desktop or when the window has just gone, where the line counts from the
// screen as it is.
bool WindowCornerAt(POINT cursor, HWND indicator, ScreenPoint* corner) {
    HWND window = TopLevelWindowAt(cursor, indicator);
    if (window == nullptr || IsDesktop(window)) {
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
    ScreenPoint corner{0, 0};
    if (indicatorState.displayMode != kDisplayCoordinates ||
        (indicatorState.coordinateOrigin != kOriginWindow &&
         indicatorState.coordinateOrigin != kOriginClient) ||
        !WindowCornerAt(cursor, indicator, &corner)) {
        return pointer;
    }
    return CountedFrom(pointer, corner, indicatorState.pagePixels ? dpi : kBaseDpi);
}
