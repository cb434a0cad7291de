#include "text/RefString.h"

#include <atomic>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "text/CodePage.h"

namespace {

// The counters ahead of the text in one heap allocation; the text area
// (capacity bytes and a terminator) follows directly behind them.
struct TextBlock {
    std::atomic<std::int32_t> refs;
    std::int32_t length;
    std::int32_t capacity;
};
static_assert(sizeof(TextBlock) == 3 * sizeof(std::int32_t), "the text follows three counters");

// The largest capacity whose block size still fits the counters and size_t.
constexpr long long kMaxCapacity = INT_MAX - static_cast<long long>(sizeof(TextBlock)) - 1;

TextBlock* BlockOf(char* chars) {
    return std::launder(reinterpret_cast<TextBlock*>(chars - sizeof(TextBlock)));
}

char* AllocTextBlock(int n) {
    const int capacity = TextBlockCapacity(n);
    void* storage = ::operator new(sizeof(TextBlock) + static_cast<std::size_t>(capacity) + 1);
    new (storage) TextBlock{{1}, n, capacity};
    char* chars = reinterpret_cast<char*>(storage) + sizeof(TextBlock);
    chars[n] = '\0';
    return chars;
}

void FreeTextBlock(TextBlock* block) {
    block->~TextBlock();
    ::operator delete(block);
}

// Copies size bytes of a text with its terminator and zero-fills what is left;
// a trailing lone lead byte is dropped, as it starts no whole character.
void CopyTextBounded(char* dest, const char* src, std::size_t size) {
    const std::size_t copied = CopyWholeCharacters(dest, size, src);
    std::memset(dest + copied, 0, size - copied);
}

}  // namespace

int TextBlockCapacity(int length) {
    if (length < 0) {
        throw std::bad_alloc();
    }
    if (length < 256) {
        return length < 64 ? 64 : length < 128 ? 128 : 256;
    }
    if (length < 512) {
        // Above 256 the classes step by 64, not by doubling.
        return (length / 64 + 1) * 64;
    }
    const long long capacity = (static_cast<long long>(length) + 7) / 8 * 8 + 8;
    if (capacity > kMaxCapacity) {
        throw std::bad_alloc();
    }
    return static_cast<int>(capacity);
}

RefString::RefString(const RefString& other) : chars(other.chars) {
    if (chars != nullptr) {
        BlockOf(chars)->refs.fetch_add(1);
    }
}

RefString& RefString::operator=(const RefString& other) {
    if (chars == other.chars) {
        return *this;  // already sharing (or both without a block)
    }
    if (other.chars != nullptr) {
        BlockOf(other.chars)->refs.fetch_add(1);
    }
    Release();
    chars = other.chars;
    return *this;
}

RefString::~RefString() {
    Release();
}

void RefString::Reserve(int n) {
    if (chars != nullptr && n >= 0) {
        TextBlock* block = BlockOf(chars);
        if (n < block->capacity && block->refs.load() == 1) {
            block->length = n;
            chars[n] = '\0';
            return;
        }
    }
    // The new block is made before the old one goes, so a failure leaves the
    // string as it was.
    char* fresh = AllocTextBlock(n);
    Release();
    chars = fresh;
}

int RefString::ReplaceAll(const char* token, const char* replacement) {
    if (chars == nullptr || token == nullptr || *token == '\0') {
        return 0;
    }
    if (replacement == nullptr) {
        replacement = "";
    }
    const std::size_t tokenLength = std::strlen(token);
    const std::size_t replacementLength = std::strlen(replacement);
    const std::size_t textLength = std::strlen(chars);

    // Counting pass: occurrences never overlap, the search goes on behind each.
    long long count = 0;
    for (const char* at = std::strstr(chars, token); at != nullptr;
         at = std::strstr(at + tokenLength, token)) {
        ++count;
    }
    if (count == 0) {
        return 0;
    }

    // Size of the new text with its terminator.
    const long long size =
        static_cast<long long>(textLength) +
        count * (static_cast<long long>(replacementLength) - static_cast<long long>(tokenLength)) +
        1;
    if (size > kMaxCapacity) {
        throw std::bad_alloc();
    }
    const auto scratchSize = static_cast<std::size_t>(size);
    std::unique_ptr<char[]> scratch(new char[scratchSize]());

    // Second pass over the text as it stood: a replacement is never searched again.
    char* out = scratch.get();
    const char* resume = chars;
    for (const char* at = std::strstr(chars, token); at != nullptr;
         at = std::strstr(at + tokenLength, token)) {
        std::memcpy(out, resume, static_cast<std::size_t>(at - resume));
        out += at - resume;
        std::memcpy(out, replacement, replacementLength);
        out += replacementLength;
        resume = at + tokenLength;
    }
    std::memcpy(out, resume, std::strlen(resume));

    Reserve(static_cast<int>(scratchSize));
    CopyTextBounded(chars, scratch.get(), scratchSize);
    return static_cast<int>(count);
}

void RefString::Release() {
    if (chars == nullptr) {
        return;
    }
    TextBlock* block = BlockOf(chars);
    // The string lets go of the block whether or not others still hold it, so
    // a later Release or the destructor cannot drop the same reference twice.
    chars = nullptr;
    if (block->refs.fetch_sub(1) - 1 <= 0) {
        FreeTextBlock(block);
    }
}

const char* RefString::c_str() const {
    return chars != nullptr ? chars : "";
}

int RefString::refs() const {
    return chars != nullptr ? BlockOf(chars)->refs.load() : 0;
}

int RefString::length() const {
    return chars != nullptr ? BlockOf(chars)->length : 0;
}

int RefString::capacity() const {
    return chars != nullptr ? BlockOf(chars)->capacity : 0;
}
