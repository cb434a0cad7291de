#pragma once

#include "text/DateFormat.h"

// The local wall clock of the system (GetLocalTime), for the Clock display.
LocalDateTime ReadLocalClock();
