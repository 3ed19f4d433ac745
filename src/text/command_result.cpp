// SPDX-License-Identifier: GPL-3.0-or-later
// Results given as lists of lines: whether they change a view, and their text.
#include "text/command_result.h"

#include "text/huge_pages.h"
#include "text/line_list.h"

namespace skorlin::text {

bool LinesChangeView(std::string_view viewText, const std::vector<std::string_view>& lines) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (viewText.substr(at, line.size()) != line) return true;
    at += line.size();
    if (viewText.substr(at, 2) == "\r\n") {
      at += 2;
    } else if (i + 1 != lines.size() || at != viewText.size()) {
      // Only the last line may lack its CR LF in the view.
      return true;
    }
  }
  return at != viewText.size();
}

CommandResult DoneByLines(std::string_view viewText, std::vector<std::string_view> lines, long counter,
                          std::string caption) {
  CommandResult result;
  result.form = Form::kLines;
  result.changed = LinesChangeView(viewText, lines);
  result.lines = std::move(lines);
  result.counter = counter;
  result.caption = std::move(caption);
  return result;
}

CommandResult Joined(CommandResult result) {
  if (result.form != Form::kLines) return result;
  const std::vector<std::string_view>& lines = result.lines;
  std::size_t size = 0;
  for (const std::string_view line : lines) size += line.size() + 2;
  std::string text;
  ReserveLarge(text, size);
  // Reordered lines are read out of their order in memory: the line sixteen places ahead
  // is asked for while the current one is copied, so the copy seldom waits for memory.
  constexpr std::size_t kAhead = 16;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i + kAhead < lines.size()) __builtin_prefetch(lines[i + kAhead].data());
    AppendLine(text, lines[i]);
  }
  result.text = std::move(text);
  std::vector<std::string_view>().swap(result.lines);
  result.form = Form::kText;
  return result;
}

}  // namespace skorlin::text
