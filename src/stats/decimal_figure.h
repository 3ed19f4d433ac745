// SPDX-License-Identifier: GPL-3.0-or-later
// Writing an exact decimal figure for the user: whole part, separator, decimals.
#pragma once

#include <string_view>

#include "text/text.h"

namespace skorlin::stats {

// The number (negative ? -1 : 1) × digits / 10^decimals, written with the given decimal
// separator and without trailing zeros after it (and without the separator when nothing
// is left after it): ("160", 2) gives "1,6", ("5", 2) gives "0,05", ("300", 2) gives "3".
// digits are decimal digits (leading zeros allowed; empty means 0). Zero has no sign.
text::Text FormatDecimalFigure(std::string_view digits, int decimals, bool negative,
                               text::TextView decimalSeparator);

}  // namespace skorlin::stats
