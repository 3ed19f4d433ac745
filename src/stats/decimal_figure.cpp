// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal figures built from exact integers, so that no binary rounding artefact shows.
#include "stats/decimal_figure.h"

namespace skorlin::stats {

text::Text FormatDecimalFigure(std::string_view digits, int decimals, bool negative,
                               text::TextView decimalSeparator) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos) return U"0";
  digits.remove_prefix(first);

  const std::size_t fractionSize = decimals > 0 ? static_cast<std::size_t>(decimals) : 0;
  std::string_view whole;
  std::string fraction;
  if (digits.size() > fractionSize) {
    whole = digits.substr(0, digits.size() - fractionSize);
    fraction = std::string(digits.substr(digits.size() - fractionSize));
  } else {
    fraction = std::string(fractionSize - digits.size(), '0') + std::string(digits);
  }
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();

  text::Text out;
  if (negative) out += U'-';
  if (whole.empty()) {
    out += U'0';
  } else {
    for (const char d : whole) out += static_cast<text::Char>(d);
  }
  if (!fraction.empty()) {
    out += decimalSeparator;
    for (const char d : fraction) out += static_cast<text::Char>(d);
  }
  return out;
}

}  // namespace skorlin::stats
