#include "settings/Base64.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPad = '=';
constexpr char kCarriageReturn = '\r';
constexpr int kInvalid = -1;

// Value of each 7-bit character code: 0 to 63 for the alphabet, -1 for the rest.
struct DecodingTable {
    signed char value[128];
};

constexpr DecodingTable MakeDecodingTable() {
    DecodingTable table{};
    for (signed char& v : table.value) {
        v = kInvalid;
    }
    for (int i = 0; i < 64; ++i) {
        table.value[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
    }
    return table;
}

constexpr DecodingTable kDecoding = MakeDecodingTable();

// The character's alphabet value, or -1; codes of 128 and more need no look-up.
int ValueOf(char c) {
    const unsigned char code = static_cast<unsigned char>(c);
    return code < 128 ? kDecoding.value[code] : kInvalid;
}

}  // namespace

void Base64Encode(char* out, const unsigned char* in, int length) {
    int i = 0;
    for (; length - i >= 3; i += 3) {
        const unsigned b0 = in[i], b1 = in[i + 1], b2 = in[i + 2];
        *out++ = kAlphabet[b0 >> 2];
        *out++ = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
        *out++ = kAlphabet[((b1 & 15) << 2) | (b2 >> 6)];
        *out++ = kAlphabet[b2 & 63];
    }
    const int remaining = length - i;
    if (remaining == 1) {
        const unsigned b0 = in[i];
        *out++ = kAlphabet[b0 >> 2];
        *out++ = kAlphabet[(b0 & 3) << 4];
        *out++ = kPad;
        *out++ = kPad;
    } else if (remaining == 2) {
        const unsigned b0 = in[i], b1 = in[i + 1];
        *out++ = kAlphabet[b0 >> 2];
        *out++ = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
        *out++ = kAlphabet[(b1 & 15) << 2];
        *out++ = kPad;
    }
    *out = '\0';
}

int Base64Decode(unsigned char* out, const char* in, int limit) {
    if (in[0] == '+' && in[1] == ' ') {
        in += 2;
    }
    if (*in == kCarriageReturn) {
        return 0;
    }
    int stored = 0;
    for (;;) {
        // Each character is looked at only once the one before it passed, so
        // a NUL ends the decode before anything beyond it is read.
        const int v0 = ValueOf(in[0]);
        if (v0 == kInvalid) {
            return -1;
        }
        const int v1 = ValueOf(in[1]);
        if (v1 == kInvalid) {
            return -1;
        }
        const bool pad2 = in[2] == kPad;
        const int v2 = ValueOf(in[2]);
        if (!pad2 && v2 == kInvalid) {
            return -1;
        }
        const bool pad3 = in[3] == kPad;
        const int v3 = ValueOf(in[3]);
        if (!pad3 && v3 == kInvalid) {
            return -1;
        }

        const int count = pad2 ? 1 : (pad3 ? 2 : 3);
        if (stored + 1 >= limit || stored + count > limit) {
            return -1;
        }
        out[stored++] = static_cast<unsigned char>((v0 << 2 | v1 >> 4) & 255);
        if (count >= 2) {
            out[stored++] = static_cast<unsigned char>((v1 << 4 | v2 >> 2) & 255);
        }
        if (count == 3) {
            out[stored++] = static_cast<unsigned char>((v2 << 6 | v3) & 255);
        }

        if (pad3) {
            return stored;
        }
        in += 4;
        if (*in == '\0' || *in == kCarriageReturn) {
            return stored;
        }
    }
}
