#include "dialogs/WindowWrapper.h"

#include "dialogs/ErrorBox.h"

namespace {

const char kCannotRegister[] =  // ウィンドウを登録できませんでした。
    "\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x82\xf0\x93\x6f\x98\x5e\x82\xc5\x82\xab\x82\xdc\x82"
    "\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42";
const char kCannotCreateWindow[] =  // ウィンドウを作れませんでした!
    "\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x82\xf0\x8d\xec\x82\xea\x82\xdc\x82\xb9\x82\xf1\x82"
    "\xc5\x82\xb5\x82\xbd!";

}  // namespace

bool WindowWrapper::Register(const char* className, HINSTANCE instance, WNDPROC windowProc,
                             const char* menuName, const char* iconName, const char* cursorName,
                             HBRUSH background) {
    this->className = className;
    this->instance = instance;

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, iconName);
    windowClass.hIconSm = LoadIconA(instance, iconName);
    windowClass.hCursor = LoadCursorA(nullptr, cursorName);
    windowClass.hbrBackground = background;
    windowClass.lpszMenuName = menuName;
    windowClass.lpszClassName = className;
    if (RegisterClassExA(&windowClass) == 0) {
        ShowErrorBox(kCannotRegister);
        return false;
    }
    return true;
}

bool WindowWrapper::Create(const char* windowName, DWORD style, DWORD exStyle, HWND parent,
                           HMENU menu, int x, int y, int width, int height) {
    return CreateOrReport(windowName, style, exStyle, parent, menu, x, y, width, height,
                          kCannotCreateWindow);
}

bool WindowWrapper::CreateOrReport(const char* windowName, DWORD style, DWORD exStyle, HWND parent,
                                   HMENU menu, int x, int y, int width, int height,
                                   const char* failureText) {
    this->windowName = windowName;
    this->style = style;
    this->exStyle = exStyle;
    this->parent = parent;
    this->menu = menu;
    this->x = x;
    this->y = y;
    this->width = width;
    this->height = height;

    hwnd =
        CreateWindowExA(this->exStyle, className, this->windowName, this->style, this->x, this->y,
                        this->width, this->height, this->parent, this->menu, instance, createParam);
    if (hwnd == nullptr) {
        ShowErrorBox(failureText);
        return false;
    }
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    return true;
}
