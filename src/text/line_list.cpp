// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a text into lines and joining lines into a text.
#include "text/line_list.h"

#include "text/huge_pages.h"

namespace skorlin::text {

Lines SplitLines(TextView text) {
  Lines lines;
  ForEachLine(text, [&lines](TextView line) { lines.emplace_back(line); });
  return lines;
}

LineViews SplitLines(std::string_view text) {
  LineViews lines;
  // One line more than there are line breaks at most.
  ReserveLarge(lines, WholeTextSizeBound(text) - text.size());
  ForEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
  return lines;
}

Text JoinLines(const Lines& lines) { return JoinLinesOf<Char>(lines); }

std::string JoinLines(const LineViews& lines) { return JoinLinesOf<char>(lines); }

std::size_t WholeTextSizeBound(std::string_view text) {
  using namespace word_bits;
  std::size_t breaks = 0;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    const std::uint64_t word = Load(text.data() + i);
    breaks += CountMarked(BytesEqual(word, '\r') | BytesEqual(word, '\n'));
  }
  for (; i < text.size(); ++i) breaks += text[i] == '\r' || text[i] == '\n' ? 1 : 0;
  return text.size() + breaks + 2;
}

std::size_t CountLineBreaks(std::string_view part) {
  using namespace word_bits;
  const char* const data = part.data();
  std::size_t breaks = 0;
  std::size_t pairs = 0;
  std::size_t i = 0;
  for (; i + sizeof(std::uint64_t) < part.size(); i += sizeof(std::uint64_t)) {
    const std::uint64_t word = Load(data + i);
    const std::uint64_t crs = BytesEqual(word, '\r');
    breaks += CountMarked(crs | BytesEqual(word, '\n'));
    pairs += CountMarked(crs & BytesEqual(Load(data + i + 1), '\n'));
  }
  for (; i < part.size(); ++i) {
    breaks += data[i] == '\r' || data[i] == '\n' ? 1 : 0;
    pairs += data[i] == '\r' && i + 1 < part.size() && data[i + 1] == '\n' ? 1 : 0;
  }
  return breaks - pairs;
}

std::string WholeText(std::string_view text) {
  std::string whole;
  ReserveLarge(whole, WholeTextSizeBound(text));
  ForEachLine(text, [&whole](std::string_view line) { AppendLine(whole, line); });
  return whole;
}

}  // namespace skorlin::text
