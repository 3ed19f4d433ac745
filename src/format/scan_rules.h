// The local rules of the backward character scan, in the order they run at each position.
// Each rule looks at the line around position i as the earlier rules left it and inserts,
// deletes or changes at most a few characters at i - 1 or further right.
#pragma once

#include <array>

#include "format/line_access.h"
#include "text/text.h"

namespace skorlin::format {

// lengthCount is the line's length as it was before the scan began (the rules change the
// line, not this figure); one rule uses it.
using ScanRuleFn = void (*)(text::Text& s, Pos i, Pos lengthCount);

struct ScanRule {
  const char* name;
  ScanRuleFn apply;
};

void SpaceAfterClosingBracket(text::Text& s, Pos i, Pos lengthCount);
void SpaceBeforeOpeningBracket(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterCommaBetweenLetterAndDigit(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterCommaOutsideNumber(text::Text& s, Pos i, Pos lengthCount);
void LatinNAsNumeroSign(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterNumeroSign(text::Text& s, Pos i, Pos lengthCount);
void SpaceBeforeNumeroSign(text::Text& s, Pos i, Pos lengthCount);
void SpacesInNumeroList(text::Text& s, Pos i, Pos lengthCount);
void SlashAsBracket(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterPeriodBeforeCapital(text::Text& s, Pos i, Pos lengthCount);
void NoSpaceBeforePeriod(text::Text& s, Pos i, Pos lengthCount);
void InitialsWrittenTogether(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterPeriod(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterSemicolon(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterColon(text::Text& s, Pos i, Pos lengthCount);
void SpacesAroundHyphen(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterNumberGluedToWord(text::Text& s, Pos i, Pos lengthCount);
void SpaceAfterWordGluedToNumber(text::Text& s, Pos i, Pos lengthCount);

inline constexpr std::array<ScanRule, 18> kScanRules = {{
    {"space after closing bracket", &SpaceAfterClosingBracket},
    {"space before opening bracket", &SpaceBeforeOpeningBracket},
    {"space after comma between letter and digit", &SpaceAfterCommaBetweenLetterAndDigit},
    {"space after comma outside a number", &SpaceAfterCommaOutsideNumber},
    {"Latin N as numero sign", &LatinNAsNumeroSign},
    {"space after numero sign", &SpaceAfterNumeroSign},
    {"space before numero sign", &SpaceBeforeNumeroSign},
    {"spaces in a list after numero sign", &SpacesInNumeroList},
    {"slash as bracket", &SlashAsBracket},
    {"space after period before capital", &SpaceAfterPeriodBeforeCapital},
    {"no space before period", &NoSpaceBeforePeriod},
    {"initials written together", &InitialsWrittenTogether},
    {"space after period", &SpaceAfterPeriod},
    {"space after semicolon", &SpaceAfterSemicolon},
    {"space after colon", &SpaceAfterColon},
    {"spaces around hyphen", &SpacesAroundHyphen},
    {"space after number glued to word", &SpaceAfterNumberGluedToWord},
    {"space after word glued to number", &SpaceAfterWordGluedToNumber},
}};

// Whether any rule could act at i: every rule needs one of these characters at i.
bool ScanMayActAt(const text::Text& s, Pos i);

}  // namespace skorlin::format
