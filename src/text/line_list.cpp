// Splitting a text into lines and joining lines into a text.
#include "text/line_list.h"

namespace skorlin::text {

Lines SplitLines(TextView text) {
  Lines lines;
  ForEachLine(text, [&lines](TextView line) { lines.emplace_back(line); });
  return lines;
}

LineViews SplitLines(std::string_view text) {
  LineViews lines;
  ForEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
  return lines;
}

Text JoinLines(const Lines& lines) { return JoinLinesOf<Char>(lines); }

std::string JoinLines(const LineViews& lines) { return JoinLinesOf<char>(lines); }

std::size_t WholeTextSizeBound(std::string_view text) {
  // Counts the CR and LF bytes eight at a time: a byte of the word XOR the pattern is zero
  // exactly where the byte matched.
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  const auto matches = [](std::uint64_t word, std::uint64_t pattern) {
    const std::uint64_t x = word ^ pattern;
    const std::uint64_t nonzero = ((x & kLow7) + kLow7) | x;
    return static_cast<std::size_t>(__builtin_popcountll(~nonzero & ~kLow7));
  };
  std::size_t breaks = 0;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    breaks += matches(word, kOnes * '\r') + matches(word, kOnes * '\n');
  }
  for (; i < text.size(); ++i) breaks += text[i] == '\r' || text[i] == '\n' ? 1 : 0;
  return text.size() + breaks + 2;
}

std::string WholeText(std::string_view text) {
  std::string whole;
  whole.reserve(WholeTextSizeBound(text));
  ForEachLine(text, [&whole](std::string_view line) { AppendLine(whole, line); });
  return whole;
}

}  // namespace skorlin::text
