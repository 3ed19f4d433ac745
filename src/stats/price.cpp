// SPDX-License-Identifier: GPL-3.0-or-later
// Prices in exact decimal arithmetic on digit strings: the rate may carry any number of
// digits, and no binary rounding may move a price by a hundredth.
#include "stats/price.h"

#include "stats/decimal_figure.h"

namespace skorlin::stats {
namespace {

constexpr std::int64_t kMaxRatePower = 308;

// digits × factor, both as decimal digits.
std::string Multiply(const std::string& digits, std::uint64_t factor) {
  std::string product(digits.size(), '0');
  std::uint64_t carry = 0;
  for (std::size_t i = digits.size(); i-- > 0;) {
    const std::uint64_t value = static_cast<std::uint64_t>(digits[i] - '0') * factor + carry;
    product[i] = static_cast<char>('0' + value % 10);
    carry = value / 10;
  }
  std::string head;
  while (carry != 0) {
    head.insert(head.begin(), static_cast<char>('0' + carry % 10));
    carry /= 10;
  }
  return head + product;
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// digits / 10^dropped rounded to the nearest integer, an exact half to the even neighbour.
std::string DivideRounded(const std::string& digits, std::int64_t dropped) {
  const auto size = static_cast<std::int64_t>(digits.size());
  if (dropped > size) return "0";  // below a tenth
  const std::size_t keep = static_cast<std::size_t>(size - dropped);
  std::string whole = keep == 0 ? "0" : digits.substr(0, keep);
  const char firstDropped = digits[keep];
  bool up = firstDropped > '5';
  if (firstDropped == '5') {
    const bool moreThanHalf = digits.find_first_not_of('0', keep + 1) != std::string::npos;
    up = moreThanHalf || (whole.back() - '0') % 2 != 0;
  }
  if (up) Increment(whole);
  return whole;
}

std::string StripLeadingZeros(const std::string& digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace

Price PriceOf(std::int32_t count, const Rate& rate) {
  if (count == 0 || rate.digits.empty()) return Price{};
  // A rate beyond the range of a double is no number (ReadRate never gives one).
  if (rate.exponent + static_cast<std::int64_t>(rate.digits.size()) - 1 > kMaxRatePower) return Price{};
  const std::uint64_t magnitude = count < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(count))
                                            : static_cast<std::uint64_t>(count);
  const std::string product = Multiply(rate.digits, magnitude);
  // count × rate / 10 = product × 10^(exponent - 1).
  const std::int64_t shift = rate.exponent - 1;
  Price price;
  if (shift >= 0) {
    price.hundredths = product + std::string(static_cast<std::size_t>(shift), '0');
  } else {
    price.hundredths = DivideRounded(product, -shift);
  }
  price.hundredths = StripLeadingZeros(price.hundredths);
  price.negative = price.hundredths != "0" && (rate.negative != (count < 0));
  return price;
}

text::Text FormatPrice(const Price& price, text::TextView decimalSeparator) {
  return FormatDecimalFigure(price.hundredths, 2, price.negative, decimalSeparator);
}

}  // namespace skorlin::stats
