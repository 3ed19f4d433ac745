// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a decimal number in which both "." and "," serve as the decimal point.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// The value of s, trimmed of blanks, as a double: an optional sign, digits with an optional
// decimal point ("." or ","), an optional exponent ("E" or "e", an optional sign, digits).
// A missing integer or fraction part counts as zero (",5" is 0.5, "5," is 5, "," is 0).
// Anything else, the empty string included, is not a number and gives 0. Values beyond the
// range of a double give an infinity, values too small for it give 0.
double StrToFloatLenient(text::TextView s);

}  // namespace skorlin::format
