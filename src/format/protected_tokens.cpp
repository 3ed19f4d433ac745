// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the web addresses, e-mail addresses, file paths and times of day of a line.
#include "format/protected_tokens.h"

namespace skorlin::format {
namespace {

using text::Char;
using text::TextView;

// The signs each kind of token may hold besides ASCII letters and digits.
constexpr TextView kAddressSigns = U"-._~:/?#[]@!$&'()*+,;=%";
constexpr TextView kMailboxSigns = U"._%+-";
constexpr TextView kPathSigns = U"._-~/\\+:";
// What may stand right before a path.
constexpr TextView kBeforePath = U" \t([\"'";
// What ends a sentence after an address or a path rather than belonging to it.
constexpr TextView kSentenceEnd = U".,;:!?)]'";

// What a matcher gives when no token begins at the position it is asked about.
constexpr std::size_t kNoMatch = 0;

bool IsAsciiAlNum(Char c) { return text::IsLatin(c) || text::IsDigit(c); }
bool Holds(TextView set, Char c) { return set.find(c) != TextView::npos; }
bool IsAddressChar(Char c) { return IsAsciiAlNum(c) || Holds(kAddressSigns, c); }
bool IsMailboxChar(Char c) { return IsAsciiAlNum(c) || Holds(kMailboxSigns, c); }
bool IsDomainChar(Char c) { return IsAsciiAlNum(c) || c == U'-'; }
bool IsPathChar(Char c) { return IsAsciiAlNum(c) || Holds(kPathSigns, c); }

// The character at i, or 0 (which no rule here accepts) outside the line.
Char CharAt(TextView s, std::size_t i) { return i < s.size() ? s[i] : 0; }
Char CharBefore(TextView s, std::size_t i) { return i > 0 ? s[i - 1] : 0; }

std::size_t SkipWhile(TextView s, std::size_t i, bool (*accepts)(Char)) {
  while (i < s.size() && accepts(s[i])) ++i;
  return i;
}

// The end of a run that may not end with a sign that ends the sentence.
std::size_t WithoutSentenceEnd(TextView s, std::size_t begin, std::size_t end) {
  while (end > begin && Holds(kSentenceEnd, s[end - 1])) --end;
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

std::size_t EmailAt(TextView s, std::size_t i) {
  if (IsMailboxChar(CharBefore(s, i))) return kNoMatch;
  const std::size_t at = SkipWhile(s, i, IsMailboxChar);
  if (at == i || CharAt(s, at) != U'@') return kNoMatch;
  std::size_t end = at + 1;
  int labels = 0;
  for (std::size_t label = at + 1;; label = end + 1) {
    const std::size_t labelEnd = SkipWhile(s, label, IsDomainChar);
    if (labelEnd == label) break;
    ++labels;
    end = labelEnd;
    if (CharAt(s, end) != U'.') break;
  }
  return labels >= 2 ? end : kNoMatch;
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

bool TwoDigitsAt(TextView s, std::size_t i) {
  return text::IsDigit(CharAt(s, i)) && text::IsDigit(CharAt(s, i + 1));
}

std::size_t TimeAt(TextView s, std::size_t i) {
  const auto isDigitOrColon = [](Char c) { return text::IsDigit(c) || c == U':'; };
  if (isDigitOrColon(CharBefore(s, i))) return kNoMatch;
  const std::size_t hoursEnd = SkipWhile(s, i, text::IsDigit);
  if (hoursEnd == i || hoursEnd - i > 2) return kNoMatch;
  if (CharAt(s, hoursEnd) != U':' || !TwoDigitsAt(s, hoursEnd + 1)) return kNoMatch;
  std::size_t end = hoursEnd + 3;
  if (CharAt(s, end) == U':' && TwoDigitsAt(s, end + 1)) end += 3;
  return isDigitOrColon(CharAt(s, end)) ? kNoMatch : end;
}

// The kinds of token, in the order they are tried at each position.
constexpr std::size_t (*kMatchers[])(TextView, std::size_t) = {WebAddressAt, EmailAt, PathAt, TimeAt};

// Every token holds ":", "@", "/" or "www.": a line without them (most lines of prose)
// is passed over in one quick look.
bool MayHoldTokens(TextView line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const Char c = line[i];
    if (c == U':' || c == U'@' || c == U'/') return true;
    if (c == U'.' && i >= 3 && StartsWithNoCase(line, i - 3, U"www.")) return true;
  }
  return false;
}

// Only these can begin a token: an ASCII letter or digit (a scheme, "www.", a drive, an
// e-mail name, a time) or one of the signs an e-mail name or a path may begin with.
bool MayBeginToken(Char c) { return IsAsciiAlNum(c) || Holds(U"._%+-~/", c); }

}  // namespace

std::vector<TokenSpan> FindProtectedTokens(text::TextView line) {
  std::vector<TokenSpan> tokens;
  if (!MayHoldTokens(line)) return tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    std::size_t end = kNoMatch;
    if (MayBeginToken(line[i])) {
      for (const auto matcher : kMatchers) {
        end = matcher(line, i);
        if (end > i) break;
      }
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
