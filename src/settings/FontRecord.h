#pragma once

#include <windows.h>

class SettingsFile;

// The indicator's font record, stored under "FONT" as the base64 text of its
// 60 bytes.
static_assert(sizeof(LOGFONTA) == 60, "the stored font record is the 60-byte LOGFONTA");

constexpr const char* kFontKey = "FONT";

// Tahoma, 11 pixels, Shift-JIS character set; every other field zero.
void SetDefaultIndicatorFont(LOGFONTA& logFont);

// The default record, overwritten by as many bytes as the stored value
// decodes to. The face name always ends with a NUL.
void ReadIndicatorFont(const SettingsFile& settings, LOGFONTA& logFont);

// Stores all 60 bytes of the record as 80 characters of base64.
void WriteIndicatorFont(const SettingsFile& settings, const LOGFONTA& logFont);

// The stored record's sizes (lfHeight, lfWidth) mean pixels at 96 DPI. The
// record with them in pixels at dpi, and such a record back as stored.
LOGFONTA FontRecordAtDpi(const LOGFONTA& stored, int dpi);
LOGFONTA FontRecordFromDpi(const LOGFONTA& atDpi, int dpi);

// The indicator's font at dpi, made from the stored record.
HFONT CreateIndicatorFont(const LOGFONTA& stored, int dpi);
