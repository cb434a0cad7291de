#include "app/RangeMeasureWin32.h"

#include "app/IndicatorState.h"
#include "app/KeyboardMeasure.h"
#include "app/TrayCommands.h"
#include "res/resource.h"
#include "text/MouseHook.h"

namespace {

KeyboardMeasure keyboardMeasure;

// The hook counts from the top-left corner of all monitors together, so that
// no point left of or above the primary monitor reads as "not set".
ScreenPoint HookOrigin() {
    return ScreenPoint{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
}

ScreenPoint InHookTerms(POINT point, ScreenPoint origin) {
    return ScreenPoint{point.x - origin.x, point.y - origin.y};
}

DragPoints HookDrag() {
    DragPoints drag{};
    drag.start = UnpackDragPoint(GetDragStart(0));
    drag.end = UnpackDragPoint(GetDragEnd(0));
    drag.current = UnpackDragPoint(GetDragCurrent(0));
    return drag;
}

}  // namespace

DragPoints RangeMeasureNow(POINT cursor) {
    const ScreenPoint origin = HookOrigin();
    DragPoints shown = keyboardMeasure.Shown(HookDrag(), InHookTerms(cursor, origin));
    if (indicatorState.pagePixels && shown.start.x >= 0) {
        const ScreenPoint start{shown.start.x + origin.x, shown.start.y + origin.y};
        shown.lengthDpi = MonitorAt(indicatorState.displayLayout, start).dpi;
    }
    return shown;
}

void OnAnchorKey(HWND window) {
    if (indicatorState.displayMode != kDisplayRange) {
        OnMenuCommand(window, IDM_RANGE, 0);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    keyboardMeasure.Press(InHookTerms(cursor, HookOrigin()), HookDrag());
}

void StopRangeMeasures() {
    HookStop();
    keyboardMeasure.Forget();
}
