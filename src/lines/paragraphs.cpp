// SPDX-License-Identifier: GPL-3.0-or-later
// Paragraph splitting at sentence marks.
#include "lines/paragraphs.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "lines/line_index.h"
#include "text/huge_pages.h"
#include "text/line_list.h"
#include "text/utf8.h"

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

std::optional<int> ReadParagraphLength(TextView field) {
  std::size_t i = 0;
  bool negative = false;
  if (i < field.size() && (field[i] == U'+' || field[i] == U'-')) {
    negative = field[i] == U'-';
    ++i;
  }
  if (i == field.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < U'0' || field[i] > U'9') return std::nullopt;
    value = value * 10 + (field[i] - U'0');
    if (value > std::int64_t{std::numeric_limits<int>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(value);
}

int ParseParagraphLength(TextView field, int fallback) {
  return ReadParagraphLength(field).value_or(fallback);
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

namespace {

// The paragraphs of one line longer than max (as characters), the first at the front.
std::vector<text::Text> ParagraphsOf(const text::Text& s, int min, int max, RandomGenerator& random) {
  const auto longest = static_cast<std::size_t>(max);
  std::vector<text::Text> parts;
  std::size_t pos = FindSentenceBreak(s, min, max, random);
  TextView rest = s;
  while (pos > 0 && rest.size() > longest) {
    parts.emplace_back(rest.substr(0, pos));
    rest.remove_prefix(pos);
    while (!rest.empty() && text::IsBlank(rest.front())) rest.remove_prefix(1);
    pos = FindSentenceBreak(rest, min, max, random);
  }
  parts.emplace_back(rest);
  return parts;
}

// A line split into paragraphs, UTF-8, each followed by CR LF.
struct SplitLine {
  std::size_t index;
  std::string paragraphs;
};

}  // namespace

CommandResult SplitParagraphs(std::string_view text, int min, int max, RandomGenerator& random) {
  if (!LimitsUsable(min, max)) return text::Done(text, text::WholeText(text), 0, "");
  const auto longest = static_cast<std::size_t>(max);
  const auto range = static_cast<std::uint32_t>(max - min);
  std::string out = WithOffsetsFor(text, [&](auto offset) {
    const LineIndex<decltype(offset)> lines = IndexLines<decltype(offset)>(text);
    // The lines are visited from the last to the first (the order of the draws). A line no
    // longer than max only draws its value: it is never split, wherever the break falls.
    std::vector<SplitLine> split;
    for (std::size_t i = lines.size(); i-- > 0;) {
      const std::string_view line = LineAt(text, lines[i]);
      if (line.size() <= longest || text::CountUtf8Chars(line) <= longest) {
        random.RandomInt(range);
        continue;
      }
      std::string paragraphs;
      for (const text::Text& part : ParagraphsOf(text::DecodeUtf8(line), min, max, random)) {
        text::AppendUtf8(paragraphs, part);
        paragraphs += "\r\n";
      }
      split.push_back({i, std::move(paragraphs)});
    }
    std::size_t size = text::WholeTextSizeBound(text);
    for (const SplitLine& s : split) size += s.paragraphs.size();
    std::string whole;
    text::ReserveLarge(whole, size);
    auto next = split.rbegin();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (next != split.rend() && next->index == i) {
        whole += next->paragraphs;
        ++next;
      } else {
        text::AppendLine(whole, LineAt(text, lines[i]));
      }
    }
    return whole;
  });
  return text::Done(text, std::move(out), 0, "");
}

}  // namespace skorlin::lines
