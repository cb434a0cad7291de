#include "MainSection.h"

#include <windows.h>

#include <vector>

std::string MainSection(std::initializer_list<std::pair<const char*, std::string>> keys) {
    std::string text = "[MAIN]\r\n";
    for (const auto& key : keys) {
        text += std::string(key.first) + "=" + key.second + "\r\n";
    }
    return text;
}

std::string ReadMainValue(const std::string& path, const char* key) {
    // Room for the longest values that the tests of damaged files store.
    std::vector<char> buffer(1 << 20);
    GetPrivateProfileStringA("MAIN", key, "<missing>", buffer.data(),
                             static_cast<DWORD>(buffer.size()), path.c_str());
    return buffer.data();
}
