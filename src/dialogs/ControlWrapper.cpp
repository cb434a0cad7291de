#include "dialogs/ControlWrapper.h"

namespace {

const char kCannotCreateControl[] =  // コントロールを作れませんでした!
    "\x83\x52\x83\x93\x83\x67\x83\x8d\x81\x5b\x83\x8b\x82\xf0\x8d\xec\x82\xea\x82\xdc\x82\xb9\x82"
    "\xf1\x82\xc5\x82\xb5\x82\xbd!";

}  // namespace

ControlWrapper::~ControlWrapper() {
    if (font != nullptr) {
        DeleteObject(font);
    }
}

bool ControlWrapper::Create(const char* windowName, DWORD style, DWORD exStyle, HWND parent,
                            HMENU menu, int x, int y, int width, int height) {
    return CreateOrReport(windowName, style, exStyle, parent, menu, x, y, width, height,
                          kCannotCreateControl);
}

bool ControlWrapper::SetClass(const char* className, HINSTANCE instance) {
    this->className = className;
    this->instance = instance;
    return true;
}

bool ControlWrapper::Attach(HWND parent, int id) {
    this->parent = parent;
    this->id = LOWORD(id);
    hwnd = GetDlgItem(this->parent, this->id);
    return true;
}
