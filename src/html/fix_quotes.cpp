// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/fix_quotes.h"

#include <cstddef>

namespace skorlin::html {
namespace {

using text::Char;

// A quote right after one of these closes: a closing bracket, a period, a digit, a Latin
// letter, the ellipsis or a Cyrillic letter (Ё, ё, А to я).
bool EndsQuotedWord(Char c) {
  return c == U')' || c == U'.' || text::IsDigit(c) || text::IsLatin(c) || c == U'…' || text::IsCyr(c);
}

// A quote right before one of these opens: an opening bracket, a digit, a Latin letter,
// the ellipsis or a Cyrillic letter.
bool StartsQuotedWord(Char c) {
  return c == U'(' || text::IsDigit(c) || text::IsLatin(c) || c == U'…' || text::IsCyr(c);
}

bool FollowsClosingQuote(Char c) { return c == U' ' || c == U')' || c == U',' || c == U':' || c == U';'; }

// Decides every quote of one line in place, left to right; each decision sees the
// quotes before it as already decided.
void FixLineQuotes(Char* line, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (line[i] != U'"') continue;
    const bool first = i == 0;
    const bool last = i + 1 == n;
    const Char prev = first ? Char{0} : line[i - 1];
    const Char next = last ? Char{0} : line[i + 1];
    if (last || FollowsClosingQuote(next) || (!first && EndsQuotedWord(prev))) {
      line[i] = U'»';
    } else if (first || prev == U' ' || StartsQuotedWord(next) || next == U'.') {
      line[i] = U'«';
    }
  }
}

}  // namespace

text::Text FixQuotes(text::TextView source) {
  text::Text s(source);
  std::size_t start = 0;
  while (start <= s.size()) {
    std::size_t end = s.find(U"\r\n", start);
    if (end == text::Text::npos) end = s.size();
    FixLineQuotes(s.data() + start, end - start);
    start = end + 2;
  }
  return s;
}

}  // namespace skorlin::html
