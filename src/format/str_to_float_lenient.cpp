// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a decimal number in which both "." and "," serve as the decimal point.
#include "format/str_to_float_lenient.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "text/toolkit.h"

namespace skorlin::format {
namespace {

bool IsAsciiDigit(text::Char c) { return c >= U'0' && c <= U'9'; }

// The parts of a number as written: sign, integer digits, fraction digits, exponent.
struct NumberParts {
  bool negative = false;
  std::string integerDigits;
  std::string fractionDigits;
  long long exponent = 0;
};

// An exponent far beyond any double (and beyond any length of digits) is held at this size.
constexpr long long kExponentLimit = 1000000000000000;

bool ParseNumber(text::TextView s, NumberParts& parts) {
  std::size_t i = 0;
  const auto skipSpaces = [&] {
    while (i < s.size() && s[i] == U' ') ++i;
  };
  const auto readDigits = [&](std::string& into) {
    while (i < s.size() && IsAsciiDigit(s[i])) into.push_back(static_cast<char>(s[i++]));
  };
  skipSpaces();
  if (i < s.size() && (s[i] == U'+' || s[i] == U'-')) parts.negative = s[i++] == U'-';
  readDigits(parts.integerDigits);
  bool point = false;
  if (i < s.size() && (s[i] == U'.' || s[i] == U',')) {
    point = true;
    ++i;
    readDigits(parts.fractionDigits);
  }
  if (parts.integerDigits.empty() && parts.fractionDigits.empty() && !point) return false;
  if (i < s.size() && (s[i] == U'E' || s[i] == U'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == U'+' || s[i] == U'-')) negativeExponent = s[i++] == U'-';
    if (i >= s.size() || !IsAsciiDigit(s[i])) return false;
    long long exponent = 0;
    for (; i < s.size() && IsAsciiDigit(s[i]); ++i) {
      if (exponent < kExponentLimit) exponent = exponent * 10 + static_cast<long long>(s[i] - U'0');
    }
    parts.exponent = negativeExponent ? -exponent : exponent;
  }
  skipSpaces();
  return i == s.size();
}

// The power of ten of the first significant digit, or nothing when every digit is zero.
bool LeadingPowerOfTen(const NumberParts& parts, long long& power) {
  const std::size_t intNonZero = parts.integerDigits.find_first_not_of('0');
  if (intNonZero != std::string::npos) {
    power = static_cast<long long>(parts.integerDigits.size() - intNonZero - 1) + parts.exponent;
    return true;
  }
  const std::size_t fracNonZero = parts.fractionDigits.find_first_not_of('0');
  if (fracNonZero == std::string::npos) return false;
  power = -static_cast<long long>(fracNonZero + 1) + parts.exponent;
  return true;
}

}  // namespace

double StrToFloatLenient(text::TextView s) {
  text::Text trimmed(s);
  text::TrimBlanks(trimmed);
  NumberParts parts;
  if (!ParseNumber(trimmed, parts)) return 0.0;
  long long power = 0;
  if (!LeadingPowerOfTen(parts, power)) return 0.0;

  std::string written = parts.negative ? "-" : "";
  written += parts.integerDigits.empty() ? "0" : parts.integerDigits;
  written += '.';
  written += parts.fractionDigits.empty() ? "0" : parts.fractionDigits;
  written += 'e';
  written += std::to_string(parts.exponent);

  double value = 0.0;
  const auto [end, error] = std::from_chars(written.data(), written.data() + written.size(), value);
  if (error == std::errc::result_out_of_range) {
    const double magnitude = power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return parts.negative ? -magnitude : magnitude;
  }
  if (error != std::errc() || end != written.data() + written.size()) return 0.0;
  return value;
}

}  // namespace skorlin::format
