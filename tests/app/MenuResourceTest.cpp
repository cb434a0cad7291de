// Menu resource 109: one top-level popup whose submenu is the tray menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "res/resource.h"

namespace {

constexpr UINT kSeparator = 0;
constexpr UINT kSubmenu = 1;

struct Item {
    UINT command;  // or kSeparator, kSubmenu
    const wchar_t* caption;
};

struct ItemState {
    bool separator;
    bool submenu;
    UINT command;
    std::wstring caption;
    UINT state;
};

ItemState ReadItem(HMENU menu, int position) {
    wchar_t caption[64] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_STATE;
    info.dwTypeData = caption;
    info.cch = 64;
    EXPECT_TRUE(GetMenuItemInfoW(menu, position, TRUE, &info));
    return ItemState{(info.fType & MFT_SEPARATOR) != 0, info.hSubMenu != nullptr, info.wID, caption,
                     info.fState};
}

void ExpectItems(HMENU menu, const std::vector<Item>& expected, const char* where) {
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size())) << where;
    for (std::size_t position = 0; position < expected.size(); ++position) {
        SCOPED_TRACE(std::string(where) + " position " + std::to_string(position + 1));
        const Item& want = expected[position];
        const ItemState item = ReadItem(menu, static_cast<int>(position));
        EXPECT_EQ(item.separator, want.command == kSeparator);
        EXPECT_EQ(item.submenu, want.command == kSubmenu);
        if (want.command != kSeparator && want.command != kSubmenu) {
            EXPECT_EQ(item.command, want.command);
        }
        if (want.caption != nullptr) {
            EXPECT_EQ(item.caption, std::wstring(want.caption));
        }
        // Stored with neither a check mark nor grey: the setters decide at run
        // time. (The system shows separators greyed.)
        if (!item.separator) {
            EXPECT_EQ(item.state & (MFS_CHECKED | MFS_GRAYED), 0u);
        }
    }
}

// The tray icon stays sharp from 100 % to 200 %: an image of its own for each
// small-icon size, 16, 20, 24 and 32 pixels.
TEST(IconResource, TrayIconHoldsAnImageForEachSmallIconSize) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(IDI_TRAY), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    for (int size : {16, 20, 24, 32}) {
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(id), RT_ICON);
        ASSERT_NE(image, nullptr) << size;
        const auto* header =
            static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, image)));
        EXPECT_EQ(header->biWidth, size);
        EXPECT_EQ(header->biHeight, 2 * size);  // the colours and the mask
    }
}

TEST(MenuResource, HoldsOnePopupNamedPopup) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ASSERT_NE(menu, nullptr);
    ExpectItems(menu, {{kSubmenu, L"POPUP"}}, "top level");
}

TEST(MenuResource, TrayMenuItemsInOrder) {
    HMENU popup = LoadPopupMenu();
    ASSERT_NE(popup, nullptr);
    ExpectItems(popup,
                {
                    {IDM_ABOUT, L"バージョン情報(&V)..."},
                    {kSeparator, nullptr},
                    {IDM_CLOCK, L"時計(&T)"},
                    {IDM_COORDINATES, L"座標(&P)"},
                    {IDM_RANGE, L"範囲(&S)"},
                    {IDM_COLOR, L"色(&L)"},
                    {kSeparator, nullptr},
                    {kSubmenu, L"表示モード(&D)"},
                    {kSubmenu, L"座標の基準(&G)"},
                    {IDM_LOGICAL_PIXELS, L"論理ピクセルで表示(&Z)"},
                    {kSubmenu, L"色の表記(&N)"},
                    {kSeparator, nullptr},
                    {IDM_DISPLAY_SETTINGS, L"表示設定(&O)..."},
                    {IDM_BORDER, L"枠表示(&R)"},
                    {IDM_BACK_COLOR, L"背景色(&B)..."},
                    {IDM_FONT, L"フォント(&F)..."},
                    {kSubmenu, L"透明度"},
                    {kSeparator, nullptr},
                    {IDM_COPY, L"コピー(&C)"},
                    {IDM_HIDE, L"隠す(&H)"},
                    {IDM_HIDE_FULLSCREEN, L"全画面表示中は隠す(&U)"},
                    {IDM_HOTKEYS, L"ホットキー設定(&K)..."},
                    {IDM_AUTOSTART, L"Windows 起動時に開始(&W)"},
                    {kSeparator, nullptr},
                    {IDM_CLOSE, L"閉じる(&X)"},
                },
                "tray menu");
}

TEST(MenuResource, PlacementSubmenu) {
    HMENU popup = LoadPopupMenu();
    ExpectItems(GetSubMenu(popup, 7),
                {{IDM_VIEW_CORRECTED, L"位置補正"}, {IDM_VIEW_ABSOLUTE, L"絶対位置"}},
                "placement submenu");
    ExpectItems(GetSubMenu(popup, 8),
                {{IDM_ORIGIN_SCREEN, L"画面"},
                 {IDM_ORIGIN_WINDOW, L"ウィンドウ"},
                 {IDM_ORIGIN_CLIENT, L"クライアント領域"}},
                "origin submenu");
}

TEST(MenuResource, TransparencySubmenu) {
    HMENU popup = LoadPopupMenu();
    ExpectItems(GetSubMenu(popup, 16),
                {
                    {IDM_ALPHA_100, L"100%（通常）"},
                    {IDM_ALPHA_90, L"90%"},
                    {IDM_ALPHA_80, L"80%"},
                    {IDM_ALPHA_70, L"70%"},
                    {IDM_ALPHA_60, L"60%"},
                    {IDM_ALPHA_50, L"50%"},
                    {IDM_ALPHA_40, L"40%"},
                    {IDM_ALPHA_30, L"30%"},
                    {IDM_ALPHA_20, L"20%"},
                    {IDM_ALPHA_10, L"10%"},
                    {IDM_ALPHA_BACKGROUND, L"背景透明"},
                },
                "transparency submenu");
}

}  // namespace
