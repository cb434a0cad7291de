#include "app/DeskCommands.h"

#include "app/AutostartWin32.h"
#include "app/FullScreenWin32.h"
#include "app/IndicatorState.h"
#include "res/resource.h"

namespace {

void SetCaption(HMENU menu, UINT command, const wchar_t* caption) {
    ModifyMenuW(menu, command, MF_BYCOMMAND | MF_STRING, command, caption);
}

}  // namespace

void LoadDeskOptions() {
    hideOverFullScreen = indicatorSettings.ReadInt(kSettingsSection, kHideFullScreenKey,
                                                   kDefaultHideFullScreen) != 0;
}

bool OnDeskCommand(unsigned command) {
    if (command == IDM_AUTOSTART) {
        ToggleStartWithWindows();
        return true;
    }
    if (command == IDM_HIDE_FULLSCREEN) {
        hideOverFullScreen = !hideOverFullScreen;
        indicatorSettings.WriteInt(kSettingsSection, kHideFullScreenKey, hideOverFullScreen);
        return true;
    }
    return false;
}

void ShowDeskCaptions(HMENU menu) {
    SetCaption(
        menu, IDM_AUTOSTART,
        StartsWithWindows() ? L"Windows 起動時の開始をやめる(&W)" : L"Windows 起動時に開始(&W)");
    SetCaption(menu, IDM_HIDE_FULLSCREEN,
               hideOverFullScreen ? L"全画面表示中も表示する(&U)" : L"全画面表示中は隠す(&U)");
}
