#pragma once

// A choice among a few values, stored as its number: exactly one of the
// digits 0 to count - 1 (count at most 10). Anything else, a null text, a
// sign, blanks, a second digit or a number cut to 32 bits included, reads as
// 0, so that a hand-edited file never picks a choice by accident.
int ParseStoredChoice(const char* stored, int count);
