#include <windows.h>

#include "app/IndicatorState.h"
#include "app/Startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // The settings file is found first: every later read and write uses it.
    indicatorSettings.ResolvePath(kSettingsFileName);
    if (!TakeSingleInstanceLock()) {
        return kExitAnotherCopy;
    }
    return RunIndicator(instance, showCommand);
}
