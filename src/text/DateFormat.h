#pragma once

#include <string>

// Expands a Clock format: the tokens y, M, d, h, m, s (Gregorian) and g, e
// (Japanese era) are replaced by the date and time; every other byte passes.
std::string ExpandDateFormat(const char* format, int year, int month, int day, int hour, int minute,
                             int second);

struct LocalDateTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};

// Reads the local wall clock once. The program uses GetLocalTime; tests give a
// fixed date and time.
using LocalClock = LocalDateTime (*)();

constexpr int kDateTextSize = 100;  // 99 bytes of text and the terminator

// Holds the Clock format and the text of its last expansion.
class DateFormatter {
  public:
    explicit DateFormatter(LocalClock clock) : clock_(clock) {}

    // Keeps at most 99 bytes of the format, cut at a character boundary.
    void SetFormat(const char* text);
    // Expands the format for the clock's current reading into result and returns
    // it; the same reading of the same format keeps the last expansion.
    const char* FormatNow();

    const char* Format() const { return format; }

    // Whether the expansion shows the seconds: otherwise it changes at most
    // once a minute.
    bool ShowsSeconds() const { return showsSeconds_; }

  private:
    LocalClock clock_;
    char result[kDateTextSize] = {};
    char format[kDateTextSize] = {};
    bool expanded_ = false;  // result holds format expanded for expandedFor_
    LocalDateTime expandedFor_{};
    bool showsSeconds_ = false;
};

// Milliseconds from a reading of the clock (its second and millisecond) to
// the next moment its text may change: the next second, or the next minute
// when the format shows no seconds.
int MillisecondsToNextChange(bool showsSeconds, int second, int millisecond);
