#include "FontSetting.h"

#include "settings/Base64.h"

std::string FontSettingText(const LOGFONTA& font) {
    static_assert(sizeof font == 60, "the stored record is the 32-bit LOGFONTA");
    char text[96] = {};
    Base64Encode(text, reinterpret_cast<const unsigned char*>(&font), sizeof font);
    return text;
}
