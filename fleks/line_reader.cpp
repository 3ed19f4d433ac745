#include "line_reader.h"

#include "word_tables.h"

namespace fleks {

Parsed ReadLine(std::string_view s) {
  const Tables& t = Tables::Get();
  Parsed p;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
    if (i >= s.size()) break;
    Token tok;
    tok.begin = i;
    while (i < s.size() && static_cast<unsigned char>(s[i]) > 32) ++i;
    tok.end = i;
    std::size_t a = tok.begin, b = tok.end;
    while (a < b && !IsLetter(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && !IsLetter(static_cast<unsigned char>(s[b - 1]))) --b;
    tok.coreBegin = a;
    tok.coreEnd = b;
    tok.hasLetters = a < b;
    if (tok.hasLetters) {
      std::string_view core = s.substr(a, b - a);
      int letters = 0;
      bool cyr = true, dot = false;
      for (char ch : core) {
        unsigned char u = static_cast<unsigned char>(ch);
        if (IsLetter(u)) {
          ++letters;
          if (!IsCyrLetter(u)) cyr = false;
        } else if (ch == '.') {
          dot = true;
        } else if (ch != '-' && ch != '\'' && u != 0x92) {  // hyphen, apostrophes ' and ’
          cyr = false;
        }
      }
      tok.initial = dot || letters == 1;
      tok.cyrillic = cyr && !tok.initial;
      tok.bracketed = s.substr(tok.begin, a - tok.begin).find('(') != std::string_view::npos;
      tok.key = Key(core);
    }
    p.tokens.push_back(std::move(tok));
  }

  // Groups: a particle written in lower case joins the next word (фон Браун); оглы/кызы
  // join the word before; initials and punctuation form no group.
  for (std::size_t k = 0; k < p.tokens.size(); ++k) {
    const Token& tok = p.tokens[k];
    if (!tok.hasLetters || tok.initial) continue;
    std::string_view core = s.substr(tok.coreBegin, tok.coreEnd - tok.coreBegin);
    bool lowerWritten = true;
    for (char ch : core)
      if (IsUpperLetter(static_cast<unsigned char>(ch))) lowerWritten = false;
    if (!p.groups.empty() && tok.cyrillic && (t.turkicMale.count(tok.key) || t.turkicFemale.count(tok.key))) {
      p.groups.back().turkic = t.turkicMale.count(tok.key) ? Sex::Male : Sex::Female;
      continue;
    }
    if (lowerWritten && t.particlesBefore.count(tok.key) && k + 1 < p.tokens.size()) {
      continue;
    }
    Group g;
    g.main = k;
    p.groups.push_back(g);
  }
  return p;
}

}  // namespace fleks
