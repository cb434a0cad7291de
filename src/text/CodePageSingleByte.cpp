#include "text/CodePage.h"

// Builds without Windows take the ANSI code page as single-byte: no lead bytes.
bool IsLeadByte(unsigned char) { return false; }
