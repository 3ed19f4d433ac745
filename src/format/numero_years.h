// SPDX-License-Identifier: GPL-3.0-or-later
// The passes that deal with numbers after the character scan: the numero sign at the start
// of the line, years written with "г", ranges of numbered items and ranges of years.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// A Latin "N" that starts the line before a number (or "№", or a letter, hyphen and number)
// is the numero sign; "N5" also gets its space: "№ 5".
void LeadingNumeroPass(text::Text& s);
// A year from 1000 to 2999 glued to "г" is written "1999 г.".
void YearsWithGPass(text::Text& s);
// "№ 5 - № 7" is written "№№ 5-7".
void NumeroRangesPass(text::Text& s);
// "1941 - 1945" is closed up to "1941-1945" in brackets, or before " г." or " гг.", when
// the first year is not the later one.
void YearRangesPass(text::Text& s);

// Whether t is a whole number in decimal digits, with an optional leading sign, whose value
// is at least 0; any number of digits.
bool IsNonNegativeWholeNumber(text::TextView t);

}  // namespace skorlin::format
