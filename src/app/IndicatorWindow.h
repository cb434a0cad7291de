#pragma once

#include <windows.h>

// The indicator: a small top-most popup beside the cursor that shows one line
// of text, rebuilt on every tick of its timer.

constexpr const char* kIndicatorClassName = "MousePos";
constexpr const char* kProductTitle = "Tavikan";

// Window styles, by value.
constexpr DWORD kBorderedStyle = 0x80880000;    // WS_POPUP | WS_BORDER | WS_SYSMENU
constexpr DWORD kBorderlessStyle = 0x80080000;  // WS_POPUP | WS_SYSMENU
constexpr DWORD kLayeredExStyle = 0x00080088;   // WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST
constexpr DWORD kPlainExStyle = 0x00000088;     // WS_EX_TOOLWINDOW | WS_EX_TOPMOST

constexpr UINT_PTR kIndicatorTimerId = 100;  // IDT_INDICATOR

constexpr UINT kTrayIconId = 180;
constexpr UINT WM_TRAYNOTIFY = 0x8064;     // the tray icon's callback message
constexpr DWORD kTrayIconRecordSize = 88;  // the first, shortest NOTIFYICONDATAA
constexpr int kTrayTipSize = 64;

LRESULT CALLBACK IndicatorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Take the Clock format and the offsets from the settings file, at creation
// and again when the display-settings dialog has closed.
void LoadClockFormat();
void LoadOffsets();

// Registers the class "MousePos" for indicatorState.instance; 0 when refused.
ATOM RegisterIndicatorClass();

// Creates the indicator hidden at 10, 10, 10 x 10 with indicatorState.windowStyle;
// its creation handler loads the font, colours, offsets and date format and
// puts up the tray icon and the timer.
HWND CreateIndicatorWindow(DWORD extendedStyle);
