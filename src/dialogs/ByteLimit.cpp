#include "dialogs/ByteLimit.h"

#include <string_view>
#include <vector>

#include "text/CodePage.h"

namespace {

// The text cut into whole characters; a lead byte at the very end stands alone.
std::vector<std::string_view> Characters(const std::string& text) {
    std::vector<std::string_view> characters;
    std::size_t at = 0;
    while (at < text.size()) {
        const bool pair = IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size();
        const std::size_t length = pair ? 2 : 1;
        characters.push_back(std::string_view(text).substr(at, length));
        at += length;
    }
    return characters;
}

std::size_t ByteCount(const std::vector<std::string_view>& characters, std::size_t from,
                      std::size_t to) {
    std::size_t bytes = 0;
    for (std::size_t index = from; index < to; ++index) {
        bytes += characters[index].size();
    }
    return bytes;
}

}  // namespace

bool LimitInsertion(const std::string& before, const std::string& after, std::size_t limit,
                    LimitedText& kept) {
    if (after.size() <= limit) {
        return false;
    }
    const std::vector<std::string_view> old = Characters(before);
    const std::vector<std::string_view> now = Characters(after);

    // The insertion is what lies between the parts that both texts share at
    // their start and at their end.
    std::size_t head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail]) {
        ++tail;
    }
    const std::size_t insertionEnd = now.size() - tail;
    if (insertionEnd == head) {
        return false;  // only removed: the edit may shrink a text that was longer
    }

    const std::size_t around = ByteCount(now, 0, head) + ByteCount(now, insertionEnd, now.size());
    std::size_t keptEnd = head;
    std::size_t bytes = around;
    while (keptEnd < insertionEnd && bytes + now[keptEnd].size() <= limit) {
        bytes += now[keptEnd].size();
        ++keptEnd;
    }

    kept.text.clear();
    for (std::size_t index = 0; index < now.size(); ++index) {
        if (index < keptEnd || index >= insertionEnd) {
            kept.text.append(now[index]);
        }
    }
    kept.caret = keptEnd;
    return true;
}
