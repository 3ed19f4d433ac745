// SPDX-License-Identifier: GPL-3.0-or-later
// The local rules of the backward character scan. "Insert" always means one space.
#include "format/scan_rules.h"

#include "format/slash_pairs.h"
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

// What a program's name or a number ends with: "f(x)", "main()", "2(3 + 4)".
bool EndsNameOrNumber(Char c) { return IsLatin(c) || IsDigit(c) || c == U'_'; }

// Whether the word that ends at p is written in capitals, two or more of them: the name of
// a function in a formula ("МЕДИАНА(1; 5)") or an abbreviation ("ВКП(б)").
bool EndsCapitalsWord(const ScanLine& s, Pos p) {
  const auto isCapital = [](Char c) { return IsCyrUpper(c) || (c >= U'A' && c <= U'Z'); };
  Pos before = p;
  while (isCapital(At(s, before))) --before;
  return p - before >= 2 && !IsLetter(At(s, before));
}

// Whether the bracket at i closes a part of a word: "(пере)сборка", "(un)subscription".
bool ClosesPartOfWord(const ScanLine& s, Pos i) {
  if (!IsLetter(At(s, i + 1))) return false;
  Pos k = i - 1;
  while (IsLetter(At(s, k))) --k;
  return k < i - 1 && At(s, k) == U'(' && !IsLetter(At(s, k - 1));
}

// The quotation marks: the straight one and the typographic ones it may become. Where a rule
// treats a straight quote in some way, it treats them all so, so that typesetting the
// quotes changes nothing a rule does.
constexpr text::TextView kQuoteMarks = U"\"«»„“”";

// The signs of a formula that a bracket stays glued to: "(100*0)+(50*1)", "x=(a)".
constexpr text::TextView kFormulaSigns = U"+*/=^";

// The marks that close a quotation or a bracket: no space goes before them.
constexpr text::TextView kClosingMarks = U"»“”'";

// Whether the mark at p closes a quotation or a bracket: one of the closing marks, or a
// straight quote that a blank, the end of the line or a sign of punctuation follows.
bool ClosesQuotation(const ScanLine& s, Pos p) {
  const Char c = At(s, p);
  const Char next = At(s, p + 1);
  const bool quoteCloses = next == kNoChar || InSet(next, U" \u00A0\t.,;:!?…)]}»“”'\"");
  return InSet(c, kClosingMarks) || InSet(c, U")]") || (c == kQuote && quoteCloses);
}

// The signs of arithmetic: "N-1", "N+1", "N*2" are formulas, not numbers.
bool IsArithmeticSign(Char c) { return InSet(c, U"-+*/=<>^×−"); }

// Units written with their power: "м2", "см3".
constexpr text::TextView kUnitsWithPower[] = {U"м", U"дм", U"см", U"мм", U"км"};

// Whether the Cyrillic word that ends at i is a unit and the digit after it its power.
bool IsUnitWithPower(const ScanLine& s, Pos i) {
  const Char power = At(s, i + 1);
  if ((power != U'2' && power != U'3') || IsDigit(At(s, i + 2))) return false;
  Pos start = i;
  while (IsLetter(At(s, start - 1))) --start;
  if (i - start + 1 > 2) return false;
  text::Text word;
  for (Pos p = start; p <= i; ++p) word.push_back(At(s, p));
  for (const text::TextView unit : kUnitsWithPower) {
    if (word == unit) return true;
  }
  return false;
}

// Digits grouped by commas in threes: "1,000,000".
bool IsDigitGroups(const text::Text& figures) {
  const std::size_t firstComma = figures.find(U',');
  if (firstComma == text::Text::npos || firstComma == 0 || firstComma > 3 || figures[0] == U'0') return false;
  for (std::size_t comma = firstComma; comma < figures.size(); comma += 4) {
    if (figures[comma] != U',' || comma + 4 > figures.size()) return false;
    for (std::size_t k = comma + 1; k < comma + 4; ++k) {
      if (!IsDigit(figures[k])) return false;
    }
  }
  return true;
}

}  // namespace

// ")" followed by a word gets a space after it, unless the bracket closes a part of the
// word ("(пере)сборка"), a quotation or a brace closes right after it, an escape of code
// follows it ("mcheck()\n"), a sign of a formula ("(1*2)+(3*4)"), or a quotation mark of any
// kind (as a straight quote there gets none).
void SpaceAfterClosingBracket(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U')' || InSet(At(s, i + 1), U" ,.…}\\") || InSet(At(s, i + 1), kFormulaSigns) ||
      InSet(At(s, i + 1), kQuoteMarks) || InSet(At(s, i + 1), kClosingMarks)) {
    return;
  }
  if (!ClosesPartOfWord(s, i)) InsertSpace(s, i + 1);
}

// "(" glued to what precedes it gets a space before it (not when a quotation mark of any
// kind follows it, as a straight quote there gets none); a doubled space goes in the later
// collapse, a space after the bracket in the closing table. A bracket after a Latin name, a
// number, a word in capitals or a sign of a formula is a call or a formula and stays ("f(x)",
// "main()", "МЕДИАНА(1; 5)", "+(50*1)"), and so does one right after an opening quote or
// bracket.
void SpaceBeforeOpeningBracket(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'(' || At(s, i + 1) == kSpace || InSet(At(s, i + 1), kQuoteMarks)) return;
  const Char before = At(s, i - 1);
  if (EndsNameOrNumber(before) || InSet(before, U"«„“([") || InSet(before, kFormulaSigns) ||
      EndsCapitalsWord(s, i - 1)) {
    return;
  }
  InsertSpace(s, i);
}

// A comma between a word and a number, either way round, gets a space after it.
void SpaceAfterCommaBetweenLetterAndDigit(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U',') return;
  const bool wordThenNumber = IsLetter(At(s, i - 1)) && IsDigit(At(s, i + 1));
  const bool numberThenWord = IsDigit(At(s, i - 1)) && IsLetter(At(s, i + 1));
  if (wordThenNumber || numberThenWord) InsertSpace(s, i + 1);
}

// A comma gets a space after it unless it is the decimal comma of a non-zero number (the
// run of spaces, commas and digits around it must read as one number that is not 0), groups
// the digits of a number in threes ("1,000,000") or ends a quotation ("знал," - сказал).
void SpaceAfterCommaOutsideNumber(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U',' || At(s, i + 1) == kSpace || ClosesQuotation(s, i + 1)) return;
  ScanLine::FiguresRun& run = s.figures;
  if (!run.known || i <= run.left) {
    Pos j = i;
    while (j >= 1 && InNumberRun(At(s, j))) --j;
    Pos k = i;
    while (k <= Length(s) && InNumberRun(At(s, k))) ++k;
    text::Text figures;
    bool spaced = false;
    for (Pos p = j + 1; p <= k - 1; ++p) {
      if (At(s, p) != kSpace) {
        spaced = spaced || (!figures.empty() && At(s, p - 1) == kSpace);
        figures.push_back(At(s, p));
      }
    }
    const bool grouped = !spaced && IsDigitGroups(figures);
    run = {true, j, !grouped && StrToFloatLenient(figures) == 0.0};
  }
  if (run.readsAsZero) InsertSpace(s, i + 1);
}

// A Latin "N" before a number (or before a letter, hyphen and number, as in "N А-5") is the
// numero sign, unless it ends a Latin word ("N" before it does not count as one) or a sign
// of arithmetic follows it: "N-1" is a formula.
void LatinNAsNumeroSign(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'N' || IsArithmeticSign(At(s, i + 1))) return;
  // The number may follow after one space ("N 15", "N А-5"), but not after another sign
  // ("N…1", "N.5").
  const bool spaced = At(s, i + 1) == kSpace;
  const bool beforeNumber =
      IsDigit(At(s, i + 1)) || At(s, i + 1) == kNumero ||
      (spaced && (IsDigit(At(s, i + 2)) || At(s, i + 2) == kNumero ||
                  (IsCyr(At(s, i + 2)) && At(s, i + 3) == U'-' && IsDigit(At(s, i + 4)))));
  const Char before = At(s, i - 1);
  const bool afterLatinWord = IsLatin(before) && before != U'N';
  if (beforeNumber && !afterLatinWord) SetAt(s, i, kNumero);
}

// "№5" becomes "№ 5"; "№№" stays together.
void SpaceAfterNumeroSign(ScanLine& s, Pos i, Pos) {
  if (At(s, i) == kNumero && At(s, i + 1) != kSpace && At(s, i + 1) != kNumero) InsertSpace(s, i + 1);
}

// "abc№" becomes "abc №", except right after a quotation mark of any kind or an opening
// bracket.
void SpaceBeforeNumeroSign(ScanLine& s, Pos i, Pos) {
  if (At(s, i) == kNumero && At(s, i - 1) != kSpace && At(s, i - 1) != U'(' &&
      !InSet(At(s, i - 1), kQuoteMarks)) {
    InsertSpace(s, i);
  }
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

// Slashes used as brackets around a word, as in "ВКП /б/": the one after a space that is
// glued to the next word opens a bracket, the one glued to the word before it and followed
// by a space closes one. A slash that is not one of such a pair stays ("стр. 5 /").
void SlashAsBracket(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'/') return;
  if (At(s, i - 1) == kSpace && At(s, i + 1) != U'/' && At(s, i + 1) != kSpace && OpensSlashPair(s, i)) {
    SetAt(s, i, U'(');
  }
  if (At(s, i + 1) == kSpace && At(s, i - 1) != U'/' && At(s, i - 1) != kSpace && ClosesSlashPair(s, i)) {
    SetAt(s, i, U')');
  }
}

// A period followed by a Cyrillic capital: after a small letter it ends a sentence, after an
// initial it stands before a surname; either way a space follows it.
void SpaceAfterPeriodBeforeCapital(ScanLine& s, Pos i, Pos lengthCount) {
  if (At(s, i) != U'.' || !IsCyrUpper(At(s, i + 1))) return;
  if (IsCyrLower(At(s, i - 1))) InsertSpace(s, i + 1);
  const bool initialStartsHere = i == 2 || InSet(At(s, i - 2), U" !()-?") ||
                                 InSet(At(s, i - 2), kQuoteMarks) ||
                                 (i > 3 && At(s, i - 2) == U'.' && IsCyrUpper(At(s, i - 3)));
  if (i < lengthCount - 2 && IsCyrLower(At(s, i + 2)) && IsCyrUpper(At(s, i - 1)) && initialStartsHere) {
    InsertSpace(s, i + 1);
  }
}

// "слово ." becomes "слово."; a period that begins a word stays apart: ".bashrc", "...и".
void NoSpaceBeforePeriod(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'.' || i <= 2 || At(s, i - 1) != kSpace) return;
  Pos after = i + 1;
  while (At(s, after) == U'.') ++after;
  if (text::IsAlNum(At(s, after))) return;
  const Char word = At(s, i - 2);
  if (InSet(word, kQuoteMarks) || IsDigit(word) || IsCyr(word)) DeleteAt(s, i - 1);
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

// "слово:слово" becomes "слово: слово"; ":/" stays together, as in a scheme prefix, and so
// does a colon between Latin letters or digits ("root:root", "B2:B6") or before the mark
// that closes a quotation or a bracket ("«ID:»").
void SpaceAfterColon(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U':') return;
  const Char after = At(s, i + 1);
  if (after == kSpace || after == U'/' || after == U'\\' || ClosesQuotation(s, i + 1)) return;
  if (EndsNameOrNumber(At(s, i - 1)) && EndsNameOrNumber(after)) return;
  InsertSpace(s, i + 1);
}

// A hyphen between numbers is closed up ("1941 -1945" becomes "1941-1945"); a hyphen between
// a word and a capitalised word is a dash with a space on each side; a hyphen after ")", ","
// or "." and a space gets a space after it too, unless it begins a command's option ("-o")
// or is the minus of a number ("-1").
void SpacesAroundHyphen(ScanLine& s, Pos i, Pos) {
  if (At(s, i) != U'-') return;
  if (i > 2 && IsDigit(At(s, i - 2)) && At(s, i - 1) == kSpace && IsDigit(At(s, i + 1))) DeleteAt(s, i - 1);
  if (IsDigit(At(s, i - 1)) && At(s, i + 1) == kSpace && IsDigit(At(s, i + 2))) DeleteAt(s, i + 1);
  if (i > 2 && IsCyrLower(At(s, i - 2)) && At(s, i - 1) == kSpace && IsCyrUpper(At(s, i + 1))) {
    InsertSpace(s, i + 1);
  }
  if (IsCyrLower(At(s, i - 1)) && At(s, i + 1) == kSpace && IsCyrUpper(At(s, i + 2))) InsertSpace(s, i);
  if (i > 2 && InSet(At(s, i - 2), U"),.") && At(s, i - 1) == kSpace && At(s, i + 1) != kSpace &&
      !IsLatin(At(s, i + 1)) && !IsDigit(At(s, i + 1)) && At(s, i + 1) != U'-') {
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

// "стр5" becomes "стр 5"; a unit and its power stay together: "м2".
void SpaceAfterWordGluedToNumber(ScanLine& s, Pos i, Pos) {
  if (IsCyr(At(s, i)) && IsDigit(At(s, i + 1)) && !IsUnitWithPower(s, i)) InsertSpace(s, i + 1);
}

}  // namespace skorlin::format
