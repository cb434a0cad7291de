#include "TwinMenu.h"

#include <atomic>

#include "TrayMenu.h"
#include "WaitFor.h"
#include "WindowSearch.h"

namespace {

constexpr DWORD kOpenTimeoutMs = 5000;

struct Item {
    UINT id;  // 0: a separator
    const wchar_t* caption;
};

constexpr Item kPlacementItems[] = {{111, L"位置補正"}, {112, L"絶対位置"}};
constexpr Item kOriginItems[] = {
    {40055, L"画面"}, {40056, L"ウィンドウ"}, {40057, L"クライアント領域"}};
constexpr Item kColourNotationItems[] = {
    {40051, L"#RRGGBB"}, {40052, L"R:G:B"}, {40053, L"rgb()"}, {40054, L"hsl()"}};

constexpr Item kTransparencyItems[] = {
    {40036, L"100%（通常）"}, {40037, L"90%"}, {40038, L"80%"},      {40039, L"70%"},
    {40040, L"60%"},          {40041, L"50%"}, {40042, L"40%"},      {40043, L"30%"},
    {40044, L"20%"},          {40045, L"10%"}, {40046, L"背景透明"},
};

template <std::size_t N>
HMENU Submenu(const Item (&items)[N], const std::set<UINT>& greyed) {
    HMENU menu = CreatePopupMenu();
    for (const Item& item : items) {
        const UINT state = greyed.count(item.id) != 0 ? MF_GRAYED : MF_ENABLED;
        AppendMenuW(menu, MF_STRING | state, item.id, item.caption);
    }
    return menu;
}

HMENU BuildMenu(const std::set<UINT>& greyed) {
    const auto add = [&](HMENU menu, UINT id, const wchar_t* caption) {
        const UINT state = greyed.count(id) != 0 ? MF_GRAYED : MF_ENABLED;
        AppendMenuW(menu, MF_STRING | state, id, caption);
    };
    HMENU menu = CreatePopupMenu();
    add(menu, 40035, L"バージョン情報(&V)...");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(menu, 40031, L"時計(&T)");
    add(menu, 40032, L"座標(&P)");
    add(menu, 40033, L"範囲(&S)");
    add(menu, 40050, L"色(&L)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(kPlacementItems, greyed)),
                L"表示モード(&D)");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(kOriginItems, greyed)),
                L"座標の基準(&G)");
    add(menu, 40058, L"論理ピクセルで表示(&Z)");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(kColourNotationItems, greyed)),
                L"色の表記(&N)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(menu, 40027, L"表示設定(&O)...");
    add(menu, 40028, L"枠表示(&R)");
    add(menu, 40029, L"背景色(&B)...");
    add(menu, 40030, L"フォント(&F)...");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(Submenu(kTransparencyItems, greyed)),
                L"透明度");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(menu, 40047, L"コピー(&C)");
    add(menu, 40048, L"隠す(&H)");
    add(menu, 40060, L"全画面表示中は隠す(&U)");
    add(menu, 40049, L"ホットキー設定(&K)...");
    add(menu, 40059, L"Windows 起動時に開始(&W)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(menu, 40034, L"閉じる(&X)");
    return menu;
}

}  // namespace

TwinMenu::TwinMenu(std::set<UINT> greyed) : greyed_(std::move(greyed)) {}

TwinMenu::~TwinMenu() {
    Close();
}

HWND TwinMenu::Open(POINT at) {
    std::atomic<bool> ready{false};
    thread_ = std::thread([this, at, &ready] {
        threadId_ = GetCurrentThreadId();
        owner_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"twin", WS_POPUP | WS_VISIBLE, 1000,
                                 740, 4, 4, nullptr, nullptr, nullptr, nullptr);
        ready = true;
        Run(at);
        DestroyWindow(owner_);
    });
    WaitFor(kOpenTimeoutMs, [&] { return ready.load(); });
    HWND menu = nullptr;
    WaitFor(kOpenTimeoutMs, [&] {
        menu = FindWindowWhere(threadId_, [](HWND window) {
            return HasClass(window, "#32768") && IsWindowVisible(window);
        });
        return menu != nullptr;
    });
    return menu;
}

void TwinMenu::Run(POINT at) {
    HMENU menu = BuildMenu(greyed_);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, owner_, nullptr);
    DestroyMenu(menu);
}

void TwinMenu::Type(const std::string& keys) const {
    for (const char key : keys) {
        PostMessageW(owner_, WM_KEYDOWN, static_cast<unsigned char>(key), 1);
        PostMessageW(owner_, WM_KEYUP, static_cast<unsigned char>(key), 0xC0000001);
    }
}

void TwinMenu::Close() {
    if (thread_.joinable()) {
        PostMessageW(owner_, WM_CANCELMODE, 0, 0);
        thread_.join();
    }
}
