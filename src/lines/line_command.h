// SPDX-License-Identifier: GPL-3.0-or-later
// The progress captions the line commands show while they run. Every line command takes
// a view's whole text as UTF-8 and gives a text::CommandResult.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/command_result.h"

namespace skorlin::lines {

using text::CommandResult;
using text::Progress;

// The view a command works on, where the command behaves differently per view.
enum class View { kInput, kFormatted, kHtml };

// numerator / denominator taken to the nearest whole number, an exact half going to the
// even neighbour (5/2 gives 2, 7/2 gives 4). A denominator of 0 gives 0.
std::int64_t NearestQuotient(std::uint64_t numerator, std::uint64_t denominator);
// nearest(part × 100 / whole), the percentage the progress captions show.
std::int64_t Percent(std::uint64_t part, std::uint64_t whole);

// label, percentage, "% ", counter: "Пробелы: 40% 17".
std::string ProgressCaption(std::string_view label, std::int64_t percent, long counter);

// Hands progress captions to the callback, sparingly: a caption whose percentage equals
// that of the previous one is left out (each caption repaints the title bar), so a run
// shows about a hundred of them however long the text is.
class ProgressReporter {
 public:
  explicit ProgressReporter(const Progress& progress) : progress_(progress) {}

  bool Active() const { return static_cast<bool>(progress_); }
  // Shows a caption unconditionally.
  void Show(const std::string& caption);
  // Whether a caption with this percentage is due: true unless it is the percentage of the
  // caption shown last (or there is no callback); a true answer records it as shown.
  bool Due(std::int64_t percent);
  // Shows label p "% " counter when Due(p).
  void Offer(std::string_view label, std::int64_t percent, long counter);

 private:
  const Progress& progress_;
  std::int64_t lastPercent_ = -1;
};

}  // namespace skorlin::lines
