#pragma once

#include <windows.h>

#include "text/DateFormat.h"

// The local wall clock of the system (GetLocalTime), for the Clock display.
LocalDateTime ReadLocalClock();

// The reading that ReadLocalClock took last, with its milliseconds: when the
// text it gave is next due to change is reckoned from that same moment.
const SYSTEMTIME& LastLocalClockReading();
