// The formatted view of a whole text.
#include "format/formatted_view.h"

#include "format/normalize_line.h"
#include "text/line_list.h"
#include "text/toolkit.h"

namespace skorlin::format {

text::Text FormattedView(text::TextView text) {
  text::Text trimmed(text);
  text::TrimBlanks(trimmed);
  text::Lines lines = text::SplitLines(trimmed);
  for (text::Text& line : lines) line = NormalizeLine(line);
  return text::JoinLines(lines);
}

}  // namespace skorlin::format
