#pragma once

#include <cstddef>

// The system's ANSI code page: on Windows the real one (Shift-JIS, code page
// 932, on a Japanese system); elsewhere a single-byte code page.
bool IsLeadByte(unsigned char c);

// Copies src into dest (destSize bytes, terminator included), cutting at a
// character boundary so that no double-byte character is split. Returns the
// number of bytes copied without the terminator.
std::size_t CopyWholeCharacters(char* dest, std::size_t destSize, const char* src);
