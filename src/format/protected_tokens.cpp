// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the protected tokens of a line: addresses, paths, times and ratios, code and
// emoticons.
#include "format/protected_tokens.h"

#include <algorithm>
#include <array>
#include <bit>

namespace skorlin::format {
namespace {

using text::Char;
using text::TextView;

// The signs each kind of token may hold besides ASCII letters and digits.
constexpr TextView kAddressSigns = U"-._~:/?#[]@!$&'()*+,;=%";
constexpr TextView kMailboxSigns = U"._%+-";
constexpr TextView kPathSigns = U"._-~/\\+:";
// What may stand right before a path.
constexpr TextView kBeforePath = U" \u00A0\t([\"'";
// What joins a path to the word before it ("Каталог:/var/log/", "--prefix=/opt").
constexpr TextView kPathJoiners = U":=";
// The schemes that may stand before an e-mail address.
constexpr TextView kMailSchemes[] = {U"mailto:", U"xmpp:", U"sip:"};
// The one-sign shell and make variables: "$@", "$<", "$?", ...
constexpr TextView kSpecialVariables = U"@<^?*#!$-";
// An emoticon: its eyes, a nose it may have, and its mouth; a bracket mouth may repeat.
constexpr TextView kEmoticonEyes = U":;=";
constexpr TextView kEmoticonNoses = U"-^'";
constexpr TextView kEmoticonMouths = U")(DPpOo|/\\";
// What ends a sentence after an address or a path rather than belonging to it.
constexpr TextView kSentenceEnd = U".,;:!?)]'";

// What a matcher gives when no token begins at the position it is asked about.
constexpr std::size_t kNoMatch = 0;

bool IsAsciiAlNum(Char c) { return text::IsLatin(c) || text::IsDigit(c); }
// A blank or a no-break space: what may stand before a path or an emoticon.
bool IsBlankOrNoBreak(Char c) { return text::IsBlank(c) || c == U'\u00A0'; }
bool Holds(TextView set, Char c) { return set.find(c) != TextView::npos; }
// Addresses may hold Cyrillic letters: "https://кремль.рф/", "sales@магазин.рф".
bool IsAddressChar(Char c) { return IsAsciiAlNum(c) || text::IsCyr(c) || Holds(kAddressSigns, c); }
bool IsMailboxChar(Char c) { return IsAsciiAlNum(c) || text::IsCyr(c) || Holds(kMailboxSigns, c); }
bool IsDomainChar(Char c) { return IsAsciiAlNum(c) || text::IsCyr(c) || c == U'-'; }
bool IsPathChar(Char c) { return IsAsciiAlNum(c) || Holds(kPathSigns, c); }

// The character at i, or 0 (which no rule here accepts) outside the line.
Char CharAt(TextView s, std::size_t i) { return i < s.size() ? s[i] : 0; }
Char CharBefore(TextView s, std::size_t i) { return i > 0 ? s[i - 1] : 0; }

std::size_t SkipWhile(TextView s, std::size_t i, bool (*accepts)(Char)) {
  while (i < s.size() && accepts(s[i])) ++i;
  return i;
}

// The end of a run that may not end with a sign that ends the sentence. A closing bracket
// that pairs with one inside the run belongs to it: "https://x.org/wiki/C_(язык)".
std::size_t WithoutSentenceEnd(TextView s, std::size_t begin, std::size_t end) {
  while (end > begin && Holds(kSentenceEnd, s[end - 1])) {
    if (s[end - 1] == U')') {
      const TextView run = s.substr(begin, end - begin);
      const auto opened = std::count(run.begin(), run.end(), U'(');
      const auto closed = std::count(run.begin(), run.end(), U')');
      if (opened >= closed) break;
    }
    --end;
  }
  return end;
}

bool StartsWithNoCase(TextView s, std::size_t at, TextView prefix) {
  if (s.size() - at < prefix.size()) return false;
  for (std::size_t k = 0; k < prefix.size(); ++k) {
    if (text::LowerChar(s[at + k]) != prefix[k]) return false;
  }
  return true;
}

// Each matcher gives the end of the token that begins at i, or kNoMatch.

std::size_t WebAddressAt(TextView s, std::size_t i) {
  if (IsAsciiAlNum(CharBefore(s, i))) return kNoMatch;
  std::size_t body = i + 4;
  if (!StartsWithNoCase(s, i, U"www.")) {
    const std::size_t schemeEnd = SkipWhile(s, i, text::IsLatin);
    if (schemeEnd == i || s.substr(schemeEnd, 3) != U"://") return kNoMatch;
    body = schemeEnd + 3;
  }
  return WithoutSentenceEnd(s, i, SkipWhile(s, body, IsAddressChar));
}

// The length of the mail scheme ("mailto:") that begins at i, or 0.
std::size_t MailSchemeAt(TextView s, std::size_t i) {
  for (const TextView scheme : kMailSchemes) {
    if (StartsWithNoCase(s, i, scheme)) return scheme.size();
  }
  return 0;
}

std::size_t EmailAt(TextView s, std::size_t i) {
  if (IsMailboxChar(CharBefore(s, i))) return kNoMatch;
  const std::size_t name = i + MailSchemeAt(s, i);
  const std::size_t at = SkipWhile(s, name, IsMailboxChar);
  if (at == name || CharAt(s, at) != U'@') return kNoMatch;
  std::size_t end = at + 1;
  int labels = 0;
  for (std::size_t label = at + 1;; label = end + 1) {
    const std::size_t labelEnd = SkipWhile(s, label, IsDomainChar);
    if (labelEnd == label) break;
    ++labels;
    end = labelEnd;
    if (CharAt(s, end) != U'.') break;
  }
  if (labels < 2) return kNoMatch;
  // "git@salsa.debian.org:team/repo.git": a path on that host after ":".
  if (CharAt(s, end) == U':' && IsPathChar(CharAt(s, end + 1))) {
    end = WithoutSentenceEnd(s, end, SkipWhile(s, end + 1, IsPathChar));
  }
  return end;
}

bool IsPathStart(TextView s, std::size_t i) {
  const Char first = CharAt(s, i);
  const Char second = CharAt(s, i + 1);
  if (first == U'~' || first == U'.') return second == U'/' || s.substr(i, 3) == U"../";
  if (first == U'/') return IsAsciiAlNum(second) || second == U'.' || second == U'_' || second == U'-';
  return text::IsLatin(first) && second == U':' && (CharAt(s, i + 2) == U'\\' || CharAt(s, i + 2) == U'/');
}

std::size_t PathAt(TextView s, std::size_t i) {
  if (i > 0 && !Holds(kBeforePath, s[i - 1])) return kNoMatch;
  if (!IsPathStart(s, i)) return kNoMatch;
  return WithoutSentenceEnd(s, i, SkipWhile(s, i, IsPathChar));
}

// A path led by ":" or "=" (mostly joined to the word before it), the sign and the path as
// one token. Whatever stands before the sign, it is the same token, so spacing the text
// before it never makes it one or takes it apart.
std::size_t JoinedPathAt(TextView s, std::size_t i) {
  if (!Holds(kPathJoiners, CharAt(s, i))) return kNoMatch;
  if (!IsPathStart(s, i + 1)) return kNoMatch;
  return WithoutSentenceEnd(s, i + 1, SkipWhile(s, i + 1, IsPathChar));
}

// The end of a run of one to three digits at i, or kNoMatch.
std::size_t ShortNumberAt(TextView s, std::size_t i) {
  const std::size_t end = SkipWhile(s, i, text::IsDigit);
  return end > i && end - i <= 3 ? end : kNoMatch;
}

std::size_t IpAddressWithPortAt(TextView s, std::size_t i) {
  if (text::IsDigit(CharBefore(s, i)) || CharBefore(s, i) == U'.') return kNoMatch;
  std::size_t end = ShortNumberAt(s, i);
  for (int dots = 0; dots < 3 && end != kNoMatch; ++dots) {
    end = CharAt(s, end) == U'.' ? ShortNumberAt(s, end + 1) : kNoMatch;
  }
  if (end == kNoMatch || CharAt(s, end) != U':' || !text::IsDigit(CharAt(s, end + 1))) return kNoMatch;
  return SkipWhile(s, end + 1, text::IsDigit);
}

// Numbers joined by ":": a time of day ("11:30", "9:05:30") or a ratio ("2:1", "16:9").
// A colon may stand right before it when a word stands before that ("работы:10:00").
std::size_t TimeOrRatioAt(TextView s, std::size_t i) {
  if (text::IsDigit(CharBefore(s, i))) return kNoMatch;
  if (CharBefore(s, i) == U':' && i >= 2 && text::IsDigit(s[i - 2])) return kNoMatch;
  std::size_t end = SkipWhile(s, i, text::IsDigit);
  if (end == i) return kNoMatch;
  std::size_t parts = 1;
  while (CharAt(s, end) == U':' && text::IsDigit(CharAt(s, end + 1))) {
    end = SkipWhile(s, end + 1, text::IsDigit);
    ++parts;
  }
  return parts >= 2 ? end : kNoMatch;
}

// The end of the bracketed text that opens at i ("(" or "{"), nested brackets of the same
// kind included, on printable ASCII; kNoMatch when it does not close.
std::size_t BracketedEnd(TextView s, std::size_t i, Char open, Char close) {
  int depth = 0;
  for (std::size_t k = i; k < s.size(); ++k) {
    if (s[k] < U' ' || s[k] > U'~') return kNoMatch;
    if (s[k] == open) ++depth;
    if (s[k] == close && --depth == 0) return k + 1;
  }
  return kNoMatch;
}

bool IsNameChar(Char c) { return IsAsciiAlNum(c) || c == U'_'; }

std::size_t CodeVariableAt(TextView s, std::size_t i) {
  if (CharAt(s, i) != U'$') return kNoMatch;
  const Char next = CharAt(s, i + 1);
  if (next == U'(') return BracketedEnd(s, i + 1, U'(', U')');
  if (next == U'{') return BracketedEnd(s, i + 1, U'{', U'}');
  if (text::IsLatin(next) || next == U'_') return SkipWhile(s, i + 1, IsNameChar);
  if (Holds(kSpecialVariables, next)) return i + 2;
  // "$1" is a variable; "$50" is a price.
  if (text::IsDigit(next) && !text::IsDigit(CharAt(s, i + 2))) return i + 2;
  return kNoMatch;
}

// "{a,b}", "{1..5}": no blank inside, a comma or two dots among the items.
std::size_t BraceListAt(TextView s, std::size_t i) {
  if (CharAt(s, i) != U'{') return kNoMatch;
  std::size_t k = i + 1;
  while (k < s.size() && !text::IsBlank(s[k]) && s[k] != U'{' && s[k] != U'}') ++k;
  if (CharAt(s, k) != U'}' || k == i + 1) return kNoMatch;
  const TextView items = s.substr(i + 1, k - i - 1);
  const bool list = items.find(U',') != TextView::npos || items.find(U"..") != TextView::npos;
  return list ? k + 1 : kNoMatch;
}

// A spreadsheet formula: "=" before the name of a function (Latin or Cyrillic letters, digits
// and dots) and its bracketed arguments, closed in the same line: "=СУММ(A1:A5; 2)".
std::size_t FormulaAt(TextView s, std::size_t i) {
  if (CharAt(s, i) != U'=' || (i > 0 && !IsBlankOrNoBreak(s[i - 1]) && !Holds(U"(\"{", s[i - 1])))
    return kNoMatch;
  const auto isNameChar = [](Char c) {
    return text::IsLetter(c) || text::IsDigit(c) || c == U'.' || c == U'_';
  };
  const std::size_t open = SkipWhile(s, i + 1, isNameChar);
  if (open == i + 1 || !text::IsLetter(s[i + 1]) || CharAt(s, open) != U'(') return kNoMatch;
  int depth = 0;
  for (std::size_t k = open; k < s.size(); ++k) {
    if (s[k] == U'(') ++depth;
    if (s[k] == U')' && --depth == 0) return k + 1;
  }
  return kNoMatch;
}

// The operators of code that the punctuation rules would take apart: "!=", "?=", ":=", "->",
// "::" (as in "Aptitude::Theme" and "std::string").
constexpr TextView kCodeOperators[] = {U"!=", U"?=", U":=", U"->", U"::"};

std::size_t CodeOperatorAt(TextView s, std::size_t i) {
  for (const TextView op : kCodeOperators) {
    if (s.substr(i, op.size()) == op) return i + op.size();
  }
  return kNoMatch;
}

std::size_t EmoticonAt(TextView s, std::size_t i) {
  if (i > 0 && !IsBlankOrNoBreak(s[i - 1])) return kNoMatch;
  if (!Holds(kEmoticonEyes, CharAt(s, i))) return kNoMatch;
  std::size_t mouth = i + 1;
  if (Holds(kEmoticonNoses, CharAt(s, mouth))) ++mouth;
  const Char shape = CharAt(s, mouth);
  if (!Holds(kEmoticonMouths, shape)) return kNoMatch;
  std::size_t end = mouth + 1;
  if (shape == U')' || shape == U'(') {
    while (CharAt(s, end) == shape) ++end;
  }
  return text::IsAlNum(CharAt(s, end)) ? kNoMatch : end;
}

// What a line must hold before a kind of token can be found in it.
enum Clue : unsigned {
  kSchemeOrWww = 1u << 0,      // "://" or "www.": a web address
  kAtSign = 1u << 1,           // "@": an e-mail address
  kSlash = 1u << 2,            // a slash that may begin a path, joined or not
  kDigitColonDigit = 1u << 3,  // an IP address with its port, a time, a ratio
  kDollar = 1u << 4,           // a code variable
  kBrace = 1u << 5,            // a brace list
  kOperator = 1u << 6,         // "!=", "?=", ":=", "->"
  kEyes = 1u << 7,             // the eyes and mouth of an emoticon
  kFormula = 1u << 8,          // "=" before a letter: a spreadsheet formula
};

// What a kind of token may begin with.
enum Start : unsigned {
  kLatin = 1u << 0,
  kDigit = 1u << 1,
  kCyrillic = 1u << 2,
};

// The kinds of token, in the order they are tried at each position, each with the clue
// without which it cannot match and what it may begin with.
struct Matcher {
  std::size_t (*at)(TextView, std::size_t);
  unsigned clue;
  unsigned starts;
  TextView startSigns;
};
constexpr Matcher kMatchers[] = {
    {WebAddressAt, kSchemeOrWww, kLatin, U""},
    {EmailAt, kAtSign, kLatin | kDigit | kCyrillic, kMailboxSigns},
    {PathAt, kSlash, kLatin, U"~./"},
    {JoinedPathAt, kSlash, 0, kPathJoiners},
    {IpAddressWithPortAt, kDigitColonDigit, kDigit, U""},
    {TimeOrRatioAt, kDigitColonDigit, kDigit, U""},
    {CodeVariableAt, kDollar, 0, U"$"},
    {BraceListAt, kBrace, 0, U"{"},
    {CodeOperatorAt, kOperator, 0, U"!?:-"},
    {FormulaAt, kFormula, 0, U"="},
    {EmoticonAt, kEyes, 0, kEmoticonEyes},
};
constexpr std::size_t kMatcherCount = std::size(kMatchers);

// Which matchers may begin at each ASCII character, and at a Cyrillic letter, as sets of
// their indexes.
struct BeginTable {
  std::array<unsigned, 128> ascii{};
  unsigned cyrillic = 0;
};

constexpr BeginTable MakeBeginTable() {
  BeginTable table;
  for (std::size_t m = 0; m < kMatcherCount; ++m) {
    const unsigned bit = 1u << m;
    for (char32_t c = 0; c < 128; ++c) {
      const bool latin = (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
      const bool digit = c >= U'0' && c <= U'9';
      if ((latin && (kMatchers[m].starts & kLatin)) || (digit && (kMatchers[m].starts & kDigit)) ||
          kMatchers[m].startSigns.find(c) != TextView::npos) {
        table.ascii[c] |= bit;
      }
    }
    if (kMatchers[m].starts & kCyrillic) table.cyrillic |= bit;
  }
  return table;
}

constexpr BeginTable kBeginTable = MakeBeginTable();

unsigned MatchersBeginningWith(Char c) {
  if (c < 128) return kBeginTable.ascii[c];
  return text::IsCyr(c) ? kBeginTable.cyrillic : 0;
}

// Whether the eyes at i, at the start of the line or after a blank, have a mouth after them
// (maybe after a nose).
bool HasFaceAt(TextView line, std::size_t i) {
  if (i > 0 && !IsBlankOrNoBreak(line[i - 1])) return false;
  const std::size_t mouth = Holds(kEmoticonNoses, CharAt(line, i + 1)) ? i + 2 : i + 1;
  return Holds(kEmoticonMouths, CharAt(line, mouth));
}

// The clues a line holds, in one look at each character: most lines of prose hold none,
// and then no matcher runs at all.
unsigned CluesIn(TextView line) {
  unsigned clues = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const Char c = line[i];
    if (c >= 0x80) continue;
    const Char next = CharAt(line, i + 1);
    switch (c) {
      case U':':
        if (line.substr(i, 3) == U"://") clues |= kSchemeOrWww;
        if (text::IsDigit(CharBefore(line, i)) && text::IsDigit(next)) clues |= kDigitColonDigit;
        if (next == U'=' || next == U':') clues |= kOperator;
        if (HasFaceAt(line, i)) clues |= kEyes;
        break;
      case U';':
        if (HasFaceAt(line, i)) clues |= kEyes;
        break;
      case U'=':
        if (HasFaceAt(line, i)) clues |= kEyes;
        if (text::IsLetter(next)) clues |= kFormula;
        break;
      case U'.':
        if (i >= 3 && StartsWithNoCase(line, i - 3, U"www.")) clues |= kSchemeOrWww;
        break;
      case U'@':
        clues |= kAtSign;
        break;
      case U'/':
      case U'\\':
        // A path begins with its first slash, after a blank, a bracket, a quote, ":",
        // "=", "~" or "." (or at the start of the line); a slash after a word ("1/2",
        // "и/или") begins none.
        if (i == 0 || IsBlankOrNoBreak(line[i - 1]) || Holds(U"([\"':=~.", line[i - 1])) clues |= kSlash;
        break;
      case U'$':
        clues |= kDollar;
        break;
      case U'{':
        clues |= kBrace;
        break;
      case U'!':
      case U'?':
        if (next == U'=') clues |= kOperator;
        break;
      case U'-':
        if (next == U'>') clues |= kOperator;
        break;
      default:
        break;
    }
  }
  return clues;
}

}  // namespace

std::vector<TokenSpan> FindProtectedTokens(text::TextView line) {
  std::vector<TokenSpan> tokens;
  const unsigned clues = CluesIn(line);
  if (clues == 0) return tokens;
  unsigned active = 0;
  for (std::size_t m = 0; m < kMatcherCount; ++m) {
    if ((kMatchers[m].clue & clues) != 0) active |= 1u << m;
  }
  std::size_t i = 0;
  while (i < line.size()) {
    std::size_t end = kNoMatch;
    for (unsigned candidates = MatchersBeginningWith(line[i]) & active; candidates != 0 && end <= i;
         candidates &= candidates - 1) {
      end = kMatchers[std::countr_zero(candidates)].at(line, i);
    }
    if (end <= i) {
      ++i;
    } else {
      tokens.push_back({i, end});
      i = end;
    }
  }
  return tokens;
}

}  // namespace skorlin::format
