#pragma once

#include <cstddef>
#include <string>

// The date-format edit holds at most a number of bytes of ANSI text, a
// double-byte character counting as two, whatever the edit control itself
// counts. A change is taken as the edit control would take it: what was
// removed stays removed, and of what was inserted only as many whole
// characters as fit are kept, from the start of the insertion. A text that was
// already longer (read from the settings file) is kept until it is edited.
struct LimitedText {
    std::string text;
    std::size_t caret;  // in characters: just after the kept part of the insertion
};

// False when `after` fits or inserts nothing; otherwise true with the text to
// put back into the edit.
bool LimitInsertion(const std::string& before, const std::string& after, std::size_t limit,
                    LimitedText& kept);
