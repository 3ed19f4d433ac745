// SPDX-License-Identifier: MIT
#include "line_reader.h"

#include "word_tables.h"

namespace fleks {

namespace {

// A name has a surname, one or two first names (or initials) and a patronymic: three
// words, a maiden name in brackets besides.
constexpr std::size_t kMostWords = 3;

constexpr unsigned char kRightQuote = 0x92;  // ’

bool IsApostrophe(unsigned char c) { return c == '\'' || c == kRightQuote; }

// A capital Cyrillic letter, as initials are written.
bool IsCapital(unsigned char c) { return IsCyrLetter(c) && IsUpperLetter(c); }

// Initials: capital Cyrillic letters each followed by a period (И., И.И.), the last period may be
// missing after two letters (И.И). The number of letters, or 0 when the text is
// something else.
int InitialLetters(std::string_view core) {
  int letters = 0;
  for (std::size_t i = 0; i < core.size(); i += 2) {
    if (!IsCapital(static_cast<unsigned char>(core[i]))) return 0;
    ++letters;
    if (i + 1 < core.size() && core[i + 1] != '.') return 0;
  }
  const bool closed = core.size() % 2 == 0;
  return closed || letters >= 2 ? letters : 0;
}

// A word of a name: Cyrillic letters, a hyphen or an apostrophe only between two of them
// (Римский-Корсаков, Д'Артаньян), two letters at least.
bool IsNameWord(std::string_view core) {
  if (core.size() < 2) return false;
  for (std::size_t i = 0; i < core.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(core[i]);
    if (IsCyrLetter(c)) continue;
    const bool joint = c == '-' || IsApostrophe(c);
    if (!joint || i == 0 || i + 1 == core.size() || !IsCyrLetter(static_cast<unsigned char>(core[i + 1])))
      return false;
  }
  return true;
}

// Reads one blank-separated token into tok; false when it cannot be part of a name.
bool ReadToken(std::string_view s, std::size_t begin, std::size_t end, bool first, Token& tok) {
  std::size_t a = begin, b = end;
  if (end - begin > 2 && s[a] == '(' && s[b - 1] == ')') {
    tok.bracketed = true;
    ++a;
    --b;
  }
  tok.coreBegin = a;
  tok.coreEnd = b;
  const std::string_view core = s.substr(a, b - a);
  tok.initials = InitialLetters(core);
  // A capital letter without its period is an initial after the surname (Иванов И И);
  // first in a line it is a preposition or a letter (В Москве, С Новым годом).
  if (tok.initials == 0 && core.size() == 1 && IsCapital(static_cast<unsigned char>(core[0])) && !first)
    tok.initials = 1;
  if (tok.initials > 0) return !tok.bracketed;
  if (!IsNameWord(core)) return false;
  int upper = 0;
  bool lower = false;
  for (char ch : core) {
    const unsigned char c = static_cast<unsigned char>(ch);
    upper += IsUpperLetter(c);
    lower = lower || IsLowerLetter(c);
  }
  tok.hyphenated = FirstPart(core).size() != core.size();
  tok.lowerWritten = IsLowerLetter(static_cast<unsigned char>(core[0]));
  tok.capitals = !lower && upper >= 2;
  tok.key = Key(core);
  tok.info = &Tables::Get().Info(tok.key);
  return true;
}

// Groups: a particle written in lower case joins the next word (фон Браун); оглы/кызы
// join the word before; младший and старший stay outside. Any other word in lower case
// in a line that has capitals is not part of a name. False when the line is not a name.
bool FormGroups(Parsed& p) {
  bool anyCapitalised = false, allLower = true, allCapitals = true;
  for (const Token& tok : p.tokens) {
    if (tok.initials > 0) continue;
    anyCapitalised = anyCapitalised || !tok.lowerWritten;
    allLower = allLower && tok.lowerWritten;
    allCapitals = allCapitals && tok.capitals;
  }
  p.caseUniform = allLower || allCapitals;
  bool afterParticle = false;
  for (std::size_t k = 0; k < p.tokens.size(); ++k) {
    const Token& tok = p.tokens[k];
    if (tok.initials > 0) {
      if (afterParticle) return false;
      p.initialLetters += tok.initials;
      continue;
    }
    const WordInfo& info = *tok.info;
    if (info.Has(kCompanyForm)) return false;
    const bool turkic = info.Has(kTurkicMale) || info.Has(kTurkicFemale);
    if (turkic && !p.groups.empty() && !afterParticle && !tok.bracketed) {
      Group& father = p.groups.back();
      if (father.turkic != Sex::Unknown || p.tokens[father.main].bracketed) return false;
      father.turkic = info.Has(kTurkicMale) ? Sex::Male : Sex::Female;
      continue;
    }
    if (tok.lowerWritten && !tok.bracketed) {
      // фон дер Шуленбург: particles may follow one another.
      if (info.Has(kParticleBefore) && k + 1 < p.tokens.size()) {
        afterParticle = true;
        continue;
      }
      if (!afterParticle && info.Has(kNameSuffix) && !p.groups.empty()) continue;
      if (!afterParticle && anyCapitalised) return false;
    }
    if (tok.bracketed && (p.groups.empty() || afterParticle)) return false;
    Group g;
    g.main = k;
    g.particle = afterParticle;
    afterParticle = false;
    p.groups.push_back(g);
  }
  return !afterParticle;
}

}  // namespace

std::size_t Parsed::Words() const {
  std::size_t n = 0;
  for (const Group& g : groups) n += !tokens[g.main].bracketed;
  return n;
}

void ReadLine(std::string_view s, Parsed& p) {
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
    if (i >= s.size()) break;
    const std::size_t begin = i;
    while (i < s.size() && static_cast<unsigned char>(s[i]) > 32) ++i;
    Token tok;
    if (!ReadToken(s, begin, i, p.tokens.empty(), tok) || !p.tokens.push_back(std::move(tok))) return;
  }
  if (!FormGroups(p)) return;
  std::size_t bracketed = 0;
  for (const Group& g : p.groups) bracketed += p.tokens[g.main].bracketed;
  const std::size_t words = p.Words();
  p.name = words >= 1 && bracketed <= 1 && words + static_cast<std::size_t>(p.initialLetters) <= kMostWords;
}

}  // namespace fleks
