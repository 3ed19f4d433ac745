// The duplicate commands. The text they scan is the view's whole text T, every line
// followed by CR LF; the progress of each step is the scan position "from" (1-based, the
// start of the next line to visit) against the current length of T, both derived from
// line lengths: a line takes its length + 2 characters of T.
#include "lines/duplicates.h"

#include "lines/line_groups.h"
#include "lines/line_views.h"

namespace skorlin::lines {

using text::TextView;

namespace {

// Shows a progress caption whenever the whole-number percentage grows.
class GrowingProgress {
 public:
  GrowingProgress(const Progress& progress, std::string_view label) : reporter_(progress), label_(label) {
    reporter_.Show(std::string(label_) + "0%");
    reporter_.Show(std::string(label_) + "0%0");
  }
  bool Active() const { return reporter_.Active(); }
  void Step(std::size_t from, std::size_t length, long counter) {
    const std::int64_t percent = length == 0 ? 100 : Percent(from, length);
    if (percent > shown_) {
      shown_ = percent;
      reporter_.Offer(label_, percent, counter);
    }
  }

 private:
  ProgressReporter reporter_;
  std::string_view label_;
  std::int64_t shown_ = 0;
};

std::size_t TextLength(const LineViews& lines) {
  std::size_t length = 0;
  for (const TextView line : lines) length += line.size() + 2;
  return length;
}

std::string FinalCaption(std::string_view label, long counter) {
  return ProgressCaption(label, 100, counter) + "...";
}

}  // namespace

LineCommandResult DeleteDuplicateLines(TextView text, const Progress& progress) {
  static constexpr std::string_view kLabel = "Дубли: ";
  GrowingProgress steps(progress, kLabel);
  const LineViews lines = SplitLineViews(text);
  const LineGroups groups = GroupEqualLines(lines);
  std::size_t length = TextLength(lines);
  std::size_t from = 1;
  long counter = 0;
  LineViews kept;
  kept.reserve(groups.first.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!groups.IsFirst(i)) continue;  // removed when its first occurrence was visited
    const std::size_t copies = groups.CountOf(i) - 1;
    counter += static_cast<long>(copies);
    length -= copies * (lines[i].size() + 2);
    from += lines[i].size() + 2;
    kept.push_back(lines[i]);
    steps.Step(from, length, counter);
  }
  return {JoinLineViews(kept), counter, FinalCaption(kLabel, counter)};
}

LineCommandResult DeleteAllDuplicateLines(TextView text, const Progress& progress) {
  static constexpr std::string_view kLabel = "Все дубли: ";
  GrowingProgress steps(progress, kLabel);
  const LineViews lines = SplitLineViews(text);
  const LineGroups groups = GroupEqualLines(lines);
  // The scan puts a line break in front of T, so that the first line can be found as
  // a copy too, and starts at the first line, position 3.
  std::size_t length = TextLength(lines) + 2;
  std::size_t from = 3;
  long counter = 0;
  LineViews kept;
  kept.reserve(groups.first.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!groups.IsFirst(i)) continue;
    const std::size_t occurrences = groups.CountOf(i);
    if (occurrences == 1) {
      from += lines[i].size() + 2;
      kept.push_back(lines[i]);
    } else {
      length -= occurrences * (lines[i].size() + 2);
      counter += static_cast<long>(occurrences - 1);
    }
    steps.Step(from, length, counter);
  }
  return {JoinLineViews(kept), counter, FinalCaption(kLabel, counter)};
}

LineCommandResult DeleteUniqueLines(TextView text, View view, const Progress& progress) {
  static constexpr std::string_view kLabel = "Уник: ";
  GrowingProgress steps(progress, kLabel);
  LineViews lines = SplitLineViews(text);
  // On the HTML view the scanned text ends with one more line break: an empty last line.
  if (view == View::kHtml) lines.emplace_back();
  const LineGroups groups = GroupEqualLines(lines);
  std::size_t length = TextLength(lines);
  std::size_t from = 1;
  long counter = 0;
  LineViews kept;
  kept.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // An empty line always finds a "copy" in the two line breaks that end the framed
    // text, so it is never taken for unique.
    if (groups.CountOf(i) == 1 && !lines[i].empty()) {
      length -= lines[i].size() + 2;
      ++counter;
    } else {
      from += lines[i].size() + 2;
      kept.push_back(lines[i]);
    }
    steps.Step(from, length, counter);
  }
  return {JoinLineViews(kept), counter, FinalCaption(kLabel, counter)};
}

}  // namespace skorlin::lines
