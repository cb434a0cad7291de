#include "text/CodePage.h"

std::size_t CopyWholeCharacters(char* dest, std::size_t destSize, const char* src) {
    if (destSize == 0) {
        return 0;
    }
    const std::size_t room = destSize - 1;  // one byte stays for the terminator
    std::size_t copied = 0;
    if (src != nullptr) {
        while (src[copied] != '\0') {
            // A lead byte and its trail byte go together or not at all; a lead
            // byte right before the terminator starts no whole character.
            std::size_t width = 1;
            if (IsLeadByte(static_cast<unsigned char>(src[copied]))) {
                if (src[copied + 1] == '\0') {
                    break;
                }
                width = 2;
            }
            if (width > room - copied) {
                break;
            }
            for (std::size_t i = 0; i < width; ++i) {
                dest[copied + i] = src[copied + i];
            }
            copied += width;
        }
    }
    dest[copied] = '\0';
    return copied;
}
