#include "settings/FontRecord.h"

#include <cstring>

#include "settings/Base64.h"
#include "settings/DpiScale.h"
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

LOGFONTA FontRecordAtDpi(const LOGFONTA& stored, int dpi) {
    LOGFONTA atDpi = stored;
    atDpi.lfHeight = ScaleToDpi(stored.lfHeight, dpi);
    atDpi.lfWidth = ScaleToDpi(stored.lfWidth, dpi);
    return atDpi;
}

LOGFONTA FontRecordFromDpi(const LOGFONTA& atDpi, int dpi) {
    LOGFONTA stored = atDpi;
    stored.lfHeight = ScaleFromDpi(atDpi.lfHeight, dpi);
    stored.lfWidth = ScaleFromDpi(atDpi.lfWidth, dpi);
    return stored;
}

HFONT CreateIndicatorFont(const LOGFONTA& stored, int dpi) {
    const LOGFONTA atDpi = FontRecordAtDpi(stored, dpi);
    return CreateFontIndirectA(&atDpi);
}
