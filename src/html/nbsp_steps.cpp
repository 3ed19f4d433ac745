// SPDX-License-Identifier: GPL-3.0-or-later
// The positional steps of the HTML line converter: the multiplication sign, number
// ranges and the non-breaking spaces after "г.", around initials and after short words.
//
// Each rule is defined as a walk over the line that puts an entity in place of one
// character and reads the line as it then stands. Here every step first finds the
// positions in the unchanged line, in one pass, and then writes all entities at once;
// the comments say why the positions are the same.
#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "html/line_steps.h"
#include "text/toolkit.h"

namespace skorlin::html {

using text::Char;
using text::Text;
using text::TextView;

namespace {

bool IsTimesLetter(Char c) { return c == U'x' || c == U'х'; }
bool IsRangeChar(Char c) { return text::IsDigit(c) || c == U'-' || c == U'–'; }

// "г." or "гг." at 1-based position p.
bool IsYearAbbreviation(TextView s, std::ptrdiff_t p) {
  if (CharAt(s, p) != U'г') return false;
  return CharAt(s, p + 1) == U'.' || (CharAt(s, p + 1) == U'г' && CharAt(s, p + 2) == U'.');
}

bool IsLineStartBefore(Char c) { return c == U'\r' || c == U'\n' || c == U' '; }

constexpr std::array<TextView, 8> kShortWords{U"не", U"с", U"в", U"на", U"от", U"у", U"к", U"за"};

}  // namespace

void WriteMultiplicationSigns(Text& s, TextView sign) {
  // The walk runs from the right. A sign put at p + 1 turns the character at p + 2 into
  // "t", so the letter at p then fails its test; a sign put anywhere else changes nothing
  // that the test at p reads.
  const auto n = static_cast<std::ptrdiff_t>(s.size());
  std::vector<std::size_t> positions;
  bool putRight = false;  // whether a sign was put at p + 1
  for (std::ptrdiff_t p = n - 2; p >= 3; --p) {
    const bool put = !putRight && IsTimesLetter(CharAt(s, p)) && text::IsDigit(CharAt(s, p - 2)) &&
                     text::IsDigit(CharAt(s, p + 2));
    if (put) positions.push_back(static_cast<std::size_t>(p));
    putRight = put;
  }
  std::reverse(positions.begin(), positions.end());
  PutEntities(s, positions, sign);
}

void WriteNumberRanges(Text& s, TextView dash, RangeTest isRange) {
  // A hyphen is replaced only when it is the one dash of its run of digits and dashes;
  // runs are bounded by characters the entity does not change, so every run can be judged
  // on the unchanged line.
  const auto n = static_cast<std::ptrdiff_t>(s.size());
  std::vector<std::size_t> positions;
  std::ptrdiff_t p = 1;
  while (p <= n) {
    if (!IsRangeChar(CharAt(s, p))) {
      ++p;
      continue;
    }
    const std::ptrdiff_t start = p;
    std::ptrdiff_t dashes = 0;
    std::ptrdiff_t dashAt = 0;
    while (p <= n && IsRangeChar(CharAt(s, p))) {
      if (!text::IsDigit(CharAt(s, p))) {
        ++dashes;
        dashAt = p;
      }
      ++p;
    }
    const std::ptrdiff_t length = p - start;
    if (dashes == 1 && length > 3 && CharAt(s, dashAt) == U'-' && dashAt >= 2 && dashAt <= n - 2 &&
        (isRange == nullptr ||
         isRange(s, static_cast<std::size_t>(start - 1), static_cast<std::size_t>(dashAt - 1),
                 static_cast<std::size_t>(p - 1)))) {
      positions.push_back(static_cast<std::size_t>(dashAt));
    }
  }
  PutEntities(s, positions, dash);
}

void JoinYearsAndCities(Text& s, TextView nbsp) {
  // The walk visits every character of the unchanged line from position 3 while it lies
  // before the last two, and skips the characters of the entities it puts. A space that
  // has been put reads ";", which matters only where a space before "г" is tested: a
  // space put after "г." is followed by a capital, never by "г", and a space put before
  // "г" is the one of the same abbreviation, which then does not fire again.
  const auto n = static_cast<std::ptrdiff_t>(s.size());
  std::vector<std::size_t> positions;
  for (std::ptrdiff_t p = 3; p < n - 1; ++p) {
    if (!IsYearAbbreviation(s, p)) continue;
    const Char before = CharAt(s, p - 1);
    if (before == U' ' && text::IsDigit(CharAt(s, p - 2))) {
      positions.push_back(static_cast<std::size_t>(p - 1));
    } else if ((before == U' ' || before == U'(') && CharAt(s, p + 2) == U' ' &&
               IsCapital(CharAt(s, p + 3))) {
      positions.push_back(static_cast<std::size_t>(p + 2));
    }
  }
  PutEntities(s, positions, nbsp);
}

void JoinInitials(Text& s, TextView nbsp) {
  // As in the walk, a space already put after initials reads ";" and so does not start
  // the next initials ('А.Б. В.Г. Иванов' joins only the first pair); every other test
  // reads characters no entity has replaced yet.
  const auto n = static_cast<std::ptrdiff_t>(s.size());
  std::vector<std::size_t> positions;
  std::ptrdiff_t lastPut = 0;
  for (std::ptrdiff_t p = 1; p < n - 5; ++p) {
    const bool startsWord = p == 1 || (IsLineStartBefore(CharAt(s, p - 1)) && lastPut != p - 1);
    if (!startsWord || !IsCapital(CharAt(s, p)) || CharAt(s, p + 1) != U'.' || !IsCapital(CharAt(s, p + 2)) ||
        CharAt(s, p + 3) != U'.') {
      continue;
    }
    if (CharAt(s, p + 4) == U' ' && IsCapital(CharAt(s, p + 5))) {
      lastPut = p + 4;
      positions.push_back(static_cast<std::size_t>(lastPut));
    } else if (p > 1 && CharAt(s, p - 1) == U' ') {
      lastPut = p - 1;
      positions.push_back(static_cast<std::size_t>(lastPut));
    }
  }
  PutEntities(s, positions, nbsp);
}

void JoinShortWords(Text& s, TextView nbsp) {
  // Words are taken between consecutive spaces of the unchanged line; the word after a
  // space that has just been put reads "nbsp;" and more, so it is never short.
  std::vector<std::size_t> positions;
  std::size_t a = s.find(U' ');
  bool putAtA = false;
  while (a != Text::npos) {
    const std::size_t b = s.find(U' ', a + 1);
    if (b == Text::npos) break;
    bool put = false;
    const std::size_t length = b - a - 1;
    if (!putAtA && length >= 1 && length <= 3) {
      const Text word = text::LowerStr(TextView(s).substr(a + 1, length));
      put = std::find(kShortWords.begin(), kShortWords.end(), TextView(word)) != kShortWords.end();
    }
    if (put) positions.push_back(b + 1);
    putAtA = put;
    a = b;
  }
  PutEntities(s, positions, nbsp);
}

}  // namespace skorlin::html
