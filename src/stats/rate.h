// SPDX-License-Identifier: GPL-3.0-or-later
// The price rate the user types: a decimal number per thousand characters, read exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "text/text.h"

namespace skorlin::stats {

// The rate field's text when the program is new (UTF-8).
inline constexpr char kDefaultRateText[] = "0,8";

// An exact decimal: (negative ? -1 : 1) × digits × 10^exponent.
struct Rate {
  bool negative = false;
  std::string digits;  // significant digits, no leading or trailing zeros; "" is zero
  std::int64_t exponent = 0;

  bool operator==(const Rate&) const = default;
};

// Reads a rate text. Both "," and "." act as the decimal separator, as does the locale's
// own decimalSeparator. The form: optional spaces, an optional sign, digits with at most
// one decimal separator (at least one digit in all), an optional exponent (e or E, an
// optional sign, digits), optional spaces. Nothing when the text has another form or its
// magnitude lies beyond the range of a double.
std::optional<Rate> ReadRate(text::TextView rateText, text::TextView decimalSeparator);

// The rate the prices use: the rate read from the text, or 0 when it is not a number.
Rate ParseRate(text::TextView rateText, text::TextView decimalSeparator);

}  // namespace skorlin::stats
