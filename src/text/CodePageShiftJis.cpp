#include "text/CodePage.h"

// Code page 932 (Shift-JIS) without Windows: its lead bytes are 0x81 to 0x9F
// and 0xE0 to 0xFC.
bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
