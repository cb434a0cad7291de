#include "settings/Transparency.h"

LayeredAttributes TransparencyFor(int command, unsigned long backColor) {
    if (command == kBackgroundAlphaCommand) {
        return LayeredAttributes{backColor, 0, kLayeredColorKey};
    }
    // Unsigned arithmetic wraps modulo 2^32, a multiple of 256, so the low
    // byte is the formula's value modulo 256 for any command, with no overflow.
    const unsigned int steps = static_cast<unsigned int>(command) - kFirstAlphaCommand;
    const unsigned int alpha = 255u - 25u * steps;
    return LayeredAttributes{0, static_cast<unsigned char>(alpha & 0xFFu), kLayeredAlpha};
}
