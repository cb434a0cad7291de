#include "ProfileContents.h"

#include <windows.h>

namespace {

constexpr DWORD kBufferSize = 1 << 20;

// Splits "a\0b\0\0" into its strings.
std::vector<std::string> SplitDoubleNulList(const std::vector<char>& buffer, DWORD length) {
    std::vector<std::string> items;
    for (DWORD at = 0; at < length && buffer[at] != '\0';) {
        items.emplace_back(&buffer[at]);
        at += static_cast<DWORD>(items.back().size()) + 1;
    }
    return items;
}

}  // namespace

ProfileContents ReadProfile(const std::string& path) {
    std::vector<char> buffer(kBufferSize);
    const DWORD namesLength =
        GetPrivateProfileSectionNamesA(buffer.data(), kBufferSize, path.c_str());
    ProfileContents contents;
    for (const std::string& section : SplitDoubleNulList(buffer, namesLength)) {
        std::vector<char> lines(kBufferSize);
        const DWORD length =
            GetPrivateProfileSectionA(section.c_str(), lines.data(), kBufferSize, path.c_str());
        contents.emplace_back(section, SplitDoubleNulList(lines, length));
    }
    return contents;
}

int ReadMainInt(const std::string& path, const char* key, int fallback) {
    return static_cast<int>(GetPrivateProfileIntA("MAIN", key, fallback, path.c_str()));
}
