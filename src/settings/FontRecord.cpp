#include "settings/FontRecord.h"

#include <cstring>

#include "settings/Base64.h"
#include "settings/SettingsFile.h"

namespace {

constexpr int kFontRecordSize = sizeof(LOGFONTA);
constexpr int kFontTextSize = 4 * ((kFontRecordSize + 2) / 3) + 1;  // 80 characters and the NUL

}  // namespace

void SetDefaultIndicatorFont(LOGFONTA& logFont) {
    std::memset(&logFont, 0, sizeof logFont);
    logFont.lfHeight = -11;
    logFont.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(logFont.lfFaceName, "Tahoma");
}

void ReadIndicatorFont(const SettingsFile& settings, LOGFONTA& logFont) {
    SetDefaultIndicatorFont(logFont);
    // A damaged or short value replaces only the bytes it decodes to; the
    // rest keeps the default, so the result needs no look.
    settings.ReadBlob(kSettingsSection, kFontKey, reinterpret_cast<unsigned char*>(&logFont),
                      kFontRecordSize);
    // A stored face name may fill all 32 bytes; font creation needs it ended.
    logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
}

void WriteIndicatorFont(const SettingsFile& settings, const LOGFONTA& logFont) {
    char text[kFontTextSize];
    Base64Encode(text, reinterpret_cast<const unsigned char*>(&logFont), kFontRecordSize);
    settings.WriteString(kSettingsSection, kFontKey, text);
}
