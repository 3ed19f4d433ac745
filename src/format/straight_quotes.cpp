// SPDX-License-Identifier: GPL-3.0-or-later
// The straight double quote put against the words it encloses.
#include "format/straight_quotes.h"

#include <utility>

#include "format/edit_line.h"
#include "format/search.h"
#include "text/toolkit.h"

namespace skorlin::format {

// A line with an odd number of straight quotes opens or closes a quotation that goes on
// in another line: which of its quotes open and which close cannot be told from the line,
// so the spacing around them stays as written. So it does in a line that holds typographic
// quotation marks: its quotes were typeset (by hand, or by typesetting that left the quotes
// it could not pair straight), and their spacing with them.
bool QuotesPairUp(text::TextView s) {
  std::size_t count = 0;
  for (const text::Char c : s) {
    if (c == U'"') {
      ++count;
    } else if (c == U'«' || c == U'»' || c == U'„' || c == U'“' || c == U'”') {
      return false;
    }
  }
  return count % 2 == 0;
}

void FirstQuotePass(text::Text& s, Pos& lengthCount) {
  const auto p = static_cast<Pos>(FindText(U"\"", s, 1));
  if (p > 0 && p < lengthCount && At(s, p + 1) == U' ') {
    DeleteAt(s, p + 1);
    --lengthCount;
  }
  if (p > 1 && At(s, p - 1) != U' ' && At(s, p - 1) != U'=') {
    InsertAt(s, p, U' ');
    ++lengthCount;
  }
}

void LastQuotePass(text::Text& s, Pos& lengthCount) {
  Pos i = lengthCount;
  while (i > 1 && At(s, i) != U'"') --i;
  if (i <= 1) return;
  // A space after the quote, unless one is there, an HTML tag opens or closes, or the
  // sentence ends.
  if (i < lengthCount && !InSet(At(s, i + 1), U" <>.…")) {
    InsertAt(s, i + 1, U' ');
    ++lengthCount;
  }
  if (At(s, i - 1) == U' ') {
    DeleteAt(s, i - 1);
    --lengthCount;
  }
}

void SpacedQuotePairsPass(text::Text& s) {
  if (FindText(U" \" ", s, 1) == 0) return;
  EditLine line(std::move(s));
  Pos count = 0;
  for (Pos i = 1; i < Length(line) - 2; ++i) {
    if (At(line, i) != U'"') continue;
    ++count;
    if (At(line, i - 1) != U' ' || At(line, i + 1) != U' ') continue;
    // Beyond the space on the side the quote would join there must be a word.
    if (count % 2 == 1 && !text::IsLetter(At(line, i + 2))) ++count;
    if (count % 2 == 0 && !text::IsLetter(At(line, i - 2))) ++count;
    if (count % 2 == 1) {
      DeleteAt(line, i + 1);  // an opening quote: no space after it
    } else {
      DeleteAt(line, i - 1);  // a closing quote: no space before it
    }
  }
  s = line.Release();
}

}  // namespace skorlin::format
