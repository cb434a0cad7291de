#include "dialogs/DialogWrapper.h"

int DialogWrapper::ShowModal(HWND owner, const char* templateName, DLGPROC dialogProc,
                             HINSTANCE instance) {
    if (hwnd != nullptr) {
        return 0;
    }
    parent = owner;
    if (instance == nullptr) {
        instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    }
    this->instance = instance;

    const INT_PTR result = DialogBoxParamA(this->instance, templateName, parent, dialogProc, 0);
    return result == -1 ? 0 : static_cast<int>(result);
}

bool DialogWrapper::OnInit(WPARAM, LPARAM) {
    return true;
}

bool DialogWrapper::OnCommand(WPARAM, LPARAM) {
    return true;
}

bool DialogWrapper::OnNotify(WPARAM, LPARAM) {
    return true;
}
