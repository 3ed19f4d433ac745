// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the HTML line converter, in the order ConvertLineToHtml runs them.
// Each works on the line as the previous steps have left it. The typographic steps take
// what they write (an entity, or the character itself when the text is typeset in real
// characters): the same rules serve both.
#pragma once

#include <span>

#include "html/replacements.h"
#include "text/text.h"

namespace skorlin::html {

// The dash entity of a dash style: 1 "&ndash;", 2 "&mdash;", anything else none (empty).
text::TextView DashEntity(int dashStyle);

// No space stays next to a tab: every run of spaces right before or right after a tab goes.
void RemoveSpacesBesideTabs(text::Text& s);
// Every tab becomes one space (when the tabs do not mark table cells).
void TabsToSpaces(text::Text& s);
// No space at either side of a line break, and at most one empty line in a row.
extern const std::span<const Replacement> kLineBreakRows;
// Every ampersand becomes "&amp;", except one already written so and one in the first or
// the last place of the text.
void EscapeAmpersands(text::Text& s);
// Quotes, angle brackets, guillemets and ellipses as named entities.
extern const std::span<const Replacement> kEntityRows;
// A spaced hyphen becomes a spaced dash, an en dash enDash and an em dash emDash (a row
// whose character stays the same is skipped). The converter calls it with the dash entity
// for all three, never with none.
void WriteDashes(text::Text& s, text::TextView dash, text::TextView enDash, text::TextView emDash);
// A non-breaking space after the numero sign and inside "ЦК КПСС".
extern const std::span<const Replacement> kNumeroRows;
// The party abbreviation " ВКП(б)" kept on one line by a no-break element.
extern const std::span<const Replacement> kNobrRows;
// A Latin x or Cyrillic х between numbers ('2 x 3', '12x34') becomes sign ("&times;").
void WriteMultiplicationSigns(text::Text& s, text::TextView sign);
// Whether the run of digits and dashes s[begin, end) with its hyphen at dashAt (0-based) is
// a range of numbers.
using RangeTest = bool (*)(text::TextView s, std::size_t begin, std::size_t dashAt, std::size_t end);
// A hyphen that is the only dash of a run of digits and dashes longer than three
// characters ('1941-1945') becomes dash ("&ndash;"); '1-2' and '123-45-67' stay. When given,
// isRange has the last word on each run.
void WriteNumberRanges(text::Text& s, text::TextView dash, RangeTest isRange = nullptr);
// "г." for a year or a city: a non-breaking space (nbsp, "&nbsp;") between a number and
// "г." or "гг." ('1945&nbsp;г.'), and between " г." and the capitalised name after it
// ('г.&nbsp;Москва').
void JoinYearsAndCities(text::Text& s, text::TextView nbsp);
// Initials kept with the surname: 'А.С.&nbsp;Пушкин', or 'Пушкин&nbsp;А.С. писал'.
void JoinInitials(text::Text& s, text::TextView nbsp);
// A non-breaking space after a short preposition or "не" that stands between two spaces.
void JoinShortWords(text::Text& s, text::TextView nbsp);
// The last entities: a guillemet with "О", spaced dashes, and the legal signs.
extern const std::span<const Replacement> kClosingRows;

}  // namespace skorlin::html
