// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that typeset one line once its quotes are paired, in the order they run. Each
// works on the line as the rules before it left it, with the line's protected tokens
// standing as single characters that no rule knows. A rule may meet its own output, and
// the output of the others, and leaves it as it is: typesetting a typeset text changes
// nothing.
#pragma once

#include <array>

#include "text/text.h"

namespace skorlin::typeset {

// "(c)" before a year, or after "Copyright", becomes "©"; "(c)" in a list stays.
void WriteCopyrightSign(text::Text& s);
// Three periods become "…".
void WriteEllipsis(text::Text& s);
// A line of dialogue begins with "— ": a hyphen, "--", an en dash or an em dash before the
// first space, and speech after it.
void WriteDialogueDash(text::Text& s);
// A hyphen between spaces becomes a dash, and so does one that ends the line after a
// space; en and em dashes stay as typed.
void WriteSpacedDashes(text::Text& s);
// "№ 5": a no-break space after the numero sign; "ЦК КПСС" kept together.
void JoinNumeroSign(text::Text& s);
// "§ 3" and "§3": a no-break space after the section sign.
void JoinSectionSign(text::Text& s);
// "1941-1945", "10-15": a range of numbers takes an en dash without spaces.
void WriteNumberRanges(text::Text& s);
// "1945 г.", "г. Москва": a no-break space after the number, before the city.
void JoinYearsAndCities(text::Text& s);
// Initials kept together and with the surname: "А.С. Пушкин", "А. Пушкин", "Пушкин А.С.".
void JoinInitials(text::Text& s);
// A no-break space after a short preposition, conjunction or particle: "в доме", "и не".
void JoinShortWords(text::Text& s);
// A no-break space before a particle: "что же", "если бы", "пойдёт ли".
void JoinParticles(text::Text& s);
// "т. д.", "т. п.", "т. е.", "т. к." written with a no-break space, and one after "см.",
// "рис.", "стр." and the like.
void JoinAbbreviations(text::Text& s);
// A number kept with its unit or counting word: "5 кг", "100 руб.", "3 тыс.", "XIX в.".
void JoinNumbersAndUnits(text::Text& s);
// A no-break space before a spaced dash, and after "«О".
void JoinDashes(text::Text& s);
// Speech after a colon, "сказал: — Иди", takes a plain space before its dash.
void SpaceDashAfterColon(text::Text& s);

// The signs a rule needs in a line before it can change anything: a rule whose signs a
// line lacks (counting those the rules before it may bring in) is passed over.
enum Sign : unsigned {
  kAnyLine = 0,
  kBracket = 1u << 0,  // "("
  kPeriod = 1u << 1,   // "."
  kHyphen = 1u << 2,   // "-"
  kDash = 1u << 3,     // "—", "–", or "«" (before "О")
  kNumero = 1u << 4,   // "№", or "Ц" of "ЦК КПСС"
  kSection = 1u << 5,  // "§"
  kNumber = 1u << 6,   // a digit, or a roman one
  kSmallG = 1u << 7,   // "г"
  kColon = 1u << 8,    // ":"
};

// The signs a line holds.
unsigned SignsOf(text::TextView s);

struct LineRule {
  const char* name;
  void (*apply)(text::Text& s);
  bool everyLanguage;  // serves prose in other languages too (dashes, ellipsis)
  unsigned needs;      // any of these signs (kAnyLine: none needed)
};

inline constexpr std::array<LineRule, 15> kLineRules{{
    {"copyright sign", &WriteCopyrightSign, false, kBracket},
    {"ellipsis", &WriteEllipsis, true, kPeriod},
    {"dialogue dash", &WriteDialogueDash, true, kHyphen | kDash},
    {"spaced dashes", &WriteSpacedDashes, true, kHyphen},
    {"numero sign", &JoinNumeroSign, false, kNumero},
    {"section sign", &JoinSectionSign, false, kSection},
    {"number ranges", &WriteNumberRanges, false, kHyphen},
    {"years and cities", &JoinYearsAndCities, false, kSmallG},
    {"initials", &JoinInitials, false, kPeriod},
    {"short words", &JoinShortWords, false, kAnyLine},
    {"particles", &JoinParticles, false, kAnyLine},
    {"abbreviations", &JoinAbbreviations, false, kPeriod},
    {"numbers and units", &JoinNumbersAndUnits, false, kNumber},
    {"dashes", &JoinDashes, true, kHyphen | kDash},
    {"dash after a colon", &SpaceDashAfterColon, true, kColon},
}};

}  // namespace skorlin::typeset
