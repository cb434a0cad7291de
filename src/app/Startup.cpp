#include "app/Startup.h"

#include "app/DeskCommands.h"
#include "app/IndicatorState.h"
#include "app/IndicatorWindow.h"
#include "app/MeasureTermsWin32.h"
#include "res/resource.h"
#include "settings/Appearance.h"
#include "text/ColourNotation.h"
#include "text/MouseHook.h"

namespace {

constexpr const char* kSingleInstanceName = "saru";

// Windows before 2000 lack SetLayeredWindowAttributes; the indicator then runs
// opaque. The library is never freed.
LayeredEntry FindLayeredEntry() {
    HMODULE user32 = LoadLibraryA("user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    // GetProcAddress hands out a generic function pointer; going through
    // void (*)() is the documented way to convert it without a type warning.
    const auto entry =
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetLayeredWindowAttributes"));
    return reinterpret_cast<LayeredEntry>(entry);
}

void ShowIndicator(HWND window, int showCommand) {
    if (indicatorState.layeredEntry != nullptr) {
        indicatorState.layeredEntry(window, 0, 255, LWA_ALPHA);  // opaque until the stored value
    }
    ShowWindow(window, showCommand);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(window);  // paints the white class background until the first tick
}

// The same setters as the menu's, so window, file and menu agree with the stored state.
void ApplyStoredModes(HWND window) {
    indicatorState.alphaCommand =
        indicatorSettings.ReadInt(kSettingsSection, kAlphaKey, kDefaultAlphaCommand);
    SetTransparency(window, indicatorState.alphaCommand);
    SetDisplayMode(indicatorSettings.ReadInt(kSettingsSection, kModeKey, kDefaultDisplayMode));
    if (indicatorState.displayMode == kDisplayRange) {
        HookStart();
    }
    SetViewMode(indicatorSettings.ReadInt(kSettingsSection, kViewModeKey, kDefaultViewMode));
    SetColourNotation(
        ParseColourNotation(indicatorSettings.ReadString(kSettingsSection, kColorFormatKey, "")),
        false);
    LoadDeskOptions();
    LoadMeasureTerms();
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

bool TakeSingleInstanceLock() {
    SetLastError(ERROR_SUCCESS);
    HANDLE lock = CreateMutexA(nullptr, TRUE, kSingleInstanceName);
    if (GetLastError() != ERROR_SUCCESS) {
        if (lock != nullptr) {
            CloseHandle(lock);  // the other copy's name, not ours to keep
        }
        return false;
    }
    // Only the name matters: release ownership, keep the handle open.
    ReleaseMutex(lock);
    return true;
}

int RunIndicator(HINSTANCE instance, int showCommand) {
    indicatorState.instance = instance;
    indicatorState.layeredEntry = FindLayeredEntry();
    if (RegisterIndicatorClass() == 0) {
        return kExitNormal;
    }

    const DWORD extendedStyle =
        indicatorState.layeredEntry != nullptr ? kLayeredExStyle : kPlainExStyle;
    const int border = indicatorSettings.ReadInt(kSettingsSection, kBorderKey, kDefaultBorder);
    indicatorState.windowStyle = border != 0 ? kBorderedStyle : kBorderlessStyle;
    HWND window = CreateIndicatorWindow(extendedStyle);
    if (window == nullptr) {
        return kExitNoWindow;  // nothing could ever end the loop
    }
    ShowIndicator(window, showCommand);

    indicatorState.popupMenu = GetSubMenu(LoadMenuA(instance, MAKEINTRESOURCEA(IDR_TRAY_MENU)), 0);
    ApplyStoredModes(window);

    RunMessageLoop();
    return kExitNormal;
}
