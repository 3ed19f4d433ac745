// The formatted view of a whole text.
#include "format/formatted_view.h"

#include "format/normalize_line.h"
#include "text/line_list.h"

namespace skorlin::format {

text::Text FormattedView(text::TextView text) {
  // Trimmed as TrimBlanks trims, without copying the text.
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (end > 0 && text::IsBlank(text[end - 1])) --end;
  while (begin < end && text::IsBlank(text[begin])) ++begin;
  text::Lines lines = text::SplitLines(text.substr(begin, end - begin));
  for (text::Text& line : lines) NormalizeLineInPlace(line);
  return text::JoinLines(lines);
}

}  // namespace skorlin::format
