// The passes that deal with numbers after the character scan.
#include "format/numero_years.h"

#include <optional>

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
std::optional<int> FourDigitNumber(const text::Text& s, Pos p) {
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
void CloseUpYearRange(text::Text& s, Pos p) {
  const std::optional<int> first = FourDigitNumber(s, p - 4);
  const std::optional<int> second = FourDigitNumber(s, p + 3);
  if (!first || !second || *first > *second) return;
  DeleteAt(s, p);
  DeleteAt(s, p + 1);
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
  for (Pos i = Length(s) - 5; i >= 1; --i) {
    // The line only grows, so i + 5 always lies within it; most positions fail this first test.
    if (s[static_cast<std::size_t>(i + 4)] != kSmallG) continue;
    const bool year = IsOneOrTwo(At(s, i + 1)) && IsDigit(At(s, i + 2)) && IsDigit(At(s, i + 3)) &&
                      IsDigit(At(s, i + 4)) && !IsDigit(At(s, i)) && !text::IsAlNum(At(s, i + 6));
    if (!year) continue;
    if (At(s, i + 6) != U'.') InsertAt(s, i + 6, U'.');
    InsertAt(s, i + 5, U' ');
  }
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
  auto p = static_cast<Pos>(FindText(U"№", s, 1));
  while (p > 0) {
    const auto q = static_cast<Pos>(FindText(U"№", s, static_cast<std::size_t>(p + 1)));
    text::Text between;
    if (q > p + 1) between = s.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(q - p - 1));
    text::TrimBlanks(between);
    if (!between.empty() && between.back() == U'-') {
      between.pop_back();
      text::TrimBlanks(between);
      if (IsNonNegativeWholeNumber(between) && At(s, q - 3) == U' ' && At(s, q - 2) == U'-' &&
          At(s, q - 1) == U' ' && At(s, q + 1) == U' ') {
        text::DeleteRange(s, q, 2);
        DeleteAt(s, q - 1);
        DeleteAt(s, q - 3);
        InsertAt(s, p + 1, kNumero);
      }
    }
    p = static_cast<Pos>(FindText(U"№", s, static_cast<std::size_t>(p + 2)));
  }
}

// " - " has no letters, so the search that ignores case finds exactly what FindStr finds.
void YearRangesPass(text::Text& s) {
  auto p = static_cast<Pos>(FindText(U" - ", s, 1));
  while (p > 0) {
    const bool range = p > 4 && Length(s) >= p + 9 && IsOneOrTwo(At(s, p - 4)) && IsOneOrTwo(At(s, p + 3)) &&
                       IsDigit(At(s, p - 3)) && IsDigit(At(s, p - 2)) && IsDigit(At(s, p - 1)) &&
                       IsDigit(At(s, p + 4)) && IsDigit(At(s, p + 5)) && IsDigit(At(s, p + 6));
    if (range) {
      if (p > 5 && At(s, p - 5) == U'(' && At(s, p + 7) == U')') CloseUpYearRange(s, p);
      if (At(s, p + 7) == U' ' && At(s, p + 8) == kSmallG &&
          (At(s, p + 9) == U'.' || At(s, p + 9) == kSmallG)) {
        CloseUpYearRange(s, p);
      }
    }
    p = static_cast<Pos>(FindText(U" - ", s, static_cast<std::size_t>(p + 1)));
  }
}

}  // namespace skorlin::format
