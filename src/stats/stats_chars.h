// The character classes the statistics count by, as one table lookup per character.
#pragma once

#include <array>

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

// Every character at or above this code has only kPrintable, unless the text classes
// say otherwise (looked up directly then; no such character exists today).
inline constexpr text::Char kStatsTableSize = 0x500;

// The flags of every character below kStatsTableSize, built from the text classes.
const std::array<unsigned char, kStatsTableSize>& StatsCharTable();

// The flags of any character.
unsigned char StatsCharFlagsSlow(text::Char c);

inline unsigned char StatsCharFlags(text::Char c) {
  return c < kStatsTableSize ? StatsCharTable()[c] : StatsCharFlagsSlow(c);
}

}  // namespace skorlin::stats
