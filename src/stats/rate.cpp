// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the rate text as an exact decimal, so that "0,7" means seven tenths and not the
// binary double nearest to it.
#include "stats/rate.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace skorlin::stats {
namespace {

// Exponents beyond this are far outside any double; saturating there keeps the
// arithmetic on them exact without overflow.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

bool IsDigitChar(text::Char c) { return c >= U'0' && c <= U'9'; }

// The largest power of ten a double reaches: 1.79…e308.
constexpr std::int64_t kDoubleMaxPower = 308;

class RateReader {
 public:
  RateReader(text::TextView s, text::TextView separator) : s_(s), separator_(separator) {}

  std::optional<Rate> Read() {
    SkipSpaces();
    Rate rate;
    if (At(U'+') || At(U'-')) rate.negative = s_[pos_++] == U'-';

    std::string mantissa;
    std::int64_t fractionDigits = 0;
    ReadDigits(mantissa);
    if (TakeSeparator()) fractionDigits = ReadDigits(mantissa);
    if (mantissa.empty()) return std::nullopt;

    std::int64_t exponent = 0;
    if (At(U'e') || At(U'E')) {
      ++pos_;
      bool negativeExponent = false;
      if (At(U'+') || At(U'-')) negativeExponent = s_[pos_++] == U'-';
      std::string exponentDigits;
      if (ReadDigits(exponentDigits) == 0) return std::nullopt;
      for (const char d : exponentDigits) {
        exponent = std::min(exponent * 10 + (d - '0'), kExponentLimit);
      }
      if (negativeExponent) exponent = -exponent;
    }
    SkipSpaces();
    if (pos_ != s_.size()) return std::nullopt;

    const std::size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos) return Rate{rate.negative, "", 0};
    const std::size_t last = mantissa.find_last_not_of('0');
    rate.digits = mantissa.substr(first, last - first + 1);
    rate.exponent = exponent - fractionDigits + static_cast<std::int64_t>(mantissa.size() - 1 - last);
    if (!FitsDouble(rate)) return std::nullopt;
    return rate;
  }

 private:
  bool At(text::Char c) const { return pos_ < s_.size() && s_[pos_] == c; }

  void SkipSpaces() {
    while (At(U' ')) ++pos_;
  }

  // Appends the digits at the position to out; returns how many there were.
  std::int64_t ReadDigits(std::string& out) {
    std::int64_t count = 0;
    while (pos_ < s_.size() && IsDigitChar(s_[pos_])) {
      out += static_cast<char>('0' + (s_[pos_++] - U'0'));
      ++count;
    }
    return count;
  }

  bool TakeSeparator() {
    if (At(U',') || At(U'.')) {
      ++pos_;
      return true;
    }
    if (!separator_.empty() && s_.substr(pos_, separator_.size()) == separator_) {
      pos_ += separator_.size();
      return true;
    }
    return false;
  }

  // Whether the magnitude of a nonzero rate lies within the range of a double.
  static bool FitsDouble(const Rate& rate) {
    const std::int64_t power = rate.exponent + static_cast<std::int64_t>(rate.digits.size()) - 1;
    if (power < kDoubleMaxPower) return true;
    if (power > kDoubleMaxPower) return false;
    // Right at the top of the range: let the conversion to double decide.
    const std::string literal = rate.digits + "e" + std::to_string(rate.exponent);
    double value = 0;
    const auto result = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    return result.ec == std::errc();
  }

  text::TextView s_;
  text::TextView separator_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<Rate> ReadRate(text::TextView rateText, text::TextView decimalSeparator) {
  return RateReader(rateText, decimalSeparator).Read();
}

Rate ParseRate(text::TextView rateText, text::TextView decimalSeparator) {
  return ReadRate(rateText, decimalSeparator).value_or(Rate{});
}

}  // namespace skorlin::stats
