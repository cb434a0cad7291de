#pragma once

#include <windows.h>
#include <shellapi.h>

#include "app/ColourSwatch.h"
#include "app/CoordinateOrigin.h"
#include "app/DisplayLayout.h"
#include "app/DisplayMode.h"
#include "app/IndicatorText.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsFile.h"
#include "text/DateFormat.h"

// How the indicator is placed: 0 keeps it on the screen, any other value
// places it at the plain offset.
using ViewMode = int;
constexpr ViewMode kViewCorrected = 0;
constexpr ViewMode kViewAbsolute = 1;

// SetLayeredWindowAttributes, looked up at run time: systems without it still run.
using LayeredEntry = BOOL(WINAPI*)(HWND window, COLORREF colorKey, BYTE alpha, DWORD flags);

// The one record of the indicator's settings and run-time state, shared by
// start-up, the indicator window and the appearance commands.
struct IndicatorState {
    HINSTANCE instance = nullptr;
    LayeredEntry layeredEntry = nullptr;  // null: no transparency on this system
    // The monitors, taken at creation and anew whenever the system reports a change.
    DisplayLayout displayLayout = {};
    // The DPI the indicator is drawn at: that of the cursor's monitor. The font
    // is made for it and the offsets are scaled to it.
    int dpi = 0;
    DWORD windowStyle = 0;  // with or without WS_BORDER
    HMENU popupMenu = nullptr;
    NOTIFYICONDATAA trayIcon = {};  // used in its first, 88-byte form
    LOGFONTA logFont = {};          // as stored: its sizes are pixels at 96 DPI
    HFONT font = nullptr;           // made from logFont for dpi
    COLORREF textColor = kDefaultTextColor;
    // Also the colour key while the background is transparent.
    COLORREF backColor = kDefaultBackColor;
    int offsetX = 0;  // from the cursor to the indicator's left edge, as stored (96 DPI)
    int offsetY = 0;  // from the cursor to the indicator's top edge, as stored (96 DPI)
    DisplayMode displayMode = kDisplayClock;
    ViewMode viewMode = kViewCorrected;
    int alphaCommand = 0;    // the transparency command in force, 40036 to 40046
    int colourNotation = 0;  // Colour mode's notation (text/ColourNotation.h)
    CoordinateOrigin coordinateOrigin = kOriginScreen;  // what Coordinates counts from
    // Lengths and counted coordinates in page pixels (96 DPI) of their monitor.
    bool pagePixels = false;
    // The colour that Colour mode's swatch shows, read on the last tick.
    std::uint32_t swatch = kNoSwatch;
    char text[kIndicatorTextSize] = {};
    RECT textRect = {};       // the window size measured on the last tick, from 0, 0
    bool dialogOpen = false;  // a dialog or chooser is up: the tick neither moves nor shows
    bool closing = false;     // the destroy handler has run: the process is about to end
    // Hidden by the user until chosen again: the tick keeps the line up to
    // date but leaves the window alone. Never stored: every start shows it.
    bool hidden = false;
    unsigned hotkeys[kHotkeyActionCount] = {};  // the stored keys, 0 for none
    bool hotkeyHeld[kHotkeyActionCount] = {};   // registered with the system now
};

extern IndicatorState indicatorState;
// The settings file "tavi.ini" beside the executable, resolved first thing at start-up.
extern SettingsFile indicatorSettings;
// The Clock format and its last expansion, read from the local wall clock.
extern DateFormatter clockFormatter;
