// SPDX-License-Identifier: GPL-3.0-or-later
// The formatted view of a whole text, and where the normalizer changed its lines.
#include "format/formatted_view.h"

#include "format/normalize_line.h"
#include "text/line_chunks.h"
#include "text/line_list.h"
#include "text/utf8.h"

namespace skorlin::format {
namespace {

// The lines of text trimmed as TrimBlanks trims, without copying the text first.
text::Lines TrimmedLines(text::TextView text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (end > 0 && text::IsBlank(text[end - 1])) --end;
  while (begin < end && text::IsBlank(text[begin])) ++begin;
  return text::SplitLines(text.substr(begin, end - begin));
}

}  // namespace

text::Text FormattedView(text::TextView text) {
  text::Lines lines = TrimmedLines(text);
  for (text::Text& line : lines) NormalizeLineInPlace(line);
  return text::JoinLines(lines);
}

FormattedViewBytes FormattedViewUtf8(text::TextView text, bool withChanges) {
  text::Lines lines = TrimmedLines(text);
  FormattedViewBytes views[2];
  const auto work = [&](std::size_t first, std::size_t last, std::size_t run) {
    FormattedViewBytes& view = views[run];
    text::Text input;
    for (std::size_t i = first; i < last; ++i) {
      text::Text& line = lines[i];
      if (withChanges) input = line;
      NormalizeLineInPlace(line);
      const std::size_t lineStart = view.utf8.size();
      text::AppendUtf8(view.utf8, line);
      view.utf8 += "\r\n";
      if (withChanges && input != line) text::AppendUtf8CharChanges(input, line, lineStart, view.changes);
    }
  };
  const std::size_t runs = text::WorkInTwoRuns(
      lines.size(), [&lines](std::size_t i) { return lines[i].size(); }, nullptr, work);
  if (runs == 2) AppendView(views[0], std::move(views[1]));
  return std::move(views[0]);
}

void AppendView(FormattedViewBytes& to, FormattedViewBytes&& from) {
  const std::size_t shift = to.utf8.size();
  to.utf8 += from.utf8;
  to.changes.reserve(to.changes.size() + from.changes.size());
  for (const text::CharChange& change : from.changes)
    to.changes.push_back({change.begin + shift, change.length});
}

std::string FormattedViewFromUtf8(std::string_view utf8) {
  const text::LineViews lines = text::SplitLines(text::TrimBlankBytes(utf8));
  return text::WorkOnLines(lines, [&lines](std::size_t first, std::size_t last, std::string& out) {
    text::Text line;
    for (std::size_t i = first; i < last; ++i) {
      text::DecodeUtf8Into(lines[i], line);
      NormalizeLineInPlace(line);
      text::AppendUtf8(out, line);
      out += "\r\n";
    }
  });
}

}  // namespace skorlin::format
