// What every line command gives back, and the progress captions they show while they run.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace skorlin::lines {

// Receives each progress caption (UTF-8) while a command runs; may be empty.
using Progress = std::function<void(const std::string&)>;

// The outcome of a line command: the view's new whole text (every line followed by CR LF),
// what the command counted (lines changed, lines deleted, spaces removed; 0 when it counts
// nothing) and the caption it leaves in the title bar (UTF-8; empty for the commands that
// write none). A command takes the view's text as the view holds it (line breaks of any
// kind); the window writes result.text back and shows result.caption. With no view to work
// on (the settings tab) the window runs the command on the empty text: the counter is 0 and
// the caption is the command's final caption, and no view is written.
struct LineCommandResult {
  text::Text text;
  long counter = 0;
  std::string caption;
};

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
