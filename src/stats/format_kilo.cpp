// SPDX-License-Identifier: GPL-3.0-or-later
// FormatKilo in integer arithmetic: n / 100 is a half exactly when n ends in 50.
#include "stats/format_kilo.h"

#include <string>

#include "stats/decimal_figure.h"

namespace skorlin::stats {

text::Text FormatKilo(std::int32_t n, text::TextView decimalSeparator) {
  const bool negative = n < 0;
  const std::int64_t magnitude = negative ? -static_cast<std::int64_t>(n) : n;
  std::int64_t tenths = magnitude / 100;
  const std::int64_t rest = magnitude % 100;
  if (rest > 50 || (rest == 50 && tenths % 2 != 0)) ++tenths;
  return FormatDecimalFigure(std::to_string(tenths), 1, negative, decimalSeparator);
}

}  // namespace skorlin::stats
