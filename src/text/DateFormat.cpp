#include "text/DateFormat.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>
#include <string>

#include "text/CodePage.h"
#include "text/RefString.h"

namespace {

// A Japanese era: the day it began and its texts in Shift-JIS.
struct Era {
    int firstYear;
    int firstMonth;
    int firstDay;
    const char* name;       // "ggg"
    const char* firstChar;  // "gg"
    const char* letter;     // "g"
};

// Newest first; a date before the oldest entry still counts to the oldest era.
constexpr Era kEras[] = {
    {2019, 5, 1, "\x97\xDF\x98\x61", "\x97\xDF", "R"},    // 令和
    {1989, 1, 8, "\x95\xBD\x90\xAC", "\x95\xBD", "H"},    // 平成
    {1926, 12, 25, "\x8F\xBA\x98\x61", "\x8F\xBA", "S"},  // 昭和
    {1912, 7, 30, "\x91\xE5\x90\xB3", "\x91\xE5", "T"},   // 大正
};

long long DateKey(int year, int month, int day) {
    return static_cast<long long>(year) * 10000 + month * 100LL + day;
}

const Era& EraOf(int year, int month, int day) {
    const long long date = DateKey(year, month, day);
    for (const Era& era : kEras) {
        if (date >= DateKey(era.firstYear, era.firstMonth, era.firstDay)) {
            return era;
        }
    }
    return kEras[std::size(kEras) - 1];
}

// A clock field as exactly two digits; the value is taken modulo 100.
std::string TwoDigits(int value) {
    const int v = (value % 100 + 100) % 100;
    return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

// The units digit alone when the tens digit is 0, otherwise both digits.
std::string ShortForm(const std::string& twoDigits) {
    return twoDigits[0] == '0' ? twoDigits.substr(1) : twoDigits;
}

std::string FourDigitYear(int year) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", year);
    return text;
}

}  // namespace

std::string ExpandDateFormat(const char* format, int year, int month, int day, int hour, int minute,
                             int second) {
    if (format == nullptr) {
        return {};
    }
    const Era& era = EraOf(year, month, day);
    const std::string eraYear = std::to_string(static_cast<long long>(year) - era.firstYear + 1);
    const std::string yearDigits = TwoDigits(year);
    const std::string monthDigits = TwoDigits(month);
    const std::string dayDigits = TwoDigits(day);
    const std::string hourDigits = TwoDigits(hour);
    const std::string minuteDigits = TwoDigits(minute);
    const std::string secondDigits = TwoDigits(second);

    // Longer tokens of a letter come first, so a run of one letter is taken
    // from the left in the largest pieces.
    const struct {
        const char* token;
        std::string replacement;
    } steps[] = {
        {"ggg", era.name},    {"gg", era.firstChar},
        {"g", era.letter},    {"ee", eraYear},
        {"e", eraYear},       {"yyyy", FourDigitYear(year)},
        {"yy", yearDigits},   {"y", ShortForm(yearDigits)},
        {"MM", monthDigits},  {"M", ShortForm(monthDigits)},
        {"dd", dayDigits},    {"d", ShortForm(dayDigits)},
        {"hh", hourDigits},   {"h", ShortForm(hourDigits)},
        {"mm", minuteDigits}, {"m", ShortForm(minuteDigits)},
        {"ss", secondDigits}, {"s", ShortForm(secondDigits)},
    };

    const std::size_t formatLength = std::strlen(format);
    if (formatLength > static_cast<std::size_t>(INT_MAX)) {
        throw std::bad_alloc();
    }
    RefString work;
    work.Reserve(static_cast<int>(formatLength));
    std::memcpy(work.data(), format, formatLength + 1);
    for (const auto& step : steps) {
        work.ReplaceAll(step.token, step.replacement.c_str());
    }
    return work.c_str();
}

void DateFormatter::SetFormat(const char* text) {
    CopyWholeCharacters(format, sizeof format, text);
    expanded_ = false;
    // The expander replaces every byte "s", also the second byte of a
    // double-byte character, and no token before it brings or takes one.
    showsSeconds_ = std::strchr(format, 's') != nullptr;
}

int MillisecondsToNextChange(bool showsSeconds, int second, int millisecond) {
    const int toNextSecond = 1000 - millisecond;
    return showsSeconds ? toNextSecond : (59 - second) * 1000 + toNextSecond;
}

namespace {

bool SameReading(const LocalDateTime& a, const LocalDateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

}  // namespace

const char* DateFormatter::FormatNow() {
    // One reading of the clock: date and time must belong to the same moment,
    // or a tick at midnight could show the old date with the new time.
    const LocalDateTime now = clock_();
    // The tick asks about a hundred times a second; the text changes once.
    if (expanded_ && SameReading(now, expandedFor_)) {
        return result;
    }
    const std::string text =
        ExpandDateFormat(format, now.year, now.month, now.day, now.hour, now.minute, now.second);
    std::memset(result, 0, sizeof result);
    CopyWholeCharacters(result, sizeof result, text.c_str());
    expanded_ = true;
    expandedFor_ = now;
    return result;
}
