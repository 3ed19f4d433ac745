// SPDX-License-Identifier: GPL-3.0-or-later
// The closing table of fixed replacements.
#include "format/closing_replacements.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "format/collapse_spaces.h"
#include "format/search.h"
#include "text/text.h"

namespace skorlin::format {
namespace {

// A line holds few of the texts the rows look for. One look at each character finds every
// row that occurs in the line, so the others are never searched for; the look is taken again
// only after a row has changed the line.
using RowSet = std::uint32_t;
static_assert(kClosingReplacements.size() <= 32);

// The rows whose text begins with each character, and those whose text has each character
// second (a one-character text has any character second), for the characters up to the end
// of the Cyrillic letters; above, only the numero sign begins a row or stands second in one.
// A row can begin at k only if it is in both sets of s[k] and s[k + 1], which rules out
// almost every position, the spaces between words among them, at once.
constexpr std::size_t kCharTableSize = 0x460;

struct RowTables {
  std::array<RowSet, kCharTableSize> first{};
  std::array<RowSet, kCharTableSize> second{};
  RowSet numeroFirst = 0;
  RowSet numeroSecond = 0;
  RowSet anySecond = 0;  // the rows of one character
};

constexpr RowTables MakeRowTables() {
  RowTables tables;
  for (std::size_t r = 0; r < kClosingReplacements.size(); ++r) {
    const RowSet row = RowSet{1} << r;
    const text::TextView find = kClosingReplacements[r].find;
    if (find[0] < kCharTableSize) tables.first[find[0]] |= row;
    if (find[0] == U'№') tables.numeroFirst |= row;
    if (find.size() < 2) {
      tables.anySecond |= row;
    } else if (find[1] < kCharTableSize) {
      tables.second[find[1]] |= row;
    } else if (find[1] == U'№') {
      tables.numeroSecond |= row;
    }
  }
  return tables;
}

constexpr RowTables kRowTables = MakeRowTables();
static_assert(kRowTables.anySecond == 0, "every row's text has two characters or more");

RowSet RowsWithSecond(text::Char c) {
  if (c < kCharTableSize) return kRowTables.second[c];
  return c == U'№' ? kRowTables.numeroSecond : 0;
}

// The rows that occur in s beginning at first to last (0-based, as far as s reaches).
RowSet RowsBeginningIn(text::TextView s, std::size_t first, std::size_t last) {
  RowSet present = 0;
  const text::Char* const data = s.data();
  const std::size_t end = std::min(last + 1, s.size() > 0 ? s.size() - 1 : 0);
  for (std::size_t k = first; k < end; ++k) {
    const text::Char c = data[k];
    // Most characters begin no row: one test of a table passes them over.
    RowSet candidates = c < kCharTableSize ? kRowTables.first[c] : (c == U'№' ? kRowTables.numeroFirst : 0);
    if (candidates == 0) continue;
    candidates &= RowsWithSecond(data[k + 1]) & ~present;
    while (candidates != 0) {
      const int r = std::countr_zero(candidates);
      candidates &= candidates - 1;
      if (s.substr(k).starts_with(kClosingReplacements[static_cast<std::size_t>(r)].find)) {
        present |= RowSet{1} << r;
      }
    }
  }
  return present;
}

RowSet RowsIn(text::TextView s) { return s.empty() ? 0 : RowsBeginningIn(s, 0, s.size() - 1); }

constexpr std::size_t LongestFind() {
  std::size_t longest = 0;
  for (const ReplacementRow& row : kClosingReplacements) longest = std::max(longest, row.find.size());
  return longest;
}

constexpr std::size_t kLongestFind = LongestFind();

}  // namespace

// Four hyphens or more, unless they stand between two words, draw a line (a separator, the
// border of a table), not a dash.
constexpr std::size_t kRuleOfHyphens = 4;

void CollapseHyphenRunsOutsideCode(text::Text& s) {
  // Code and lines drawn with signs: "--prefix", "i--", "+--+", "|--", "-->", "--\".
  const auto isCode = [](text::Char c) {
    return text::IsLatin(c) || text::IsDigit(c) || text::TextView(U"\\/|+<>").find(c) != text::TextView::npos;
  };
  std::size_t write = 0;
  std::size_t read = 0;
  while (read < s.size()) {
    if (s[read] != U'-') {
      s[write++] = s[read++];
      continue;
    }
    std::size_t end = read;
    while (end < s.size() && s[end] == U'-') ++end;
    const bool betweenLetters =
        read > 0 && end < s.size() && text::IsLetter(s[read - 1]) && text::IsLetter(s[end]);
    // Three hyphens and a space that begin the line draw a tree of folders ("--- Задачи").
    const bool treeDrawn = read == 0 && end - read >= 3 && end < s.size() && s[end] == U' ';
    const bool code = (read > 0 && isCode(s[read - 1])) || (end < s.size() && isCode(s[end])) ||
                      (end - read >= kRuleOfHyphens && !betweenLetters) || treeDrawn;
    const std::size_t kept = code ? end - read : 1;
    for (std::size_t k = 0; k < kept; ++k) s[write++] = U'-';
    read = end;
  }
  s.resize(write);
}

bool ApplyReplacementRow(text::Text& s, const ReplacementRow& row) {
  if (FindText(row.find, s, 1) == 0) return false;
  switch (row.mode) {
    case ReplaceMode::kAll:
      ReplaceAllInPlace(s, row.find, row.repl);
      break;
    case ReplaceMode::kRepeat:
      s = ReplaceUntilGone(s, row.find, row.repl);
      break;
    case ReplaceMode::kRunsOutsideCode:
      CollapseHyphenRunsOutsideCode(s);
      break;
  }
  return true;
}

void ClosingReplacementsPass(text::Text& s) {
  // The set may claim a row a change has taken away (its search then finds nothing), never
  // miss one: after a row replaced every occurrence of its text, a new occurrence of a later
  // row can only begin near a place where it wrote.
  RowSet present = RowsIn(s);
  for (std::size_t r = 0; r < kClosingReplacements.size() && present != 0; ++r) {
    const RowSet row = RowSet{1} << r;
    if ((present & row) == 0) continue;
    const ReplacementRow& replacement = kClosingReplacements[r];
    if (replacement.mode != ReplaceMode::kAll) {
      ApplyReplacementRow(s, replacement);
      present = RowsIn(s);
    } else {
      // Many places are looked at again more cheaply as the whole line, once.
      constexpr std::size_t kPlacesLookedAtOneByOne = 8;
      std::size_t places = 0;
      const auto added = [&](std::size_t at) {
        if (++places > kPlacesLookedAtOneByOne) return;
        const std::size_t first = at >= kLongestFind ? at - kLongestFind : 0;
        present |= RowsBeginningIn(s, first, at + replacement.repl.size());
      };
      ReplaceAllInPlace(s, replacement.find, replacement.repl, added);
      if (places > kPlacesLookedAtOneByOne) present |= RowsIn(s);
    }
    present &= ~((row << 1) - 1);  // only the rows still to come matter
  }
}

}  // namespace skorlin::format
