// SPDX-License-Identifier: GPL-3.0-or-later
// The character table of the statistics, derived from the text classes so that a letter
// and a digit mean exactly what they mean everywhere else in the program.
#include "stats/stats_chars.h"

namespace skorlin::stats {

unsigned char StatsCharFlagsSlow(text::Char c) {
  unsigned char flags = 0;
  if (text::IsLetter(c)) flags |= kLetter;
  if (text::IsDigit(c) || text::IsLetter(c)) flags |= kWordStart;
  if ((flags & kWordStart) != 0 || c == U'-') flags |= kWordLead;
  if ((flags & kWordLead) != 0 || c == U'_') flags |= kWordBody;
  if (c != U'\t' && c != U'\n' && c != U'\r' && c != U' ') flags |= kPrintable;
  const unsigned breakClass = c == U' ' ? kSpaceChar : c == U'\r' ? kLoneCr : c == U'\n' ? kLf : kOtherChar;
  flags |= static_cast<unsigned char>(breakClass << kBreakClassShift);
  return flags;
}

const std::array<unsigned char, kStatsTableSize>& StatsCharTable() {
  static const std::array<unsigned char, kStatsTableSize> table = [] {
    std::array<unsigned char, kStatsTableSize> t{};
    for (text::Char c = 0; c < kStatsTableSize; ++c) t[c] = StatsCharFlagsSlow(c);
    return t;
  }();
  return table;
}

}  // namespace skorlin::stats
