// SPDX-License-Identifier: GPL-3.0-or-later
// The backward character scan.
#include "format/char_scan.h"

#include <array>
#include <utility>

#include "format/scan_line.h"
#include "format/scan_rules.h"

namespace skorlin::format {
namespace {

// What a character at i tells about the rules: none can act, some may, or some may when a
// digit follows (a Cyrillic letter, for the last rule).
enum class Quiet : unsigned char { kYes, kNo, kIfDigitFollows };

// Every rule needs one of these characters at i; the numero sign lies beyond the table.
constexpr std::array<Quiet, 0x460> MakeQuietTable() {
  std::array<Quiet, 0x460> table{};
  for (const char32_t c : U")(,N/.;:-0123456789") table[c] = Quiet::kNo;
  for (char32_t c = 0x400; c < 0x460; ++c) table[c] = Quiet::kIfDigitFollows;
  return table;
}

constexpr auto kQuietTable = MakeQuietTable();

// Whether any rule could act at i. Most positions of a text fail this at once.
bool ScanMayActAt(const ScanLine& s, Pos i) {
  const text::Char c = At(s, i);
  if (c >= kQuietTable.size()) return c == U'№';
  switch (kQuietTable[c]) {
    case Quiet::kYes:
      return false;
    case Quiet::kNo:
      return true;
    case Quiet::kIfDigitFollows: {
      const text::Char next = At(s, i + 1);
      return next >= U'0' && next <= U'9';
    }
  }
  return true;
}

}  // namespace

void CharacterScanPass(text::Text& s, Pos lengthCount) {
  if (lengthCount - 1 < 2) return;
  ScanLine line(std::move(s));
  for (Pos i = lengthCount - 1; i >= 2; --i) {
    if (!ScanMayActAt(line, i)) continue;
    text::Char c = At(line, i);
    for (const ScanRule& rule : kScanRules) {
      if (!MayAct(rule, c)) continue;
      rule.apply(line, i, lengthCount);
      c = At(line, i);  // the rule may have changed what stands at i
    }
  }
  s = line.Release();
}

}  // namespace skorlin::format
