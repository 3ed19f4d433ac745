// The whitespace commands, each in a single pass over the view's lines or text.
#include "lines/whitespace.h"

#include <string>

#include "lines/line_views.h"

namespace skorlin::lines {

using text::Text;
using text::TextView;

namespace {

TextView TrimmedView(TextView line) {
  std::size_t begin = 0;
  std::size_t end = line.size();
  while (begin < end && text::IsBlank(line[begin])) ++begin;
  while (end > begin && text::IsBlank(line[end - 1])) --end;
  return line.substr(begin, end - begin);
}

}  // namespace

LineCommandResult TrimLineBlanks(TextView text, const Progress& progress) {
  static constexpr std::string_view kLabel = "Пробелы: ";
  ProgressReporter reporter(progress);
  LineViews lines = SplitLineViews(text);
  const std::size_t n = lines.size();
  long counter = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const TextView trimmed = TrimmedView(lines[i]);
    if (trimmed.size() != lines[i].size()) {
      lines[i] = trimmed;
      ++counter;
    }
    if (i % 100 == 0) reporter.Offer(kLabel, Percent(i, n - 1), counter);
  }
  return {JoinLineViews(lines), counter, ProgressCaption(kLabel, 100, counter)};
}

LineCommandResult DeleteEmptyLines(TextView text, const Progress& progress) {
  static constexpr std::string_view kLabel = "Пустые: ";
  ProgressReporter reporter(progress);
  const LineViews lines = SplitLineViews(text);
  const std::size_t n = lines.size();
  long counter = 0;
  if (reporter.Active()) {
    // The deletions run from the last line up, so the counter a caption shows is the
    // number of empty lines at index i and below the end.
    for (std::size_t i = n; i-- > 0;) {
      if (lines[i].empty()) ++counter;
      if (i % 100 == 0) reporter.Offer(kLabel, Percent(i, n - 1), counter);
    }
    counter = 0;
  }
  LineViews kept;
  kept.reserve(n);
  for (const TextView line : lines) {
    if (line.empty()) {
      ++counter;
    } else {
      kept.push_back(line);
    }
  }
  return {JoinLineViews(kept), counter, ProgressCaption(kLabel, 100, counter)};
}

namespace {

// Every run of two or more spaces in t becomes one space, in place; returns the number of
// spaces removed. Before each run is collapsed, onRun(start, runLength, removedBefore)
// sees where it starts in t as read and how many spaces went before it.
template <typename String, typename OnRun>
long CollapseSpaceRuns(String& t, OnRun&& onRun) {
  using CharT = typename String::value_type;
  const std::size_t length = t.size();
  long removed = 0;
  std::size_t write = 0;
  for (std::size_t read = 0; read < length;) {
    if (t[read] != CharT{' '} || read + 1 >= length || t[read + 1] != CharT{' '}) {
      t[write++] = t[read++];
      continue;
    }
    std::size_t runEnd = read + 2;
    while (runEnd < length && t[runEnd] == CharT{' '}) ++runEnd;
    const std::size_t runLength = runEnd - read;
    onRun(read, runLength, removed);
    removed += static_cast<long>(runLength - 1);
    t[write++] = CharT{' '};
    read = runEnd;
  }
  t.resize(write);
  return removed;
}

std::string DoubleSpacesCaption(long removed) { return "Дв. пробелы: 100% " + std::to_string(removed); }

}  // namespace

LineCommandResult DeleteDoubleSpaces(TextView text, const Progress& progress) {
  static constexpr std::string_view kLabel = "Пробелы: ";
  ProgressReporter reporter(progress);
  reporter.Show("Дв. пробелы: 0%");
  Text t = WholeText(text);
  const std::size_t length = t.size();
  // The captions follow a search that removes one space of the first pair it finds and
  // searches again from the same place: after each removal the search position p is the
  // start of the same run while two spaces of it remain, then the start of the next run
  // (0 after the last), counted in the text as it stands; a caption is due when p is
  // divisible by 5.
  const auto offer = [&](std::size_t p, long counter) {
    if (p % 5 == 0) reporter.Offer(kLabel, Percent(p, length), counter);
  };
  bool pending = false;  // the last removal of the previous run awaits the next run's position
  long pendingCounter = 0;
  const long removed = CollapseSpaceRuns(t, [&](std::size_t start, std::size_t runLength, long removedBefore) {
    if (reporter.Active()) {
      const std::size_t position = start + 1 - static_cast<std::size_t>(removedBefore);
      if (pending) offer(position, pendingCounter);
      // Every removal but the run's last finds the run again at the same position; of
      // those captions only the first can differ from the one shown before it.
      if (runLength > 2) offer(position, removedBefore + 1);
    }
    pending = true;
    pendingCounter = removedBefore + static_cast<long>(runLength - 1);
  });
  // The search that ends the loop gives 0, which is divisible by 5: the last progress
  // caption shows 0% and the full counter.
  if (pending) reporter.Show(ProgressCaption(kLabel, 0, pendingCounter));
  return {std::move(t), removed, DoubleSpacesCaption(removed)};
}

ByteTextResult DeleteDoubleSpacesInBytes(std::string_view bytes) {
  std::string t = JoinLineViewsOf(SplitLineViewsOf(bytes));
  const long removed = CollapseSpaceRuns(t, [](std::size_t, std::size_t, long) {});
  return {std::move(t), DoubleSpacesCaption(removed)};
}

}  // namespace skorlin::lines
