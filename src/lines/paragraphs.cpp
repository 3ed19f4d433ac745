// Paragraph splitting at sentence marks.
#include "lines/paragraphs.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "lines/line_views.h"

namespace skorlin::lines {

using text::Char;
using text::TextView;

namespace {

bool IsSentenceMark(Char c) { return c == U'.' || c == U'!' || c == U'?'; }

// Characters that stay with a paragraph when they follow its sentence mark directly:
// further marks, "ё" and the lower-case Cyrillic letters "а" to "я".
bool IsRunOn(Char c) {
  if (IsSentenceMark(c)) return true;
  const int code = text::Cp1251Code(c);
  return code == 184 || code >= 224;
}

bool LimitsUsable(int min, int max) { return min >= 1 && min <= max; }

}  // namespace

int ParseParagraphLength(TextView field, int fallback) {
  std::size_t i = 0;
  bool negative = false;
  if (i < field.size() && (field[i] == U'+' || field[i] == U'-')) {
    negative = field[i] == U'-';
    ++i;
  }
  if (i == field.size()) return fallback;
  std::int64_t value = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < U'0' || field[i] > U'9') return fallback;
    value = value * 10 + (field[i] - U'0');
    if (value > std::int64_t{std::numeric_limits<int>::max()} + 1) return fallback;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return fallback;
  return static_cast<int>(value);
}

ParagraphLimits ReadParagraphLimits(TextView minField, TextView maxField) {
  return {ParseParagraphLength(minField, kDefaultParagraphMin),
          ParseParagraphLength(maxField, kDefaultParagraphMax)};
}

std::size_t FindSentenceBreak(TextView s, int min, int max, RandomGenerator& random) {
  if (!LimitsUsable(min, max)) return 0;
  const std::size_t start =
      static_cast<std::size_t>(min) + random.RandomInt(static_cast<std::uint32_t>(max - min));
  if (start > s.size()) return 0;
  // The first of the three marks from start on: one scan instead of three searches.
  const auto mark = std::find_if(s.begin() + static_cast<std::ptrdiff_t>(start - 1), s.end(), IsSentenceMark);
  if (mark == s.end()) return 0;
  std::size_t pos = static_cast<std::size_t>(mark - s.begin()) + 1;
  while (pos < s.size() && IsRunOn(s[pos])) ++pos;
  return pos;
}

LineCommandResult SplitParagraphs(TextView text, int min, int max, RandomGenerator& random) {
  const LineViews lines = SplitLineViews(text);
  if (!LimitsUsable(min, max)) return {JoinLineViews(lines), 0, ""};
  const auto longest = static_cast<std::size_t>(max);
  // The lines are visited from the last to the first (the order of the draws); their
  // paragraphs are collected back to front and put in order at the end.
  LineViews reversed;
  reversed.reserve(lines.size());
  LineViews parts;
  for (std::size_t i = lines.size(); i-- > 0;) {
    TextView s = lines[i];
    std::size_t pos = FindSentenceBreak(s, min, max, random);
    parts.clear();
    while (pos > 0 && s.size() > longest) {
      parts.push_back(s.substr(0, pos));
      s.remove_prefix(pos);
      while (!s.empty() && text::IsBlank(s.front())) s.remove_prefix(1);
      pos = FindSentenceBreak(s, min, max, random);
    }
    parts.push_back(s);
    reversed.insert(reversed.end(), parts.rbegin(), parts.rend());
  }
  std::reverse(reversed.begin(), reversed.end());
  return {JoinLineViews(reversed), 0, ""};
}

}  // namespace skorlin::lines
