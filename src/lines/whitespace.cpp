// SPDX-License-Identifier: GPL-3.0-or-later
// The whitespace commands, each in a single pass over the view's lines or text.
#include "lines/whitespace.h"

#include <string>
#include <utility>
#include <vector>

#include "text/huge_pages.h"
#include "text/line_list.h"
#include "text/space_runs.h"
#include "text/utf8.h"

namespace skorlin::lines {

namespace {

std::size_t CountLines(std::string_view text) {
  std::size_t n = 0;
  text::ForEachLine(text, [&n](std::string_view) { ++n; });
  return n;
}

}  // namespace

CommandResult TrimLineBlanks(std::string_view text, const Progress& progress, text::LineWriter& out) {
  static constexpr std::string_view kLabel = "Пробелы: ";
  ProgressReporter reporter(progress);
  const std::size_t n = reporter.Active() ? CountLines(text) : 0;
  out.ReserveFor(text);
  long counter = 0;
  std::size_t i = 0;
  text::ForEachLine(text, [&](std::string_view line) {
    const std::string_view trimmed = text::TrimBlankBytes(line);
    if (trimmed.size() != line.size()) ++counter;
    out.Add(trimmed);
    if (i % 100 == 0) reporter.Offer(kLabel, Percent(i, n - 1), counter);
    ++i;
  });
  return text::DoneWriting(text, out, counter, ProgressCaption(kLabel, 100, counter));
}

CommandResult DeleteEmptyLines(std::string_view text, const Progress& progress) {
  static constexpr std::string_view kLabel = "Пустые: ";
  ProgressReporter reporter(progress);
  text::LineViews out;
  text::ReserveLarge(out, text::WholeTextSizeBound(text) - text.size());
  long counter = 0;
  // The deletions run from the last line up, so the caption of line i shows the number of
  // empty lines from i to the end: noted here going down the text, shown in reverse.
  struct Moment {
    std::size_t line;
    long emptyBefore;
  };
  std::vector<Moment> moments;
  std::size_t i = 0;
  text::ForEachLine(text, [&](std::string_view line) {
    if (reporter.Active() && i % 100 == 0) moments.push_back({i, counter});
    if (line.empty()) {
      ++counter;
    } else {
      out.push_back(line);
    }
    ++i;
  });
  for (auto moment = moments.rbegin(); moment != moments.rend(); ++moment) {
    reporter.Offer(kLabel, Percent(moment->line, i - 1), counter - moment->emptyBefore);
  }
  return text::DoneByLines(text, std::move(out), counter, ProgressCaption(kLabel, 100, counter));
}

namespace {

std::string DoubleSpacesCaption(long removed) { return "Дв. пробелы: 100% " + std::to_string(removed); }

// The part of a string from a position on, as text::CollapseSpaceRuns edits it.
struct StringTail {
  using value_type = char;
  std::string& whole;
  std::size_t from;
  char* data() { return whole.data() + from; }
  std::size_t size() const { return whole.size() - from; }
  void resize(std::size_t size) { whole.resize(from + size); }
};

// Each line copied to out with its runs collapsed: a run never crosses a line break, so
// this is the collapse of the whole text.
long CollapseEachLine(std::string_view text, text::LineWriter& out) {
  out.ReserveFor(text);
  std::size_t removed = 0;
  text::ForEachLine(text, [&](std::string_view line) {
    out.AddEdited(line, [&removed](std::string& buffer, std::size_t from) {
      StringTail tail{buffer, from};
      removed += text::CollapseSpaceRuns(tail);
    });
  });
  return static_cast<long>(removed);
}

// The result of a collapse made on the whole text t, its lines written to out.
CommandResult WriteCollapsed(std::string_view text, std::string t, long removed, text::LineWriter& out) {
  if (out.KeepsWhole()) return text::Done(text, std::move(t), removed, DoubleSpacesCaption(removed));
  text::ForEachLine(std::string_view(t), [&out](std::string_view line) { out.Add(line); });
  return text::DoneWriting(text, out, removed, DoubleSpacesCaption(removed));
}

}  // namespace

CommandResult DeleteDoubleSpaces(std::string_view text, const Progress& progress, text::LineWriter& out) {
  static constexpr std::string_view kLabel = "Пробелы: ";
  ProgressReporter reporter(progress);
  reporter.Show("Дв. пробелы: 0%");
  if (!reporter.Active()) {
    const long removed = CollapseEachLine(text, out);
    return text::DoneWriting(text, out, removed, DoubleSpacesCaption(removed));
  }
  std::string t = text::WholeText(text);
  // The captions follow a search that removes one space of the first pair it finds and
  // searches again from the same place: after each removal the search position p is the
  // start of the same run while two spaces of it remain, then the start of the next run
  // (0 after the last), counted in characters of the text as it stands; a caption is due
  // when p is divisible by 5.
  const std::size_t length = text::CountUtf8Chars(t);
  const auto offer = [&](std::size_t p, long counter) {
    if (p % 5 == 0) reporter.Offer(kLabel, Percent(p, length), counter);
  };
  bool pending = false;  // the last removal of the previous run awaits the next run's position
  long pendingCounter = 0;
  std::size_t countedTo = 0;     // the text as given is counted up to this byte
  std::size_t charsCounted = 0;  // and holds this many characters there
  const std::string_view given = t;
  const auto removed = static_cast<long>(
      text::CollapseSpaceRuns(t, [&](std::size_t start, std::size_t runLength, std::size_t removedBefore) {
        charsCounted += text::CountUtf8Chars(given.substr(countedTo, start - countedTo));
        const std::size_t position = charsCounted + 1 - removedBefore;
        charsCounted += runLength;
        countedTo = start + runLength;
        const auto before = static_cast<long>(removedBefore);
        if (pending) offer(position, pendingCounter);
        // Every removal but the run's last finds the run again at the same position; of
        // those captions only the first can differ from the one shown before it.
        if (runLength > 2) offer(position, before + 1);
        pending = true;
        pendingCounter = before + static_cast<long>(runLength - 1);
      }));
  // The search that ends the loop gives 0, which is divisible by 5: the last progress
  // caption shows 0% and the full counter.
  if (pending) reporter.Show(ProgressCaption(kLabel, 0, pendingCounter));
  return WriteCollapsed(text, std::move(t), removed, out);
}

}  // namespace skorlin::lines
