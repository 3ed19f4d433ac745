// SPDX-License-Identifier: GPL-3.0-or-later
// The local rules of the backward character scan. "Insert" always means one space.
#include "format/scan_rules.h"

#include "format/str_to_float_lenient.h"

namespace skorlin::format {
namespace {

using text::Char;
using text::IsCyr;
using text::IsCyrLower;
using text::IsCyrUpper;
using text::IsDigit;
using text::IsLatin;
using text::IsLetter;

constexpr Char kSpace = U' ';
constexpr Char kQuote = U'"';
constexpr Char kNumero = U'№';

// А to Я without Ё.
bool IsPlainCyrCapital(Char c) { return c >= U'А' && c <= U'Я'; }

void InsertSpace(ScanLine& s, Pos p) { InsertAt(s, p, kSpace); }

// The characters a run of figures is made of: spaces, commas and digits.
bool InNumberRun(Char c) { return c == kSpace || c == U',' || IsDigit(c); }

}  // namespace

// ")" followed by a word gets a space after it.
void SpaceAfterClosingBracket(ScanLine& s, Pos i, Pos) {
  if (At(s, i) == U')' && !InSet(At(s, i + 1), U" \",.")) InsertSpace(s, i + 1);
}

// "(" glued to what precedes it gets a space before it; a doubled space goes in the later
// collapse, a space after the bracket in the closing table.
void SpaceBeforeOpeningBracket(ScanLine& s, Pos i, Pos) {
  if (At(s, i) == U'(' && !InSet(At(s, i + 1), U" \"")) InsertSpace(s, i);
}

// A comma between a word and a number, either way round, gets a space after it.
void SpaceAfterCommaBetweenLetterAndDigit(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U',') return;
  const bool wordThenNumber = IsLetter(At(s, i - 1)) && IsDigit(At(s, i + 1));
  const bool numberThenWord = IsDigit(At(s, i - 1)) && IsLetter(At(s, i + 1));
  if (wordThenNumber || numberThenWord) InsertSpace(s, i + 1);
}

// A comma gets a space after it unless it is the decimal comma of a non-zero number: the
// run of spaces, commas and digits around it must read as one number that is not 0.
void SpaceAfterCommaOutsideNumber(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U',' || At(s, i + 1) == kSpace) return;
  ScanLine::FiguresRun& run = s.figures;
  if (!run.known || i <= run.left) {
    Pos j = i;
    while (j >= 1 && InNumberRun(At(s, j))) --j;
    Pos k = i;
    while (k <= Length(s) && InNumberRun(At(s, k))) ++k;
    text::Text figures;
    for (Pos p = j + 1; p <= k - 1; ++p) {
      if (At(s, p) != kSpace) figures.push_back(At(s, p));
    }
    run = {true, j, StrToFloatLenient(figures) == 0.0};
  }
  if (run.readsAsZero) InsertSpace(s, i + 1);
}

// A Latin "N" before a number (or before a letter, hyphen and number, as in "N А-5") is the
// numero sign, unless it ends a Latin word ("N" before it does not count as one).
void LatinNAsNumeroSign(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'N') return;
  const bool beforeNumber = IsDigit(At(s, i + 1)) || At(s, i + 1) == kNumero || IsDigit(At(s, i + 2)) ||
                            At(s, i + 2) == kNumero ||
                            (IsCyr(At(s, i + 2)) && At(s, i + 3) == U'-' && IsDigit(At(s, i + 4)));
  const Char before = At(s, i - 1);
  const bool afterLatinWord = IsLatin(before) && before != U'N';
  if (beforeNumber && !afterLatinWord) SetAt(s, i, kNumero);
}

// "№5" becomes "№ 5"; "№№" stays together.
void SpaceAfterNumeroSign(ScanLine& s, Pos i, Pos) {
  if (At(s, i) == kNumero && At(s, i + 1) != kSpace && At(s, i + 1) != kNumero) InsertSpace(s, i + 1);
}

// "abc№" becomes "abc №", except right after a quote or an opening bracket or quote mark.
void SpaceBeforeNumeroSign(ScanLine& s, Pos i, Pos) {
  if (At(s, i) == kNumero && !InSet(At(s, i - 1), U" \"(“«")) InsertSpace(s, i);
}

// In the numbers listed after the numero sign every comma gets a space after it (a doubled
// space goes in the later collapse); a comma that ends the line does not.
void SpacesInNumeroList(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != kNumero) return;
  for (Pos k = i + 1; k < Length(s) && InNumberRun(At(s, k)); ++k) {
    if (At(s, k) == U',') {
      InsertSpace(s, k + 1);
      ++k;
    }
  }
}

// A slash after a space that is glued to the next word opens a bracket; a slash glued to
// the word before it and followed by a space closes one.
void SlashAsBracket(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'/') return;
  if (At(s, i - 1) == kSpace && At(s, i + 1) != U'/' && At(s, i + 1) != kSpace) SetAt(s, i, U'(');
  if (At(s, i + 1) == kSpace && At(s, i - 1) != U'/' && At(s, i - 1) != kSpace) SetAt(s, i, U')');
}

// A period followed by a Cyrillic capital: after a small letter it ends a sentence, after an
// initial it stands before a surname; either way a space follows it.
void SpaceAfterPeriodBeforeCapital(ScanLine& s, Pos i, Pos lengthCount) {
  if (At(s, i) != U'.' || !IsCyrUpper(At(s, i + 1))) return;
  if (IsCyrLower(At(s, i - 1))) InsertSpace(s, i + 1);
  const bool initialStartsHere = i == 2 || InSet(At(s, i - 2), U" !\"()-?") ||
                                 (i > 3 && At(s, i - 2) == U'.' && IsCyrUpper(At(s, i - 3)));
  if (i < lengthCount - 2 && IsCyrLower(At(s, i + 2)) && IsCyrUpper(At(s, i - 1)) && initialStartsHere) {
    InsertSpace(s, i + 1);
  }
}

// "слово ." becomes "слово.".
void NoSpaceBeforePeriod(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'.' || i <= 2 || At(s, i - 1) != kSpace) return;
  const Char word = At(s, i - 2);
  if (word == kQuote || IsDigit(word) || IsCyr(word)) DeleteAt(s, i - 1);
}

// "А. С." becomes "А.С.".
void InitialsWrittenTogether(ScanLine& s, Pos i, Pos) {
  if (!IsCyrUpper(At(s, i - 2)) && IsPlainCyrCapital(At(s, i - 1)) && At(s, i) == U'.' &&
      At(s, i + 1) == kSpace && IsCyrUpper(At(s, i + 2)) && At(s, i + 3) == U'.') {
    DeleteAt(s, i + 1);
  }
}

// A period between a word and a small letter or a digit gets a space after it, except in
// the abbreviations "т.д.", "т.п.", "т.ч." and "г.р.".
void SpaceAfterPeriod(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'.') return;
  const Char before = At(s, i - 1);
  const Char after = At(s, i + 1);
  if (!(IsDigit(after) || IsCyrLower(after)) || !IsCyr(before)) return;
  const bool abbreviation = (before == U'т' && (after == U'д' || after == U'п' || after == U'ч')) ||
                            (before == U'г' && after == U'р');
  if (!abbreviation) InsertSpace(s, i + 1);
}

void SpaceAfterSemicolon(ScanLine& s, Pos i, Pos) {
  if (At(s, i) == U';' && At(s, i + 1) != kSpace) InsertSpace(s, i + 1);
}

// "a:b" becomes "a: b"; ":/" stays together, as in a scheme prefix.
void SpaceAfterColon(ScanLine& s, Pos i, Pos) {
  if (At(s, i) == U':' && At(s, i + 1) != kSpace && At(s, i + 1) != U'/') InsertSpace(s, i + 1);
}

// A hyphen between numbers is closed up ("1941 -1945" becomes "1941-1945"); a hyphen between
// a word and a capitalised word is a dash with a space on each side; a hyphen after ")", ","
// or "." and a space gets a space after it too.
void SpacesAroundHyphen(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'-') return;
  if (i > 2 && IsDigit(At(s, i - 2)) && At(s, i - 1) == kSpace && IsDigit(At(s, i + 1))) DeleteAt(s, i - 1);
  if (IsDigit(At(s, i - 1)) && At(s, i + 1) == kSpace && IsDigit(At(s, i + 2))) DeleteAt(s, i + 1);
  if (i > 2 && IsCyrLower(At(s, i - 2)) && At(s, i - 1) == kSpace && IsCyrUpper(At(s, i + 1))) {
    InsertSpace(s, i + 1);
  }
  if (IsCyrLower(At(s, i - 1)) && At(s, i + 1) == kSpace && IsCyrUpper(At(s, i + 2))) InsertSpace(s, i);
  if (i > 2 && InSet(At(s, i - 2), U"),.") && At(s, i - 1) == kSpace && At(s, i + 1) != kSpace) {
    InsertSpace(s, i + 1);
  }
}

// "25кг" becomes "25 кг"; a single digit, or a number with a single letter after it ("5а"),
// stays.
void SpaceAfterNumberGluedToWord(ScanLine& s, Pos i, Pos) {
  if (IsDigit(At(s, i - 1)) && IsDigit(At(s, i)) && IsCyr(At(s, i + 1)) &&
      (At(s, i + 2) == U'.' || IsCyr(At(s, i + 2)))) {
    InsertSpace(s, i + 1);
  }
}

// "стр5" becomes "стр 5".
void SpaceAfterWordGluedToNumber(ScanLine& s, Pos i, Pos) {
  if (IsCyr(At(s, i)) && IsDigit(At(s, i + 1))) InsertSpace(s, i + 1);
}

}  // namespace skorlin::format
