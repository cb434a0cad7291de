#pragma once

// Resource identifiers, shared by the resource script and the code.

// Icons and cursors
#define IDI_TAVIKAN 102        // class and About icon, 32x32 and 16x16
#define IDI_TRAY 103           // tray icon, 16x16
#define IDI_POINTER 104        // mouse pointer of the display-settings dialog
#define IDC_HAND_LINK 106      // hand over the About link
#define IDI_TAVIKAN_HOVER 113  // About icon after the mouse moved over it

// Menus and dialogs
#define IDD_ABOUT 101
#define IDD_DISPLAY_SETTINGS 105
#define IDR_TRAY_MENU 109
#define IDD_HOTKEYS 114

// Tray menu commands
#define IDM_VIEW_CORRECTED 111
#define IDM_VIEW_ABSOLUTE 112
#define IDM_DISPLAY_SETTINGS 40027
#define IDM_BORDER 40028
#define IDM_BACK_COLOR 40029
#define IDM_FONT 40030
#define IDM_CLOCK 40031
#define IDM_COORDINATES 40032
#define IDM_RANGE 40033
#define IDM_CLOSE 40034
#define IDM_ABOUT 40035
#define IDM_ALPHA_100 40036
#define IDM_ALPHA_90 40037
#define IDM_ALPHA_80 40038
#define IDM_ALPHA_70 40039
#define IDM_ALPHA_60 40040
#define IDM_ALPHA_50 40041
#define IDM_ALPHA_40 40042
#define IDM_ALPHA_30 40043
#define IDM_ALPHA_20 40044
#define IDM_ALPHA_10 40045
#define IDM_ALPHA_BACKGROUND 40046
#define IDM_COPY 40047
#define IDM_HIDE 40048
#define IDM_HOTKEYS 40049
#define IDM_COLOR 40050
#define IDM_COLOR_HEX 40051  // the colour notations, in the order of COLOR_FORMAT
#define IDM_COLOR_DECIMAL 40052
#define IDM_COLOR_CSS_RGB 40053
#define IDM_COLOR_CSS_HSL 40054
#define IDM_ORIGIN_SCREEN 40055  // what Coordinates counts from, in the order of COORD_ORIGIN
#define IDM_ORIGIN_WINDOW 40056
#define IDM_ORIGIN_CLIENT 40057
#define IDM_LOGICAL_PIXELS 40058
#define IDM_AUTOSTART 40059
#define IDM_HIDE_FULLSCREEN 40060

// Display-settings dialog controls
#define IDC_SETTINGS_CANCEL 1001
#define IDC_SETTINGS_OK 1002
#define IDC_POINTER_ICON 1003
#define IDC_SAMPLE 1004
#define IDC_DATE_FORMAT 1007

// About dialog controls
#define IDC_LINK_LABEL 1005
#define IDC_ABOUT_ICON 1007

// Hotkey dialog controls: one hotkey control per action, in the actions'
// order, each with a note that shows when another program holds its key
#define IDC_HOTKEYS_CANCEL 1011
#define IDC_HOTKEYS_OK 1012
#define IDC_HOTKEY_COPY 1013
#define IDC_HOTKEY_HIDE 1014
#define IDC_HOTKEY_MODE 1015
#define IDC_HOTKEY_COPY_TAKEN 1016
#define IDC_HOTKEY_HIDE_TAKEN 1017
#define IDC_HOTKEY_MODE_TAKEN 1018
#define IDC_HOTKEY_ANCHOR 1019
#define IDC_HOTKEY_ANCHOR_TAKEN 1020
