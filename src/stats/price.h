// SPDX-License-Identifier: GPL-3.0-or-later
// The price of a number of characters at a rate per thousand, exact to the hundredth.
#pragma once

#include <cstdint>
#include <string>

#include "stats/rate.h"
#include "text/text.h"

namespace skorlin::stats {

// (negative ? -1 : 1) × hundredths / 100.
struct Price {
  bool negative = false;
  std::string hundredths = "0";  // decimal digits without leading zeros

  bool operator==(const Price&) const = default;
};

// count × rate / 1000, rounded to hundredths: count × rate / 10 rounded to the nearest
// integer, an exact half to the even neighbour. Computed exactly, so 650 characters at
// 0.7 cost 0.46.
Price PriceOf(std::int32_t count, const Rate& rate);

// The price for the user: whole part, separator and at most two decimals, no trailing
// zeros ("1,6", "0,46", "12"; "0" for nothing).
text::Text FormatPrice(const Price& price, text::TextView decimalSeparator);

}  // namespace skorlin::stats
