// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's routines against their plain definitions, with positions and counts taken
// from the input (before the start, past the end, negative), and the line lists.
// Byte 0: how the texts are read; bytes 1-8: two positions; then the pattern and the
// replacement (length bytes first); the rest is the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "text/line_list.h"
#include "text/toolkit.h"
#include "text/utf8.h"

namespace {

using namespace skorlin;
using text::Char;
using text::Text;
using text::TextView;

bool SameNoCase(Char a, Char b) { return text::UpperChar(a) == text::UpperChar(b); }

bool MatchesAt(TextView sub, TextView s, std::size_t i, bool noCase) {
  if (i + sub.size() > s.size()) return false;
  for (std::size_t k = 0; k < sub.size(); ++k) {
    if (noCase ? !SameNoCase(sub[k], s[i + k]) : sub[k] != s[i + k]) return false;
  }
  return true;
}

// The first match at 1-based start or later, one position at a time.
std::size_t PlainFind(TextView sub, TextView s, std::size_t start, bool noCase) {
  if (start == 0) start = 1;
  for (std::size_t i = start - 1; i < s.size(); ++i)
    if (MatchesAt(sub, s, i, noCase)) return i + 1;
  return 0;
}

// The last match that ends at start - 1 or earlier.
std::size_t PlainFindBack(TextView sub, TextView s, std::size_t start) {
  if (start <= 1) return 0;
  const std::size_t lastEnd =
      std::min(start - 1, s.size());  // the match ends at or before this 1-based position
  for (std::size_t end = lastEnd + 1; end-- > sub.size();) {
    const std::size_t i = end - sub.size();
    if (MatchesAt(sub, s, i, false)) return i + 1;
  }
  return 0;
}

Text PlainReplaceAll(TextView s, TextView find, TextView repl, bool noCase) {
  if (find.empty()) return Text(s);
  Text out;
  for (std::size_t i = 0; i < s.size();) {
    if (MatchesAt(find, s, i, noCase)) {
      out += repl;
      i += find.size();
    } else {
      out += s[i++];
    }
  }
  return out;
}

Text PlainDeleteRange(Text s, std::ptrdiff_t index, std::ptrdiff_t count) {
  if (count <= 0 || s.empty() || index < 1 || static_cast<std::size_t>(index) > s.size()) return s;
  const auto from = static_cast<std::size_t>(index - 1);
  const std::size_t n = std::min(static_cast<std::size_t>(count), s.size() - from);
  return s.substr(0, from) + s.substr(from + n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzInput in(data, size);
  const bool asBytes = (in.Byte() & 0x80) != 0;
  const auto first = static_cast<std::int32_t>(in.Uint32());
  const auto second = static_cast<std::int32_t>(in.Uint32());
  const Text sub = fuzzing::TextOf(in.Piece(8), asBytes);
  const Text repl = fuzzing::TextOf(in.Piece(8), asBytes);
  const Text s = fuzzing::TextOf(in.Rest(), asBytes);

  // Positions near the text, and far outside it.
  const std::size_t start = static_cast<std::uint32_t>(first) % (s.size() + 3);
  if (!sub.empty()) {
    FUZZ_CHECK(text::FindStr(sub, s, start) == PlainFind(sub, s, start, false));
    FUZZ_CHECK(text::FindStrNoCase(sub, s, start) == PlainFind(sub, s, start, true));
    FUZZ_CHECK(text::FindStrBack(sub, s, start) == PlainFindBack(sub, s, start));
    FUZZ_CHECK(text::FindStrBack(sub, s, static_cast<std::uint32_t>(second)) ==
               PlainFindBack(sub, s, static_cast<std::uint32_t>(second)));
    FUZZ_CHECK(text::FindStr(sub, s, static_cast<std::uint32_t>(second)) ==
               PlainFind(sub, s, static_cast<std::uint32_t>(second), false));
  }
  // An empty pattern: whatever the answer, it lies inside the text.
  FUZZ_CHECK(text::FindStr(U"", s, start) <= s.size() + 1);

  FUZZ_CHECK(text::ReplaceAll(s, sub, repl) == PlainReplaceAll(s, sub, repl, false));
  FUZZ_CHECK(text::ReplaceAllNoCase(s, sub, repl) == PlainReplaceAll(s, sub, repl, true));

  for (const std::ptrdiff_t index :
       {std::ptrdiff_t{first}, std::ptrdiff_t{first} % static_cast<std::ptrdiff_t>(s.size() + 2)}) {
    Text cut = s;
    text::DeleteRange(cut, index, second);
    FUZZ_CHECK(cut == PlainDeleteRange(s, index, second));
  }

  Text trimmed = s;
  text::TrimBlanks(trimmed);
  Text leading = s;
  text::TrimLeadingBlanks(leading);
  FUZZ_CHECK(leading.starts_with(trimmed) && s.ends_with(leading) &&
             TextView(s).find(trimmed) != TextView::npos);
  FUZZ_CHECK(trimmed.empty() || (!text::IsBlank(trimmed.front()) && !text::IsBlank(trimmed.back())));
  FUZZ_CHECK(leading.empty() || !text::IsBlank(leading.front()));

  const Char ch = s.empty() ? U'a' : s[static_cast<std::uint32_t>(second) % s.size()];
  std::size_t count = 0;
  for (const Char c : s) count += c == ch;
  FUZZ_CHECK(text::CountChar(s, ch) == count);

  Text reversed = s;
  text::ReverseStr(reversed);
  FUZZ_CHECK(Text(s.rbegin(), s.rend()) == reversed);
  const Text lower = text::LowerStr(s);
  FUZZ_CHECK(lower.size() == s.size());
  Text buffer(s.size(), U'\0');
  if (!s.empty()) text::LowerBuf(s.data(), buffer.data(), s.size());
  FUZZ_CHECK(buffer == lower);
  for (std::size_t i = 0; i < s.size(); ++i) FUZZ_CHECK(lower[i] == text::LowerChar(s[i]));

  // The line list: the same lines of the characters and of their UTF-8, and joining is
  // stable.
  const text::Lines lines = text::SplitLines(s);
  text::Lines visited;
  text::ForEachLine(s, [&](TextView line) { visited.emplace_back(line); });
  FUZZ_CHECK(visited == lines);
  const std::string utf8 = text::ToUtf8(s);
  const text::LineViews views = text::SplitLines(utf8);
  FUZZ_CHECK(views.size() == lines.size());
  for (std::size_t i = 0; i < views.size(); ++i) FUZZ_CHECK(views[i] == text::ToUtf8(lines[i]));
  const Text whole = text::JoinLines(lines);
  FUZZ_CHECK(text::JoinLines(views) == text::ToUtf8(whole) && text::WholeText(utf8) == text::ToUtf8(whole));
  FUZZ_CHECK(text::ToUtf8(whole).size() <= text::WholeTextSizeBound(utf8));
  FUZZ_CHECK(text::SplitLines(whole) == lines);
  for (const Text& line : lines) FUZZ_CHECK(line.find_first_of(U"\r\n\0", 0, 3) == Text::npos);
  return 0;
}
