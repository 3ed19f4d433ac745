// SPDX-License-Identifier: GPL-3.0-or-later
// The character classes the statistics count by, as one table lookup per character.
#pragma once

#include <array>

#include "stats/break_space_steps.h"
#include "text/text.h"

namespace skorlin::stats {

// Flags of one character.
enum StatsCharFlag : unsigned char {
  kLetter = 1,      // a letter (Latin, Cyrillic А-я, Ё, ё); digits are not letters
  kWordStart = 2,   // a digit or a letter: a character that makes a run a word
  kWordLead = 4,    // a word start or the hyphen
  kWordBody = 8,    // a word lead or the underscore: the characters a word is made of
  kPrintable = 16,  // anything but tab, LF, CR and space: what the character count counts
};

// Bits 6 and 7 of the flags: the BreakClass of the character (other, space, CR or LF).
inline constexpr unsigned kBreakClassShift = 6;

// The table covers Windows-1251 whole (its last character, №, is U+2116); characters
// beyond it are looked up through the text classes.
inline constexpr text::Char kStatsTableSize = 0x2200;

// The flags of every character below kStatsTableSize, built from the text classes.
const std::array<unsigned char, kStatsTableSize>& StatsCharTable();

// The flags of any character.
unsigned char StatsCharFlagsSlow(text::Char c);

inline unsigned char StatsCharFlags(text::Char c) {
  return c < kStatsTableSize ? StatsCharTable()[c] : StatsCharFlagsSlow(c);
}

}  // namespace skorlin::stats
