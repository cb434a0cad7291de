#pragma once

// Base64 with the standard alphabet and "=" padding. out must hold
// 4 * ceil(length / 3) + 1 bytes; a length of 0 or less gives the empty text.
void Base64Encode(char* out, const unsigned char* in, int length);

// Decodes in (NUL-terminated) into out, storing at most limit bytes. Returns -1
// on failure, 0 when the text (after an optional leading "+ ") begins with CR,
// otherwise the number of bytes stored. Bytes of quartets before a failing one
// stay stored.
int Base64Decode(unsigned char* out, const char* in, int limit);
