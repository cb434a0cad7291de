#pragma once

// The transparency commands of the tray menu and the layered-window attributes
// each applies.
constexpr int kFirstAlphaCommand = 40036;       // 100 %, down to 40045 for 10 %
constexpr int kBackgroundAlphaCommand = 40046;  // background transparent

constexpr unsigned long kLayeredColorKey = 0x1;  // LWA_COLORKEY
constexpr unsigned long kLayeredAlpha = 0x2;     // LWA_ALPHA

struct LayeredAttributes {
    unsigned long colorKey;  // COLORREF
    unsigned char alpha;
    unsigned long flags;
};

// 40046 makes the background colour transparent; every other command is an
// alpha of 255 - 25 * (command - 40036), taken modulo 256.
LayeredAttributes TransparencyFor(int command, unsigned long backColor);
