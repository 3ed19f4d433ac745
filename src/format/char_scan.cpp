// SPDX-License-Identifier: GPL-3.0-or-later
// The backward character scan.
#include "format/char_scan.h"

#include <array>
#include <bit>
#include <cstdint>
#include <utility>

#include "format/scan_line.h"
#include "format/scan_rules.h"

namespace skorlin::format {
namespace {

// The rules that may act at a character, as a set of their indexes.
using RuleSet = std::uint32_t;
static_assert(kScanRules.size() <= 32);

// The sets for the characters up to the end of the Cyrillic letters; beyond them only the
// numero sign lets a rule act.
constexpr std::size_t kTableSize = 0x460;

constexpr std::array<RuleSet, kTableSize> MakeRuleTable() {
  std::array<RuleSet, kTableSize> table{};
  for (std::size_t c = 0; c < kTableSize; ++c) {
    for (std::size_t r = 0; r < kScanRules.size(); ++r) {
      if (MayAct(kScanRules[r], static_cast<text::Char>(c))) table[c] |= RuleSet{1} << r;
    }
  }
  return table;
}

constexpr auto kRuleTable = MakeRuleTable();

constexpr RuleSet MakeNumeroRules() {
  RuleSet rules = 0;
  for (std::size_t r = 0; r < kScanRules.size(); ++r) {
    if (MayAct(kScanRules[r], U'№')) rules |= RuleSet{1} << r;
  }
  return rules;
}

constexpr RuleSet kNumeroRules = MakeNumeroRules();

RuleSet RulesAt(text::Char c) {
  if (c < kTableSize) return kRuleTable[c];
  return c == U'№' ? kNumeroRules : 0;
}

// A Cyrillic letter lets only the last rule act, and only before a digit: most positions
// of a Russian text are passed over at this test.
constexpr RuleSet kCyrillicRules = RuleSet{1} << (kScanRules.size() - 1);

}  // namespace

void CharacterScanPass(text::Text& s, Pos lengthCount) {
  if (lengthCount - 1 < 2) return;
  ScanLine line(std::move(s));
  for (Pos i = lengthCount - 1; i >= 2; --i) {
    // Where i and i + 1 both lie before the gap (left of every change made so far, which is
    // most of the walk), the quiet positions are passed over reading the characters directly.
    const text::TextView front = line.Front();
    while (i >= 2 && i < static_cast<Pos>(front.size())) {
      const RuleSet rules = RulesAt(front[static_cast<std::size_t>(i - 1)]);
      if (rules != 0 && (rules != kCyrillicRules || text::IsDigit(front[static_cast<std::size_t>(i)]))) break;
      --i;
    }
    if (i < 2) break;
    text::Char c = At(line, i);
    RuleSet pending = RulesAt(c);
    if (pending == kCyrillicRules && !text::IsDigit(At(line, i + 1))) continue;
    // The rules in their order, each as long as what stands at i still lets it act (a rule
    // may have changed it).
    while (pending != 0) {
      const int r = std::countr_zero(pending);
      kScanRules[static_cast<std::size_t>(r)].apply(line, i, lengthCount);
      c = At(line, i);
      pending = RulesAt(c) & ~((RuleSet{2} << r) - 1);
    }
  }
  s = line.Release();
}

}  // namespace skorlin::format
