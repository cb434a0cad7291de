#include "app/Clipboard.h"

#include <cstring>

namespace {

// Another program may hold the clipboard open for a moment.
constexpr int kOpenTries = 5;
constexpr DWORD kOpenRetryMs = 10;

// A movable block of the size, filled by fill, for the clipboard to own; null
// when there is no memory.
template <typename Fill>
HGLOBAL BlockOf(std::size_t size, Fill fill) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* at = block != nullptr ? GlobalLock(block) : nullptr;
    if (at == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    fill(at);
    GlobalUnlock(block);
    return block;
}

// The clipboard owns a block it took; one it refused is freed here.
void Hand(UINT format, HGLOBAL block) {
    if (block != nullptr && SetClipboardData(format, block) == nullptr) {
        GlobalFree(block);
    }
}

bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 0; attempt < kOpenTries; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(kOpenRetryMs);
    }
    return false;
}

}  // namespace

void PutTextOnClipboard(HWND owner, const char* text) {
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    const std::size_t bytes = std::strlen(text) + 1;
    HGLOBAL wide = BlockOf(static_cast<std::size_t>(wideLength) * sizeof(wchar_t), [&](void* at) {
        MultiByteToWideChar(CP_ACP, 0, text, -1, static_cast<wchar_t*>(at), wideLength);
    });
    HGLOBAL ansi = BlockOf(bytes, [&](void* at) { std::memcpy(at, text, bytes); });
    if (wideLength <= 0 || !OpenClipboardSoon(owner)) {
        GlobalFree(wide);
        GlobalFree(ansi);
        return;
    }
    EmptyClipboard();
    Hand(CF_UNICODETEXT, wide);
    Hand(CF_TEXT, ansi);
    CloseClipboard();
}
