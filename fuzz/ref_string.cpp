// RefString under random sequences of copy, Reserve, ReplaceAll, assignment and
// Release on a few strings that share blocks: each string reads as its own
// value (a change through one never shows in a copy), refs counts exactly the
// strings on a block, and nothing leaks or is freed twice (the sanitizers).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "FuzzCheck.h"
#include "text/CodePage.h"
#include "text/RefString.h"

namespace {

constexpr int kStrings = 4;
constexpr std::size_t kLongestModel = 1 << 12;  // keeps growing replacements quick

// The text that a copy back into the string keeps: whole characters only, so
// a lead byte right before the terminator goes.
std::string WholeCharacters(const std::string& text) {
    std::string kept;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsLeadByte(static_cast<unsigned char>(text[at]))) {
            if (at + 1 >= text.size()) {
                break;
            }
            kept += text[at++];
        }
        kept += text[at];
    }
    return kept;
}

// Every non-overlapping occurrence from the left, searched in the text as it stood.
std::string ReplacedModel(const std::string& text, const std::string& token,
                          const std::string& replacement, int* count) {
    std::string out;
    std::size_t resume = 0;
    *count = 0;
    for (std::size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, resume)) {
        out += text.substr(resume, at - resume) + replacement;
        resume = at + token.size();
        ++*count;
    }
    out += text.substr(resume);
    return *count == 0 ? text : WholeCharacters(out);
}

struct Strings {
    std::unique_ptr<RefString> string[kStrings];
    std::string model[kStrings];

    RefString& At(int i) {
        if (!string[i]) {
            string[i] = std::make_unique<RefString>();
            model[i].clear();
        }
        return *string[i];
    }

    void CheckAll() {
        for (int i = 0; i < kStrings; ++i) {
            if (!string[i]) {
                continue;
            }
            FUZZ_CHECK(model[i] == string[i]->c_str());
            int sharing = 0;
            for (int j = 0; j < kStrings; ++j) {
                if (string[j] && string[i]->data() != nullptr &&
                    string[j]->data() == string[i]->data()) {
                    ++sharing;
                }
            }
            FUZZ_CHECK(string[i]->refs() == sharing);
            if (string[i]->data() != nullptr) {
                FUZZ_CHECK(string[i]->capacity() > string[i]->length());
            }
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Strings s;
    while (input.remaining_bytes() > 0) {
        const int a = input.ConsumeIntegralInRange(0, kStrings - 1);
        const int b = input.ConsumeIntegralInRange(0, kStrings - 1);
        switch (input.ConsumeIntegralInRange(0, 5)) {
            case 0:  // copy construction into a new string
                s.At(b);
                s.string[a] = std::make_unique<RefString>(*s.string[b]);
                s.model[a] = s.model[b];
                break;
            case 1:  // assignment, self-assignment included
                s.At(a) = s.At(b);
                s.model[a] = s.model[b];
                break;
            case 2: {  // Reserve, then the whole text written as callers do
                const int n = input.ConsumeIntegralInRange(-2, 1100);
                RefString& target = s.At(a);
                if (n < 0) {
                    const std::string before = target.c_str();
                    bool refused = false;
                    try {
                        target.Reserve(n);
                    } catch (const std::bad_alloc&) {
                        refused = true;
                    }
                    FUZZ_CHECK(refused);
                    FUZZ_CHECK(before == target.c_str());
                    break;
                }
                target.Reserve(n);
                FUZZ_CHECK(target.data() != nullptr);
                FUZZ_CHECK(target.length() == n);
                FUZZ_CHECK(target.data()[n] == '\0');
                const char fill = static_cast<char>(input.ConsumeIntegralInRange(1, 255));
                std::memset(target.data(), fill, static_cast<std::size_t>(n));
                s.model[a] = std::string(static_cast<std::size_t>(n), fill);
                break;
            }
            case 3: {  // ReplaceAll with short texts from the input
                const std::string token = input.ConsumeRandomLengthString(4);
                const std::string replacement = input.ConsumeRandomLengthString(6);
                RefString& target = s.At(a);
                const std::string tokenText = token.c_str();
                const std::string replacementText = replacement.c_str();
                if (s.model[a].size() > kLongestModel &&
                    replacementText.size() > tokenText.size()) {
                    break;
                }
                const int count = target.ReplaceAll(token.c_str(), replacement.c_str());
                if (tokenText.empty() || target.data() == nullptr) {
                    FUZZ_CHECK(count == 0);
                    break;
                }
                int expectedCount = 0;
                s.model[a] = ReplacedModel(s.model[a], tokenText, replacementText, &expectedCount);
                FUZZ_CHECK(count == expectedCount);
                break;
            }
            case 4:
                s.At(a).Release();
                FUZZ_CHECK(s.string[a]->data() == nullptr);
                s.model[a].clear();
                break;
            case 5:  // destruction
                s.string[a].reset();
                break;
        }
        s.CheckAll();
    }
    return 0;
}
