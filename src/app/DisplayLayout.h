#pragma once

#include "app/IndicatorText.h"
#include "app/Placement.h"

// The monitors of the desk as the system last reported them. Platform-free:
// the glue reads the monitors and hands them in.

struct MonitorArea {
    ScreenRect rect;  // the monitor's whole rectangle
    int dpi;          // its effective DPI
};

// Room for more monitors than any desk has; the glue keeps the first ones.
constexpr int kMaxMonitors = 16;

struct DisplayLayout {
    MonitorArea monitors[kMaxMonitors];
    int count;
};

// The monitor that holds the point or, when none does, the nearest one (the
// first of equally near ones). With no monitor at all, an empty rectangle at
// 0, 0 at 96 DPI.
MonitorArea MonitorAt(const DisplayLayout& layout, ScreenPoint point);
