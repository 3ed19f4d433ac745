// SPDX-License-Identifier: GPL-3.0-or-later
// Step-by-step counting: repeated replacement loops and 1-based scans, slow but plain.
#include "literal_stats.h"

#include "text/toolkit.h"

namespace skorlin::stats::testing {
namespace {

using text::Char;
using text::Text;
using text::TextView;

bool InWordStartSet(Char c) { return text::IsDigit(c) || text::IsLetter(c); }
bool InWordLeadSet(Char c) { return InWordStartSet(c) || c == U'-'; }
bool InWordBodySet(Char c) { return InWordLeadSet(c) || c == U'_'; }

// How many times sub occurs, each search starting one after the previous hit.
std::int32_t CountHits(TextView sub, TextView s) {
  std::int32_t count = 0;
  for (std::size_t p = text::FindStr(sub, s, 1); p != 0; p = text::FindStr(sub, s, p + 1)) ++count;
  return count;
}

Text ReplaceWhileFound(Text s, TextView find, TextView repl) {
  while (text::FindStr(find, s, 1) != 0) s = text::ReplaceAll(s, find, repl);
  return s;
}

}  // namespace

std::int32_t LiteralCountWords(TextView text) {
  const std::size_t n = text.size();
  const auto at = [&](std::size_t i) { return text[i - 1]; };  // 1-based
  std::int32_t count = 0;
  std::size_t i = 1;
  while (i <= n) {
    while (i <= n && !InWordLeadSet(at(i))) ++i;
    if (i <= n && InWordStartSet(at(i))) {
      ++count;
      while (i <= n && InWordBodySet(at(i))) ++i;
    }
    ++i;
  }
  return count;
}

TextStats LiteralCountTextStats(TextView t) {
  TextStats s;
  s.AllLineCount = 1 + CountHits(U"\r\n", t);
  s.WordCount = LiteralCountWords(t);
  Text u = ReplaceWhileFound(Text(t), U"\r\n\r\n", U"\r\n");
  text::TrimBlanks(u);
  s.LineCount = 1 + CountHits(U"\r\n", u);
  s.LetterCount = 0;
  s.CharCount = 0;
  for (const Char c : u) {
    if (text::IsLetter(c)) ++s.LetterCount;
    if (c != U'\t' && c != U'\n' && c != U'\r' && c != U' ') ++s.CharCount;
  }
  Text v = text::ReplaceAll(u, U"\r\n", U"");
  s.SpacedAllCount = static_cast<std::int32_t>(v.size());
  v = ReplaceWhileFound(v, U"  ", U" ");
  v = ReplaceWhileFound(v, U"\r\n ", U"\r\n");
  v = ReplaceWhileFound(v, U" \r\n", U"\r\n");
  s.SpacedCount = static_cast<std::int32_t>(v.size());
  return s;
}

}  // namespace skorlin::stats::testing
