// SPDX-License-Identifier: GPL-3.0-or-later
// The string routines every subsystem calls, with 1-based positions.
#include "text/toolkit.h"

#include <algorithm>
#include <cwchar>

namespace skorlin::text {
namespace {

bool SameNoCase(Char a, Char b) { return a == b || UpperChar(a) == UpperChar(b); }

bool MatchesNoCaseAt(TextView sub, TextView s, std::size_t index) {
  for (std::size_t i = 0; i < sub.size(); ++i) {
    if (!SameNoCase(sub[i], s[index + i])) return false;
  }
  return true;
}

// Occurrences are found left to right; after one at position p the search goes on at
// p + find.size(), so matches never overlap. The first pass counts them, the second
// fills the result, which is allocated once. findFrom returns a 1-based position or 0.
template <typename Find>
Text ReplaceWith(TextView s, TextView find, TextView repl, Find findFrom) {
  std::size_t count = 0;
  std::size_t first = findFrom(find, s, 1);
  for (std::size_t pos = first; pos != 0; pos = findFrom(find, s, pos + find.size())) ++count;
  if (count == 0) return Text(s);
  Text result;
  result.reserve(s.size() - count * find.size() + count * repl.size());
  std::size_t copied = 0;
  for (std::size_t pos = first; pos != 0; pos = findFrom(find, s, pos + find.size())) {
    result.append(s.substr(copied, pos - 1 - copied));
    result.append(repl);
    copied = pos - 1 + find.size();
  }
  result.append(s.substr(copied));
  return result;
}

}  // namespace

// Where the C library's wide characters are as wide as ours, its vectorised search does
// the work.
std::size_t FindChar(TextView s, Char c, std::size_t from) {
  if constexpr (sizeof(wchar_t) == sizeof(Char)) {
    if (from >= s.size()) return s.size();
    const auto* begin = reinterpret_cast<const wchar_t*>(s.data());
    const wchar_t* hit = std::wmemchr(begin + from, static_cast<wchar_t>(c), s.size() - from);
    return hit == nullptr ? s.size() : static_cast<std::size_t>(hit - begin);
  } else {
    while (from < s.size() && s[from] != c) ++from;
    return from;
  }
}

std::size_t FindStr(TextView sub, TextView s, std::size_t start) {
  if (sub.empty() || s.empty()) return 0;
  if (start == 0) start = 1;
  if (start > s.size() || sub.size() > s.size() - (start - 1)) return 0;
  // Candidates are told apart by the first character of sub that is not a space: many
  // patterns begin or end with a space, the commonest character of any text.
  std::size_t anchor = 0;
  while (anchor < sub.size() && sub[anchor] == U' ') ++anchor;
  if (anchor == sub.size()) anchor = 0;
  const Char anchorChar = sub[anchor];
  const std::size_t last = s.size() - sub.size();
  // Candidates in order from the left, so the first match is the leftmost one.
  const TextView anchors = s.substr(anchor, last + 1);
  for (std::size_t k = FindChar(anchors, anchorChar, start - 1); k <= last;
       k = FindChar(anchors, anchorChar, k + 1)) {
    if (std::equal(sub.begin(), sub.end(), s.begin() + static_cast<std::ptrdiff_t>(k))) return k + 1;
  }
  return 0;
}

std::size_t FindStrNoCase(TextView sub, TextView s, std::size_t start) {
  if (sub.empty() || s.empty()) return 0;
  if (start == 0) start = 1;
  if (start > s.size() || sub.size() > s.size() - (start - 1)) return 0;
  const std::size_t last = s.size() - sub.size();
  const Char firstUpper = UpperChar(sub[0]);
  for (std::size_t index = start - 1; index <= last; ++index) {
    if (UpperChar(s[index]) == firstUpper && MatchesNoCaseAt(sub, s, index)) return index + 1;
  }
  return 0;
}

std::size_t FindStrBack(TextView sub, TextView s, std::size_t start) {
  if (sub.empty() || s.empty() || start <= 1) return 0;
  const std::size_t lastUsable = std::min(start - 1, s.size());
  if (lastUsable < sub.size()) return 0;
  const std::size_t index = s.substr(0, lastUsable).rfind(sub);
  return index == TextView::npos ? 0 : index + 1;
}

Text ReplaceAll(TextView s, TextView find, TextView repl) {
  return ReplaceWith(s, find, repl,
                     [](TextView f, TextView t, std::size_t from) { return FindStr(f, t, from); });
}

Text ReplaceAllNoCase(TextView s, TextView find, TextView repl) {
  return ReplaceWith(s, find, repl,
                     [](TextView f, TextView t, std::size_t from) { return FindStrNoCase(f, t, from); });
}

void DeleteRange(Text& s, std::ptrdiff_t index, std::ptrdiff_t count) {
  const auto length = static_cast<std::ptrdiff_t>(s.size());
  if (count <= 0 || s.empty() || index < 1 || index > length) return;
  if (index + count - 1 >= length) {
    s.resize(static_cast<std::size_t>(index - 1));
  } else {
    s.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
  }
}

void TrimBlanks(Text& s) {
  std::size_t end = s.size();
  while (end > 0 && IsBlank(s[end - 1])) --end;
  s.resize(end);
  TrimLeadingBlanks(s);
}

void TrimLeadingBlanks(Text& s) {
  std::size_t begin = 0;
  while (begin < s.size() && IsBlank(s[begin])) ++begin;
  s.erase(0, begin);
}

std::size_t CountChar(TextView s, Char ch) {
  return static_cast<std::size_t>(std::count(s.begin(), s.end(), ch));
}

void ReverseStr(Text& s) { std::reverse(s.begin(), s.end()); }

Text LowerStr(TextView s) {
  Text result(s.size(), U'\0');
  LowerBuf(s.data(), result.data(), s.size());
  return result;
}

Char* LowerBuf(const Char* source, Char* dest, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) dest[i] = LowerChar(source[i]);
  return dest;
}

}  // namespace skorlin::text
