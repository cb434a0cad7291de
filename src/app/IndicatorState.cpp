#include "app/IndicatorState.h"

#include "app/LocalClockWin32.h"

IndicatorState indicatorState;
SettingsFile indicatorSettings;
DateFormatter clockFormatter(ReadLocalClock);
