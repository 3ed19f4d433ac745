// SPDX-License-Identifier: GPL-3.0-or-later
// The passes that deal with numbers after the character scan.
#include "format/numero_years.h"

#include <optional>
#include <utility>

#include "format/edit_line.h"
#include "format/line_access.h"
#include "format/search.h"
#include "text/toolkit.h"

namespace skorlin::format {
namespace {

using text::Char;
using text::IsDigit;

constexpr Char kNumero = U'№';
constexpr Char kSmallG = U'г';

bool IsOneOrTwo(Char c) { return c == U'1' || c == U'2'; }

// The four digits at p to p + 3 as a number, or nothing when they are not all digits.
std::optional<int> FourDigitNumber(const EditLine& s, Pos p) {
  int value = 0;
  for (Pos k = p; k < p + 4; ++k) {
    const Char c = At(s, k);
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<int>(c - U'0');
  }
  return value;
}

// Deletes the spaces around the hyphen of the range at p (" - "): S[p], then S[p + 1],
// when the first year is not the later one.
void CloseUpYearRange(EditLine& s, Pos p) {
  const std::optional<int> first = FourDigitNumber(s, p - 4);
  const std::optional<int> second = FourDigitNumber(s, p + 3);
  if (!first || !second || *first > *second) return;
  DeleteAt(s, p);
  DeleteAt(s, p + 1);
}

// Whether some "г" of s follows a digit: a year can be written with "г" only there.
bool HasDigitBeforeG(const text::Text& s) {
  for (std::size_t g = text::FindChar(s, kSmallG, 1); g < s.size(); g = text::FindChar(s, kSmallG, g + 1)) {
    if (IsDigit(s[g - 1])) return true;
  }
  return false;
}

}  // namespace

void LeadingNumeroPass(text::Text& s) {
  if (At(s, 1) == U'N' && IsDigit(At(s, 2))) {
    SetAt(s, 1, kNumero);
    InsertAt(s, 2, U' ');
  }
  if (At(s, 1) == U'N' && At(s, 2) == U' ' && IsDigit(At(s, 3))) SetAt(s, 1, kNumero);
  if (At(s, 1) == U'N' && At(s, 2) == U' ' && At(s, 3) == kNumero && At(s, 4) == U' ') SetAt(s, 1, kNumero);
  if (At(s, 1) == U'N' && At(s, 2) == U' ' && text::IsCyr(At(s, 3)) && At(s, 4) == U'-' &&
      IsDigit(At(s, 5))) {
    SetAt(s, 1, kNumero);
  }
}

void YearsWithGPass(text::Text& s) {
  // The walk below inserts only right of the place it looks at, so a line in which no "г"
  // follows a digit, where it can find nothing, is passed over.
  if (!HasDigitBeforeG(s)) return;
  EditLine line(std::move(s));
  for (Pos i = Length(line) - 5; i >= 1; --i) {
    // Most positions fail this first test.
    if (At(line, i + 5) != kSmallG) continue;
    const bool year = IsOneOrTwo(At(line, i + 1)) && IsDigit(At(line, i + 2)) && IsDigit(At(line, i + 3)) &&
                      IsDigit(At(line, i + 4)) && !IsDigit(At(line, i)) && !text::IsAlNum(At(line, i + 6));
    if (!year) continue;
    if (At(line, i + 6) != U'.') InsertAt(line, i + 6, U'.');
    InsertAt(line, i + 5, U' ');
  }
  s = line.Release();
}

bool IsNonNegativeWholeNumber(text::TextView t) {
  bool negative = false;
  if (!t.empty() && (t.front() == U'+' || t.front() == U'-')) {
    negative = t.front() == U'-';
    t.remove_prefix(1);
  }
  if (t.empty()) return false;
  bool zero = true;
  for (const Char c : t) {
    if (!IsDigit(c)) return false;
    if (c != U'0') zero = false;
  }
  return !negative || zero;
}

void NumeroRangesPass(text::Text& s) {
  if (FindText(U"№", s, 1) == 0) return;
  EditLine line(std::move(s));
  Pos p = line.Find(U"№", 1);
  while (p > 0) {
    const Pos q = line.Find(U"№", p + 1);
    text::Text between;
    for (Pos k = p + 1; k < q; ++k) between.push_back(At(line, k));
    text::TrimBlanks(between);
    if (!between.empty() && between.back() == U'-') {
      between.pop_back();
      text::TrimBlanks(between);
      if (IsNonNegativeWholeNumber(between) && At(line, q - 3) == U' ' && At(line, q - 2) == U'-' &&
          At(line, q - 1) == U' ' && At(line, q + 1) == U' ') {
        DeleteAt(line, q);  // the second sign and the space after it
        DeleteAt(line, q);
        DeleteAt(line, q - 1);
        DeleteAt(line, q - 3);
        InsertAt(line, p + 1, kNumero);
      }
    }
    p = line.Find(U"№", p + 2);
  }
  s = line.Release();
}

// " - " has no letters, so the search that ignores case finds exactly what FindStr finds.
void YearRangesPass(text::Text& s) {
  if (FindText(U" - ", s, 1) == 0) return;
  EditLine line(std::move(s));
  Pos p = line.Find(U" - ", 1);
  while (p > 0) {
    const bool range = p > 4 && Length(line) >= p + 9 && IsOneOrTwo(At(line, p - 4)) &&
                       IsOneOrTwo(At(line, p + 3)) && IsDigit(At(line, p - 3)) && IsDigit(At(line, p - 2)) &&
                       IsDigit(At(line, p - 1)) && IsDigit(At(line, p + 4)) && IsDigit(At(line, p + 5)) &&
                       IsDigit(At(line, p + 6));
    if (range) {
      if (p > 5 && At(line, p - 5) == U'(' && At(line, p + 7) == U')') CloseUpYearRange(line, p);
      if (At(line, p + 7) == U' ' && At(line, p + 8) == kSmallG &&
          (At(line, p + 9) == U'.' || At(line, p + 9) == kSmallG)) {
        CloseUpYearRange(line, p);
      }
    }
    p = line.Find(U" - ", p + 1);
  }
  s = line.Release();
}

}  // namespace skorlin::format
