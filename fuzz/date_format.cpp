// ExpandDateFormat and DateFormatter with any format bytes (Shift-JIS lead
// bytes included: this build takes code page 932) and any date: no token
// letter survives an expansion, the formatter keeps at most 99 bytes of the
// format and of its text, never ends either in a lone lead byte, and its text
// is the expansion of its format cut between characters.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "text/CodePage.h"
#include "text/DateFormat.h"

namespace {

LocalDateTime fuzzedNow{};

LocalDateTime FuzzedClock() {
    return fuzzedNow;
}

// True when text, walked by whole characters, has a lead byte as its last byte.
bool EndsInLoneLeadByte(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        if (IsLeadByte(static_cast<unsigned char>(*p))) {
            if (p[1] == '\0') {
                return true;
            }
            ++p;
        }
    }
    return false;
}

// The byte length of the longest whole-character start of text within room bytes.
std::size_t WholeCharactersWithin(const std::string& text, std::size_t room) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t width = 1;
        if (IsLeadByte(static_cast<unsigned char>(text[at]))) {
            if (at + 1 >= text.size()) {
                break;
            }
            width = 2;
        }
        if (at + width > room) {
            break;
        }
        at += width;
    }
    return at;
}

void CheckHeldText(const char* text, std::size_t size) {
    const void* terminator = std::memchr(text, '\0', size);
    FUZZ_CHECK(terminator != nullptr);
    FUZZ_CHECK(std::strlen(text) <= size - 1);
    FUZZ_CHECK(!EndsInLoneLeadByte(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    fuzzedNow.year = input.ConsumeIntegral<int>();
    fuzzedNow.month = input.ConsumeIntegral<int>();
    fuzzedNow.day = input.ConsumeIntegral<int>();
    fuzzedNow.hour = input.ConsumeIntegral<int>();
    fuzzedNow.minute = input.ConsumeIntegral<int>();
    fuzzedNow.second = input.ConsumeIntegral<int>();
    const std::string format = input.ConsumeRemainingBytesAsString();

    const std::string expanded =
        ExpandDateFormat(format.c_str(), fuzzedNow.year, fuzzedNow.month, fuzzedNow.day,
                         fuzzedNow.hour, fuzzedNow.minute, fuzzedNow.second);
    FUZZ_CHECK(expanded.find_first_of("yMdhmsge") == std::string::npos);

    DateFormatter formatter(FuzzedClock);
    formatter.SetFormat(format.c_str());
    CheckHeldText(formatter.Format(), kDateTextSize);
    const std::string held = formatter.Format();
    FUZZ_CHECK(std::strncmp(held.c_str(), format.c_str(), held.size()) == 0);
    FUZZ_CHECK(held.size() == WholeCharactersWithin(format.c_str(), kDateTextSize - 1));

    const char* text = formatter.FormatNow();
    CheckHeldText(text, kDateTextSize);
    const std::string full =
        ExpandDateFormat(held.c_str(), fuzzedNow.year, fuzzedNow.month, fuzzedNow.day,
                         fuzzedNow.hour, fuzzedNow.minute, fuzzedNow.second);
    FUZZ_CHECK(std::strlen(text) == WholeCharactersWithin(full, kDateTextSize - 1));
    FUZZ_CHECK(std::strncmp(text, full.c_str(), std::strlen(text)) == 0);
    FUZZ_CHECK(std::strcmp(formatter.Format(), held.c_str()) ==
               0);  // an expansion keeps the format
    return 0;
}
