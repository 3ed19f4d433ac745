// Splitting a text into lines and joining lines into a text.
#include "text/line_list.h"

namespace skorlin::text {

Lines SplitLines(TextView text) {
  Lines lines;
  ForEachLine(text, [&lines](TextView line) { lines.emplace_back(line); });
  return lines;
}

Text JoinLines(const Lines& lines) {
  std::size_t size = 0;
  for (const Text& line : lines) size += line.size() + 2;
  Text text;
  text.reserve(size);
  for (const Text& line : lines) {
    text += line;
    text += U"\r\n";
  }
  return text;
}

}  // namespace skorlin::text
