// SPDX-License-Identifier: GPL-3.0-or-later
// 1-based reading and editing of the line under normalization. A position before the
// first or after the last character reads as kNoChar, which belongs to no character class
// and equals no literal: a test that it is some character fails, a test that it is not
// succeeds, and nothing is ever read or written outside the string.
#pragma once

#include <cstddef>

#include "text/text.h"

namespace skorlin::format {

using Pos = std::ptrdiff_t;

// Not a Unicode code point, so it is outside Windows-1251 and outside every class.
inline constexpr text::Char kNoChar = 0xFFFFFFFFu;

inline Pos Length(const text::Text& s) { return static_cast<Pos>(s.size()); }

inline text::Char At(const text::Text& s, Pos p) {
  return (p >= 1 && p <= Length(s)) ? s[static_cast<std::size_t>(p - 1)] : kNoChar;
}

// Whether c is one of the characters of set (kNoChar never is).
inline bool InSet(text::Char c, text::TextView set) { return set.find(c) != text::TextView::npos; }

// Inserts c so that it stands at p; p may be one past the end (an append).
inline void InsertAt(text::Text& s, Pos p, text::Char c) {
  if (p >= 1 && p <= Length(s) + 1) s.insert(static_cast<std::size_t>(p - 1), 1, c);
}

inline void DeleteAt(text::Text& s, Pos p) {
  if (p >= 1 && p <= Length(s)) s.erase(static_cast<std::size_t>(p - 1), 1);
}

inline void SetAt(text::Text& s, Pos p, text::Char c) {
  if (p >= 1 && p <= Length(s)) s[static_cast<std::size_t>(p - 1)] = c;
}

// Every occurrence of one character replaced by another, in place.
inline void ReplaceChar(text::Text& s, text::Char from, text::Char to) {
  for (text::Char& c : s) {
    if (c == from) c = to;
  }
}

}  // namespace skorlin::format
