// SPDX-License-Identifier: GPL-3.0-or-later
// Slashes written for brackets around a word, as in "ВКП /б/": the opening one after a
// space, the closing one glued to the word and followed by a space or the end of the line.
// A slash that is not one of such a pair is not a bracket: "стр. 5 /", "x/y", "/usr/".
#pragma once

#include "format/line_access.h"
#include "text/text.h"

namespace skorlin::format {

// Whether the slash at i opens a pair: a word follows it, then the closing slash (or the
// bracket it has already become) and a space or the end of the line.
template <class Line>
bool OpensSlashPair(const Line& s, Pos i) {
  Pos k = i + 1;
  while (text::IsAlNum(At(s, k))) ++k;
  const text::Char close = At(s, k);
  const text::Char after = At(s, k + 1);
  return k > i + 1 && (close == U'/' || close == U')') && (after == U' ' || after == kNoChar);
}

// Whether the slash at i closes a pair: a word stands before it, and before the word the
// opening slash (or the bracket it has already become) after a space.
template <class Line>
bool ClosesSlashPair(const Line& s, Pos i) {
  Pos k = i - 1;
  while (text::IsAlNum(At(s, k))) --k;
  const text::Char open = At(s, k);
  return k < i - 1 && (open == U'/' || open == U'(') && At(s, k - 1) == U' ';
}

}  // namespace skorlin::format
