// SPDX-License-Identifier: GPL-3.0-or-later
// Percentages and progress captions of the line commands.
#include "lines/line_command.h"

namespace skorlin::lines {

std::int64_t NearestQuotient(std::uint64_t numerator, std::uint64_t denominator) {
  if (denominator == 0) return 0;
  std::uint64_t quotient = numerator / denominator;
  const std::uint64_t remainder = numerator % denominator;
  const std::uint64_t rest = denominator - remainder;  // remainder vs. the other half
  if (remainder > rest || (remainder == rest && (quotient & 1U) != 0)) ++quotient;
  return static_cast<std::int64_t>(quotient);
}

std::int64_t Percent(std::uint64_t part, std::uint64_t whole) { return NearestQuotient(part * 100, whole); }

std::string ProgressCaption(std::string_view label, std::int64_t percent, long counter) {
  std::string caption(label);
  caption += std::to_string(percent);
  caption += "% ";
  caption += std::to_string(counter);
  return caption;
}

void ProgressReporter::Show(const std::string& caption) {
  if (progress_) progress_(caption);
}

bool ProgressReporter::Due(std::int64_t percent) {
  if (!progress_ || percent == lastPercent_) return false;
  lastPercent_ = percent;
  return true;
}

void ProgressReporter::Offer(std::string_view label, std::int64_t percent, long counter) {
  if (Due(percent)) progress_(ProgressCaption(label, percent, counter));
}

}  // namespace skorlin::lines
