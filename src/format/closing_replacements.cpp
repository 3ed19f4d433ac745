// SPDX-License-Identifier: GPL-3.0-or-later
// The closing table of fixed replacements.
#include "format/closing_replacements.h"

#include <cstdint>

#include "format/collapse_spaces.h"
#include "text/text.h"
#include "format/search.h"

namespace skorlin::format {
namespace {

// A line holds few of the sequences the rows look for: a 1024-bit mask of the pairs and
// triples of adjacent characters present (several share a bit) tells which rows cannot
// match at all, so their search is skipped. The mask may claim too much, never too little.
struct PairMask {
  std::array<std::uint64_t, 16> bits{};

  constexpr void Set(std::uint32_t h) {
    h >>= 22;
    bits[h >> 6] |= std::uint64_t{1} << (h & 63u);
  }
  constexpr bool Covers(const PairMask& needed) const {
    for (std::size_t w = 0; w < bits.size(); ++w) {
      if ((needed.bits[w] & bits[w]) != needed.bits[w]) return false;
    }
    return true;
  }
};

// Adds the pairs and triples that begin at first to last (0-based), as far as s reaches.
constexpr void AddSequences(PairMask& mask, text::TextView s, std::size_t first, std::size_t last) {
  for (std::size_t k = first + 1; k < s.size() && k <= last + 1; ++k) {
    const std::uint32_t pair = s[k - 1] * 0x9E3779B1u + s[k] * 0x85EBCA77u;
    mask.Set(pair);
    if (k + 1 < s.size()) mask.Set((pair ^ 0x5bd1e995u) + s[k + 1] * 0xC2B2AE3Du);
  }
}

constexpr PairMask PairsOf(text::TextView s) {
  PairMask mask;
  if (!s.empty()) AddSequences(mask, s, 0, s.size() - 1);
  return mask;
}

constexpr std::array<PairMask, kClosingReplacements.size()> MakeRowMasks() {
  std::array<PairMask, kClosingReplacements.size()> masks{};
  for (std::size_t r = 0; r < masks.size(); ++r) masks[r] = PairsOf(kClosingReplacements[r].find);
  return masks;
}

constexpr auto kRowMasks = MakeRowMasks();

}  // namespace

// Four hyphens or more, unless they stand between two words, draw a line (a separator, the
// border of a table), not a dash.
constexpr std::size_t kRuleOfHyphens = 4;

void CollapseHyphenRunsOutsideCode(text::Text& s) {
  const auto isCode = [](text::Char c) { return text::IsLatin(c) || text::IsDigit(c); };
  std::size_t write = 0;
  std::size_t read = 0;
  while (read < s.size()) {
    if (s[read] != U'-') {
      s[write++] = s[read++];
      continue;
    }
    std::size_t end = read;
    while (end < s.size() && s[end] == U'-') ++end;
    const bool betweenLetters = read > 0 && end < s.size() && text::IsLetter(s[read - 1]) && text::IsLetter(s[end]);
    const bool code = (read > 0 && isCode(s[read - 1])) || (end < s.size() && isCode(s[end])) ||
                      (end - read >= kRuleOfHyphens && !betweenLetters);
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
  PairMask present = PairsOf(s);
  for (std::size_t r = 0; r < kClosingReplacements.size(); ++r) {
    if (!present.Covers(kRowMasks[r])) continue;
    const ReplacementRow& row = kClosingReplacements[r];
    if (row.mode != ReplaceMode::kAll) {
      if (ApplyReplacementRow(s, row)) present = PairsOf(s);
      continue;
    }
    // The sequences the line had stay in the mask (it may claim too much); the new ones are
    // those that touch an inserted text or the place where the found text was cut out.
    const auto added = [&present, &s, &row](std::size_t at) {
      AddSequences(present, s, at >= 2 ? at - 2 : 0, at + row.repl.size());
    };
    ReplaceAllInPlace(s, row.find, row.repl, added);
  }
}

}  // namespace skorlin::format
