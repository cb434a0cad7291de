#pragma once

#include <windows.h>

#include <string>

// The "FONT" value for a font: base64 of its 60-byte LOGFONTA record.
std::string FontSettingText(const LOGFONTA& font);
