// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that typeset one line, in the order of kLineRules. The shared steps of the HTML
// converter (dashes, number ranges, years, initials) are called with the characters as
// their writer; the other rules are typesetting's own.
#include "typeset/line_rules.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "html/line_steps.h"
#include "html/replacements.h"
#include "text/toolkit.h"
#include "typeset/character_writer.h"

namespace skorlin::typeset {
namespace {

using text::Char;
using text::Text;
using text::TextView;

Char At(const Text& s, std::size_t i) { return i < s.size() ? s[i] : Char{0}; }
Char Before(const Text& s, std::size_t i) { return i > 0 && i <= s.size() ? s[i - 1] : Char{0}; }

bool IsSpace(Char c) { return c == U' ' || c == kNoBreakSpace; }
bool InSet(Char c, TextView set) { return c != 0 && set.find(c) != TextView::npos; }

// The end of the run of letters that begins at i.
std::size_t WordEnd(const Text& s, std::size_t i) {
  while (i < s.size() && text::IsLetter(s[i])) ++i;
  return i;
}

// Whether the lower-case form of word is one of words (all of them short).
template <std::size_t N>
bool OneOf(TextView word, const std::array<TextView, N>& words) {
  constexpr std::size_t kLongest = 8;
  if (word.size() > kLongest) return false;
  Char lower[kLongest];
  for (std::size_t k = 0; k < word.size(); ++k) lower[k] = text::LowerChar(word[k]);
  const TextView lowered(lower, word.size());
  return std::find(words.begin(), words.end(), lowered) != words.end();
}

// What may stand right before a word that a rule binds: the start of the line, a blank, an
// opening bracket or quote, a dash.
bool StartsWordAfter(Char c) { return c == 0 || IsSpace(c) || InSet(c, U"([«„“\"—–"); }

// What may follow a word of the rules: the end, a blank, a sign of punctuation, a closing
// bracket or quote.
bool EndsWordBefore(Char c) { return c == 0 || IsSpace(c) || InSet(c, U".,;:!?…)]»“”\""); }

// The short prepositions, conjunctions and particles a no-break space follows.
constexpr std::array<TextView, 31> kShortWords{
    U"а",   U"в",   U"и",   U"к",   U"о",   U"с",   U"у",   U"во",  U"да",  U"до", U"за",
    U"из",  U"ко",  U"на",  U"не",  U"ни",  U"но",  U"ну",  U"об",  U"от",  U"по", U"со",
    U"без", U"для", U"изо", U"над", U"обо", U"ото", U"под", U"при", U"про",
};

// The particles a no-break space goes before.
constexpr std::array<TextView, 6> kParticles{U"ли", U"ль", U"же", U"ж", U"бы", U"б"};

// Abbreviations a no-break space follows: "см. рис. 5".
constexpr std::array<TextView, 8> kReferenceAbbreviations{U"см",   U"рис", U"стр", U"гл",
                                                          U"табл", U"илл", U"ул",  U"им"};

// The second letters of "т. д.", "т. п.", "т. е.", "т. к.", "т. ч.".
constexpr TextView kSecondOfT = U"дпекч";

// Units and counting words a number is kept with.
constexpr std::array<TextView, 27> kUnits{
    U"кг",  U"мг",   U"г",    U"т",  U"ц",   U"км",  U"м",    U"дм",   U"см",
    U"мм",  U"л",    U"мл",   U"га", U"руб", U"коп", U"долл", U"евро", U"тыс",
    U"млн", U"млрд", U"трлн", U"шт", U"ч",   U"мин", U"сек",  U"с",    U"мес",
};

// The roman digits of a century: "XIX в.".
bool IsRomanDigit(Char c) {
  switch (c) {
    case U'I':
    case U'V':
    case U'X':
    case U'L':
    case U'C':
    case U'D':
    case U'M':
      return true;
    default:
      return false;
  }
}

// Writes the characters of s from i on after the changes collected so far; a change is a
// replacement of length characters at index by text.
class Edits {
 public:
  void Replace(std::size_t index, std::size_t length, TextView by) {
    edits_.push_back({index, length, Text(by)});
  }
  void Apply(Text& s) {
    if (edits_.empty()) return;
    Text out;
    out.reserve(s.size() + edits_.size());
    std::size_t copied = 0;
    for (const Edit& edit : edits_) {
      out.append(s, copied, edit.index - copied);
      out += edit.by;
      copied = edit.index + edit.length;
    }
    out.append(s, copied);
    s = std::move(out);
  }

 private:
  struct Edit {
    std::size_t index;
    std::size_t length;
    Text by;
  };
  std::vector<Edit> edits_;  // ascending, not overlapping
};

// Runs a shared step that writes one character for one (a no-break space, a dash) on the
// line with its no-break spaces read as plain spaces, as the step reads the text the HTML
// converter gives it, and puts them back: a line typeset once reads the same to the step
// as it did the first time.
template <typename Step>
void WithNoBreakSpacesAsSpaces(Text& s, Step step) {
  std::vector<std::size_t> noBreak;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == kNoBreakSpace) {
      noBreak.push_back(i);
      s[i] = U' ';
    }
  }
  const std::size_t size = s.size();
  step(s);
  if (s.size() != size) return;  // never so: the steps write one character for one
  for (const std::size_t i : noBreak) s[i] = kNoBreakSpace;
}

bool EndsWithNoCase(TextView s, TextView tail) {
  if (s.size() < tail.size()) return false;
  return text::LowerStr(s.substr(s.size() - tail.size())) == text::LowerStr(tail);
}

// Whether the run of initials that begins at i ("А." or "А.С.") ends at end: each a capital
// and a period, the first not after a letter, nothing but a blank or a sign after them.
std::size_t InitialsEnd(const Text& s, std::size_t i) {
  if (text::IsLetter(Before(s, i))) return 0;
  std::size_t k = i;
  int count = 0;
  while (count < 2 && text::IsCyrUpper(At(s, k)) && At(s, k + 1) == U'.') {
    k += 2;
    ++count;
  }
  if (count == 0 || text::IsLetter(At(s, k))) return 0;
  return k;
}

// Whether the word that begins at i is a capitalised word of two letters or more.
bool IsCapitalisedWord(const Text& s, std::size_t i) {
  return text::IsCyrUpper(At(s, i)) && text::IsCyrLower(At(s, i + 1));
}

// Whether the word that ends at end (exclusive) is a capitalised word of two letters or more.
bool EndsCapitalisedWord(const Text& s, std::size_t end) {
  std::size_t begin = end;
  while (begin > 0 && text::IsLetter(s[begin - 1])) --begin;
  return end - begin >= 2 && IsCapitalisedWord(s, begin);
}

}  // namespace

namespace {

// The sign each character up to the end of the Cyrillic letters gives; beyond them only
// the dashes and the numero and section signs give one.
constexpr std::size_t kSignTableSize = 0x460;

constexpr std::array<unsigned, kSignTableSize> MakeSignTable() {
  std::array<unsigned, kSignTableSize> table{};
  table[U'('] = kBracket;
  table[U'.'] = kPeriod;
  table[U'-'] = kHyphen;
  table[U'«'] = kDash;
  table[U'Ц'] = kNumero;
  table[U'§'] = kSection;
  table[U'г'] = kSmallG;
  table[U':'] = kColon;
  for (const Char c : TextView(U"0123456789IVXLCDM")) table[c] = kNumber;
  return table;
}

constexpr auto kSignTable = MakeSignTable();

}  // namespace

unsigned SignsOf(TextView s) {
  unsigned signs = 0;
  for (const Char c : s) {
    if (c < kSignTableSize) {
      signs |= kSignTable[c];
    } else if (c == U'—' || c == U'–') {
      signs |= kDash;
    } else if (c == U'№') {
      signs |= kNumero;
    }
  }
  return signs;
}

void WriteCopyrightSign(Text& s) {
  Edits edits;
  for (std::size_t i = 0; i + 2 < s.size(); ++i) {
    if (s[i] != U'(' || !InSet(s[i + 1], U"cCсС") || s[i + 2] != U')') continue;
    std::size_t next = i + 3;
    if (IsSpace(At(s, next))) ++next;
    Text before = s.substr(0, i);
    while (!before.empty() && IsSpace(before.back())) before.pop_back();
    if (text::IsDigit(At(s, next)) || EndsWithNoCase(before, U"copyright")) edits.Replace(i, 3, U"©");
  }
  edits.Apply(s);
}

void WriteEllipsis(Text& s) { html::ApplyReplacements(s, kEllipsisRows); }

void WriteDialogueDash(Text& s) {
  std::size_t dashes = 0;
  while (dashes < 3 && InSet(At(s, dashes), U"-–—")) ++dashes;
  // Speech begins with a word, a number, a quotation, an ellipsis; "- games" (a lower-case
  // Latin word) and "- + $" are items of a list or of code.
  const Char first = At(s, dashes + 1);
  const bool speech = first != 0 && !IsSpace(first) && !(first >= U'a' && first <= U'z') &&
                      !InSet(first, U"+-–—${}[]<>=|/\\*#~");
  if (dashes == 0 || !IsSpace(At(s, dashes)) || !speech) return;
  s.replace(0, dashes, kEmDash);
}

void WriteSpacedDashes(Text& s) {
  // Two hyphens that share a space ("a - - b") are two dashes: the step runs again for the
  // second one, which its first run passes over.
  while (s.find(U" - ") != Text::npos) html::WriteDashes(s, kEmDash, kEnDash, kEmDash);
  // A no-break space the author put beside the hyphen, and the end of the line after it,
  // count as the spaces around it.
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i] == U'-' && IsSpace(s[i - 1]) && (i + 1 == s.size() || IsSpace(s[i + 1]))) s[i] = U'—';
  }
  // A hyphen glued to the quotation before it and followed by a space is the dash of speech
  // ("Сорок»- сказал"): a no-break space goes in before it.
  Edits edits;
  for (std::size_t i = 1; i + 1 < s.size(); ++i) {
    if (s[i] == U'-' && InSet(s[i - 1], U"»“”") && s[i + 1] == U' ') edits.Replace(i, 1, U"\u00A0—");
  }
  edits.Apply(s);
}

void JoinNumeroSign(Text& s) { html::ApplyReplacements(s, kNumeroRows); }

void JoinSectionSign(Text& s) {
  Edits edits;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != U'§') continue;
    if (At(s, i + 1) == U' ' && text::IsDigit(At(s, i + 2))) edits.Replace(i + 1, 1, kNbsp);
    if (text::IsDigit(At(s, i + 1))) edits.Replace(i + 1, 0, kNbsp);
  }
  edits.Apply(s);
}

void WriteNumberRanges(Text& s) {
  // A range goes up ("1941-1945", "10-15"); a number of a standard or a date does not
  // ("FIPS 151-2", "2024-01"), nor one written after a name and a period ("POSIX.1-2001").
  const auto ascends = [](TextView line, std::size_t begin, std::size_t dashAt, std::size_t end) {
    if (begin > 0 && (line[begin - 1] == U'.' || text::IsLetter(line[begin - 1]))) return false;
    const TextView left = line.substr(begin, dashAt - begin);
    const TextView right = line.substr(dashAt + 1, end - dashAt - 1);
    return left.size() < right.size() || (left.size() == right.size() && left < right);
  };
  WithNoBreakSpacesAsSpaces(s, [&ascends](Text& line) { html::WriteNumberRanges(line, kEnDash, ascends); });
}

void JoinYearsAndCities(Text& s) {
  WithNoBreakSpacesAsSpaces(s, [](Text& line) { html::JoinYearsAndCities(line, kNbsp); });
}

void JoinInitials(Text& s) {
  WithNoBreakSpacesAsSpaces(s, [](Text& line) { html::JoinInitials(line, kNbsp); });
  // Initials before the surname ("А. Пушкин"), and after it at the end of a clause
  // ("Пушкин А.С."); two initials written together take a no-break space between them
  // ("А.⍽С.⍽Пушкин").
  Edits edits;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!text::IsCyrUpper(s[i]) || At(s, i + 1) != U'.') continue;
    const std::size_t end = InitialsEnd(s, i);
    if (end == 0) continue;
    const bool surnameAfter = IsSpace(At(s, end)) && IsCapitalisedWord(s, end + 1);
    const bool surnameBefore = !surnameAfter && Before(s, i) == U' ' && i >= 1 &&
                               EndsCapitalisedWord(s, i - 1) && EndsWordBefore(At(s, end));
    if (surnameBefore) edits.Replace(i - 1, 1, kNbsp);
    if (end == i + 4) edits.Replace(i + 2, 0, kNbsp);
    if (surnameAfter && At(s, end) == U' ') edits.Replace(end, 1, kNbsp);
    i = end - 1;
  }
  edits.Apply(s);
}

void JoinShortWords(Text& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    if (!text::IsCyr(s[i])) {
      ++i;
      continue;
    }
    const std::size_t end = WordEnd(s, i);
    if (end - i <= 3 && At(s, end) == U' ' && StartsWordAfter(Before(s, i)) && !IsSpace(At(s, end + 1)) &&
        !InSet(At(s, end + 1), U"—–-") && At(s, end + 1) != 0 &&
        OneOf(TextView(s).substr(i, end - i), kShortWords)) {
      s[end] = kNoBreakSpace;
    }
    i = end + 1;
  }
}

void JoinParticles(Text& s) {
  for (std::size_t i = 2; i < s.size(); ++i) {
    // A particle follows a word (or a closing bracket or quote) and one plain space.
    if (!text::IsCyr(s[i]) || s[i - 1] != U' ' || !(text::IsAlNum(s[i - 2]) || InSet(s[i - 2], U")»\"")))
      continue;
    const std::size_t end = WordEnd(s, i);
    if (end - i <= 2 && EndsWordBefore(At(s, end)) && OneOf(TextView(s).substr(i, end - i), kParticles)) {
      s[i - 1] = kNoBreakSpace;
    }
    i = end;
  }
}

void JoinAbbreviations(Text& s) {
  Edits edits;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!text::IsCyr(s[i]) || text::IsLetter(Before(s, i))) continue;
    const std::size_t end = WordEnd(s, i);
    if (At(s, end) != U'.') {
      i = end;
      continue;
    }
    // "т.д.", "т. д.": a no-break space between the two letters.
    if (end == i + 1 && (s[i] == U'т' || s[i] == U'Т')) {
      const std::size_t second = IsSpace(At(s, end + 1)) ? end + 2 : end + 1;
      if (InSet(At(s, second), kSecondOfT) && At(s, second + 1) == U'.' &&
          !text::IsLetter(At(s, second + 2))) {
        if (second == end + 2) {
          edits.Replace(end + 1, 1, kNbsp);
        } else {
          edits.Replace(end + 1, 0, kNbsp);
        }
        i = second + 1;
        continue;
      }
    }
    // "см. рис. 5": a no-break space after the abbreviation.
    if (At(s, end + 1) == U' ' && At(s, end + 2) != 0 &&
        OneOf(TextView(s).substr(i, end - i), kReferenceAbbreviations)) {
      edits.Replace(end + 1, 1, kNbsp);
    }
    i = end;
  }
  edits.Apply(s);
}

void JoinNumbersAndUnits(Text& s) {
  for (std::size_t i = 1; i + 1 < s.size(); ++i) {
    if (s[i] != U' ') continue;
    const Char before = s[i - 1];
    if (!text::IsDigit(before) && !IsRomanDigit(before)) continue;
    const std::size_t word = i + 1;
    const std::size_t end = WordEnd(s, word);
    if (end == word) continue;
    const TextView unit = TextView(s).substr(word, end - word);
    const bool number = text::IsDigit(before) && OneOf(unit, kUnits) && EndsWordBefore(At(s, end));
    // A century: roman digits before "в." or "вв.".
    const bool century = IsRomanDigit(before) && (unit == U"в" || unit == U"вв") && At(s, end) == U'.';
    if (number || century) s[i] = kNoBreakSpace;
  }
}

void JoinDashes(Text& s) { html::ApplyReplacements(s, kClosingRows); }

void SpaceDashAfterColon(Text& s) {
  for (std::size_t i = 0; i + 2 < s.size(); ++i) {
    if (s[i] == U':' && s[i + 1] == kNoBreakSpace && s[i + 2] == U'—') s[i + 1] = U' ';
  }
}

}  // namespace skorlin::typeset
