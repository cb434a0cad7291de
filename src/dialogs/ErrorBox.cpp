#include "dialogs/ErrorBox.h"

#include <windows.h>

void ShowErrorBox(const char* text) {
    const char kCaption[] = "\x83\x47\x83\x89\x81\x5b";  // エラー
    MessageBoxA(nullptr, text, kCaption, MB_SYSTEMMODAL | MB_ICONWARNING);
}
