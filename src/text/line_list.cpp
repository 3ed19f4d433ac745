// Splitting a text into lines and joining lines into a text.
#include "text/line_list.h"

namespace skorlin::text {

Lines SplitLines(TextView text) {
  const std::size_t nul = text.find(U'\0');
  if (nul != TextView::npos) text = text.substr(0, nul);
  Lines lines;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    if (c != U'\r' && c != U'\n') continue;
    lines.emplace_back(text.substr(begin, i - begin));
    if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size()) lines.emplace_back(text.substr(begin));
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
