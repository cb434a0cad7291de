// ComposeSettingsPath with any executable path and file name (Shift-JIS lead
// bytes included): the path always fits its 260 bytes and is all zeros on
// failure; a name with a backslash stands as it is; a bare name follows the
// executable's directory, cut at a backslash that is a character of its own.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "settings/SettingsPath.h"
#include "text/CodePage.h"

namespace {

// Byte positions of the backslashes that are characters, not second bytes.
bool HasBackslashCharacter(const std::string& text, std::size_t from) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size()) {
            ++at;
        } else if (text[at] == '\\' && at >= from) {
            return true;
        }
    }
    return false;
}

bool IsBackslashCharacterAt(const std::string& text, std::size_t position) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size()) {
            ++at;
        } else if (at == position) {
            return text[at] == '\\';
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string name = input.ConsumeBool()
                                 ? std::string("tavi.ini")
                                 : std::string(input.ConsumeRandomLengthString(300).c_str());
    const std::string executable = input.ConsumeRemainingBytesAsString().c_str();

    char path[kSettingsPathSize];
    std::memset(path, 'X', sizeof path);
    const bool composed = ComposeSettingsPath(executable.c_str(), name.c_str(), path);
    FUZZ_CHECK(std::memchr(path, '\0', sizeof path) != nullptr);
    const std::string result = path;
    if (!composed) {
        for (char byte : path) {
            FUZZ_CHECK(byte == '\0');
        }
        return 0;
    }
    FUZZ_CHECK(!name.empty());
    if (HasBackslashCharacter(name, 0)) {
        FUZZ_CHECK(result == name);
        return 0;
    }
    // Directory part of the executable, then the name; the directory ends at
    // the executable's last backslash character.
    FUZZ_CHECK(result.size() > name.size());
    const std::size_t directoryLength = result.size() - name.size();
    FUZZ_CHECK(result.compare(directoryLength, std::string::npos, name) == 0);
    FUZZ_CHECK(executable.compare(0, directoryLength, result, 0, directoryLength) == 0);
    FUZZ_CHECK(IsBackslashCharacterAt(executable, directoryLength - 1));
    FUZZ_CHECK(!HasBackslashCharacter(executable, directoryLength));
    for (std::size_t at = result.size(); at < sizeof path; ++at) {
        FUZZ_CHECK(path[at] == '\0');
    }
    return 0;
}
