#include "WindowSearch.h"

#include <cstring>

namespace {

struct Search {
    const std::function<bool(HWND)>& matches;
    HWND found;
};

BOOL CALLBACK StopAtMatch(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (search->matches(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool HasClass(HWND window, const char* className) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, className) == 0;
}

HWND FindWindowWhere(DWORD threadId, const std::function<bool(HWND)>& matches) {
    Search search{matches, nullptr};
    const auto context = reinterpret_cast<LPARAM>(&search);
    if (threadId == 0) {
        EnumWindows(StopAtMatch, context);
    } else {
        EnumThreadWindows(threadId, StopAtMatch, context);
    }
    return search.found;
}

HWND FindVisibleDialog(DWORD threadId) {
    return FindWindowWhere(threadId, [](HWND window) {
        return HasClass(window, "#32770") && IsWindowVisible(window);
    });
}
