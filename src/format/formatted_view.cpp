// SPDX-License-Identifier: GPL-3.0-or-later
// The formatted view of a whole text, and where the normalizer changed its lines.
#include "format/formatted_view.h"

#include "format/normalize_line.h"
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

std::size_t Utf8Length(text::Char c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

// The changes of one line, moved from its characters to the bytes of the view, the line
// starting at byte lineStart.
void AddLineChanges(text::TextView before, text::TextView after, std::size_t lineStart,
                    std::vector<text::CharChange>& changes) {
  std::size_t character = 0;
  std::size_t byte = lineStart;
  const auto byteAt = [&](std::size_t position) {
    for (; character < position; ++character) byte += Utf8Length(after[character]);
    return byte;
  };
  for (const text::CharChange& change : text::CharChanges(before, after)) {
    const std::size_t begin = byteAt(change.begin);
    changes.push_back({begin, byteAt(change.begin + change.length) - begin});
  }
}

}  // namespace

text::Text FormattedView(text::TextView text) {
  text::Lines lines = TrimmedLines(text);
  for (text::Text& line : lines) NormalizeLineInPlace(line);
  return text::JoinLines(lines);
}

FormattedViewBytes FormattedViewUtf8(text::TextView text, bool withChanges) {
  FormattedViewBytes view;
  text::Lines lines = TrimmedLines(text);
  view.utf8.reserve(text.size() * 2);
  text::Text input;
  for (text::Text& line : lines) {
    if (withChanges) input = line;
    NormalizeLineInPlace(line);
    const std::size_t lineStart = view.utf8.size();
    text::AppendUtf8(view.utf8, line);
    view.utf8 += "\r\n";
    if (withChanges && input != line) AddLineChanges(input, line, lineStart, view.changes);
  }
  return view;
}

}  // namespace skorlin::format
