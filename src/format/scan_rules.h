// SPDX-License-Identifier: GPL-3.0-or-later
// The local rules of the backward character scan, in the order they run at each position.
// Each rule looks at the line around position i as the earlier rules left it and inserts,
// deletes or changes at most a few characters at i - 1 or further right.
#pragma once

#include <array>

#include "format/line_access.h"
#include "format/scan_line.h"
#include "text/text.h"

namespace skorlin::format {

// lengthCount is the line's length as it was before the scan began (the rules change the
// line, not this figure); one rule uses it.
using ScanRuleFn = void (*)(ScanLine& s, Pos i, Pos lengthCount);

// The character a rule needs at i before it can act, or one of two classes.
inline constexpr text::Char kAnyDigit = 0xFFFFFFFEu;     // 0 to 9
inline constexpr text::Char kAnyCyrillic = 0xFFFFFFFDu;  // U+0400 to U+045F, every Cyrillic letter among them

struct ScanRule {
  const char* name;
  text::Char needs;  // at i; the rule itself makes every test, this only lets the scan skip it
  ScanRuleFn apply;
};

// Whether c at i lets the rule act at all.
constexpr bool MayAct(const ScanRule& rule, text::Char c) {
  if (rule.needs == kAnyDigit) return c >= U'0' && c <= U'9';
  if (rule.needs == kAnyCyrillic) return c >= U'\u0400' && c <= U'\u045F';
  return c == rule.needs;
}

void SpaceAfterClosingBracket(ScanLine& s, Pos i, Pos lengthCount);
void SpaceBeforeOpeningBracket(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterCommaBetweenLetterAndDigit(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterCommaOutsideNumber(ScanLine& s, Pos i, Pos lengthCount);
void LatinNAsNumeroSign(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterNumeroSign(ScanLine& s, Pos i, Pos lengthCount);
void SpaceBeforeNumeroSign(ScanLine& s, Pos i, Pos lengthCount);
void SpacesInNumeroList(ScanLine& s, Pos i, Pos lengthCount);
void SlashAsBracket(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterPeriodBeforeCapital(ScanLine& s, Pos i, Pos lengthCount);
void NoSpaceBeforePeriod(ScanLine& s, Pos i, Pos lengthCount);
void InitialsWrittenTogether(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterPeriod(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterSemicolon(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterColon(ScanLine& s, Pos i, Pos lengthCount);
void SpacesAroundHyphen(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterNumberGluedToWord(ScanLine& s, Pos i, Pos lengthCount);
void SpaceAfterWordGluedToNumber(ScanLine& s, Pos i, Pos lengthCount);

inline constexpr std::array<ScanRule, 18> kScanRules = {{
    {"space after closing bracket", U')', &SpaceAfterClosingBracket},
    {"space before opening bracket", U'(', &SpaceBeforeOpeningBracket},
    {"space after comma between letter and digit", U',', &SpaceAfterCommaBetweenLetterAndDigit},
    {"space after comma outside a number", U',', &SpaceAfterCommaOutsideNumber},
    {"Latin N as numero sign", U'N', &LatinNAsNumeroSign},
    {"space after numero sign", U'№', &SpaceAfterNumeroSign},
    {"space before numero sign", U'№', &SpaceBeforeNumeroSign},
    {"spaces in a list after numero sign", U'№', &SpacesInNumeroList},
    {"slash as bracket", U'/', &SlashAsBracket},
    {"space after period before capital", U'.', &SpaceAfterPeriodBeforeCapital},
    {"no space before period", U'.', &NoSpaceBeforePeriod},
    {"initials written together", U'.', &InitialsWrittenTogether},
    {"space after period", U'.', &SpaceAfterPeriod},
    {"space after semicolon", U';', &SpaceAfterSemicolon},
    {"space after colon", U':', &SpaceAfterColon},
    {"spaces around hyphen", U'-', &SpacesAroundHyphen},
    {"space after number glued to word", kAnyDigit, &SpaceAfterNumberGluedToWord},
    {"space after word glued to number", kAnyCyrillic, &SpaceAfterWordGluedToNumber},
}};

}  // namespace skorlin::format
