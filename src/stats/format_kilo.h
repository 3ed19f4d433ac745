// SPDX-License-Identifier: GPL-3.0-or-later
// A character count in thousands, as the statistics panel shows it.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace skorlin::stats {

// n / 1000 to one decimal: n / 100 rounded to the nearest integer (an exact half to the
// even neighbour), then divided by 10; no trailing zero. 1234 and 1250 give "1,2", 1350
// gives "1,4", 2000 gives "2" (with "," as the separator).
text::Text FormatKilo(std::int32_t n, text::TextView decimalSeparator);

}  // namespace skorlin::stats
