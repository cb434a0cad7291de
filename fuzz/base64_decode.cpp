// Base64Decode with any text and any limit: it never stores past the limit,
// its result is -1 or a byte count within the limit, and what Base64Encode
// writes decodes back to the same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "settings/Base64.h"

namespace {

constexpr unsigned char kUntouched = 0xA5;

void DecodeAnyText(const std::string& text, int limit) {
    // A right decoder stores at most 3 bytes per 4 characters; the buffer is
    // the smaller of that and the limit, so AddressSanitizer sees any byte
    // stored past either.
    const long long mostDecodable = static_cast<long long>(text.size()) / 4 * 3 + 3;
    const long long room = limit < 0 ? 0 : (limit < mostDecodable ? limit : mostDecodable);
    const std::unique_ptr<unsigned char[]> out(new unsigned char[static_cast<std::size_t>(room)]);
    const int result = Base64Decode(out.get(), text.c_str(), limit);
    FUZZ_CHECK(result >= -1);
    FUZZ_CHECK(result <= (limit < 0 ? 0 : limit) || result == -1);  // 0: a leading CR
    FUZZ_CHECK(result <= room || result == -1);
}

void RoundTrip(const std::vector<unsigned char>& bytes) {
    const int length = static_cast<int>(bytes.size());
    std::string text(static_cast<std::size_t>(4 * ((length + 2) / 3) + 1), '\0');
    Base64Encode(text.data(), bytes.data(), length);
    FUZZ_CHECK(std::strlen(text.c_str()) == static_cast<std::size_t>(4 * ((length + 2) / 3)));

    // One byte more than the data: the limit rule wants room after every quartet.
    std::vector<unsigned char> out(bytes.size() + 1, kUntouched);
    const int result = Base64Decode(out.data(), text.c_str(), length + 1);
    if (length == 0) {
        FUZZ_CHECK(result == -1);  // the empty text is no encoding
        return;
    }
    FUZZ_CHECK(result == length);
    FUZZ_CHECK(std::memcmp(out.data(), bytes.data(), bytes.size()) == 0);
    FUZZ_CHECK(out[bytes.size()] == kUntouched);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool roundTrip = input.ConsumeBool();
    const int limit = input.ConsumeIntegral<int>();
    if (roundTrip) {
        RoundTrip(input.ConsumeRemainingBytes<unsigned char>());
    } else {
        DecodeAnyText(input.ConsumeRemainingBytesAsString(), limit);
    }
    return 0;
}
