// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate commands. The text they scan is the view's whole text T, every line
// followed by CR LF; the progress of each step is the scan position "from" (1-based, the
// start of the next line to visit) against the current length of T, both in characters
// and derived from line lengths: a line takes its length + 2 characters of T. They are
// counted only when someone watches the progress.
#include "lines/duplicates.h"

#include <string>
#include <utility>

#include "lines/line_groups.h"
#include "lines/line_index.h"
#include "text/huge_pages.h"
#include "text/line_list.h"
#include "text/utf8.h"

namespace skorlin::lines {

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

// The characters a line takes of T.
std::size_t Taken(std::string_view line) { return text::CountUtf8Chars(line) + 2; }

std::size_t TextLength(std::string_view text) {
  std::size_t length = 0;
  text::ForEachLine(text, [&length](std::string_view line) { length += Taken(line); });
  return length;
}

std::string FinalCaption(std::string_view label, long counter) {
  return ProgressCaption(label, 100, counter) + "...";
}

template <typename Offset>
CommandResult DeleteDuplicates(std::string_view text, GrowingProgress& steps, std::string_view label) {
  const LineGroups<Offset> groups(text);
  const bool watched = steps.Active();
  std::size_t length = watched ? TextLength(text) : 0;
  std::size_t from = 1;
  long counter = 0;
  text::LineViews out;
  text::ReserveLarge(out, groups.LineCount() + 1);
  std::size_t number = 0;
  text::ForEachLine(text, [&](std::string_view line) {
    const auto& group = groups.OfLine(number++);
    if (!groups.IsFirst(line, group)) return;  // removed when its first occurrence was visited
    const std::size_t copies = group.count - 1;
    counter += static_cast<long>(copies);
    out.push_back(line);
    if (watched) {
      const std::size_t taken = Taken(line);
      length -= copies * taken;
      from += taken;
      steps.Step(from, length, counter);
    }
  });
  return text::DoneByLines(text, std::move(out), counter, FinalCaption(label, counter));
}

template <typename Offset>
CommandResult DeleteAllDuplicates(std::string_view text, GrowingProgress& steps, std::string_view label) {
  const LineGroups<Offset> groups(text);
  const bool watched = steps.Active();
  // The scan puts a line break in front of T, so that the first line can be found as a
  // copy too, and starts at the first line, position 3.
  std::size_t length = watched ? TextLength(text) + 2 : 0;
  std::size_t from = 3;
  long counter = 0;
  text::LineViews out;
  text::ReserveLarge(out, groups.LineCount() + 1);
  std::size_t number = 0;
  text::ForEachLine(text, [&](std::string_view line) {
    const auto& group = groups.OfLine(number++);
    if (!groups.IsFirst(line, group)) return;
    const std::size_t occurrences = group.count;
    const std::size_t taken = watched ? Taken(line) : 0;
    if (occurrences == 1) {
      from += taken;
      out.push_back(line);
    } else {
      length -= occurrences * taken;
      counter += static_cast<long>(occurrences - 1);
    }
    if (watched) steps.Step(from, length, counter);
  });
  return text::DoneByLines(text, std::move(out), counter, FinalCaption(label, counter));
}

template <typename Offset>
CommandResult DeleteUnique(std::string_view text, bool extraEmptyLine, GrowingProgress& steps,
                           std::string_view label) {
  const LineGroups<Offset> groups(text);
  const bool watched = steps.Active();
  // On the HTML view the scanned text ends with one more line break: an empty last line.
  std::size_t length = watched ? TextLength(text) + (extraEmptyLine ? 2 : 0) : 0;
  std::size_t from = 1;
  long counter = 0;
  text::LineViews out;
  text::ReserveLarge(out, groups.LineCount() + 1);
  const auto visit = [&](std::string_view line, bool unique) {
    const std::size_t taken = watched ? Taken(line) : 0;
    // An empty line always finds a "copy" in the two line breaks that end the framed
    // text, so it is never taken for unique.
    if (unique && !line.empty()) {
      length -= taken;
      ++counter;
    } else {
      from += taken;
      out.push_back(line);
    }
    if (watched) steps.Step(from, length, counter);
  };
  std::size_t number = 0;
  text::ForEachLine(text, [&](std::string_view line) { visit(line, groups.OfLine(number++).count == 1); });
  if (extraEmptyLine) visit({}, false);
  return text::DoneByLines(text, std::move(out), counter, FinalCaption(label, counter));
}

}  // namespace

CommandResult DeleteDuplicateLines(std::string_view text, const Progress& progress) {
  static constexpr std::string_view kLabel = "Дубли: ";
  GrowingProgress steps(progress, kLabel);
  return WithOffsetsFor(text,
                        [&](auto offset) { return DeleteDuplicates<decltype(offset)>(text, steps, kLabel); });
}

CommandResult DeleteAllDuplicateLines(std::string_view text, const Progress& progress) {
  static constexpr std::string_view kLabel = "Все дубли: ";
  GrowingProgress steps(progress, kLabel);
  return WithOffsetsFor(
      text, [&](auto offset) { return DeleteAllDuplicates<decltype(offset)>(text, steps, kLabel); });
}

CommandResult DeleteUniqueLines(std::string_view text, View view, const Progress& progress) {
  static constexpr std::string_view kLabel = "Уник: ";
  GrowingProgress steps(progress, kLabel);
  return WithOffsetsFor(text, [&](auto offset) {
    return DeleteUnique<decltype(offset)>(text, view == View::kHtml, steps, kLabel);
  });
}

}  // namespace skorlin::lines
