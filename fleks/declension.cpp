// SPDX-License-Identifier: MIT
// The full-name entry points: a line read into its parts, their roles and the sex decided,
// and every part declined in its role. A line that is not a name comes back as it was.
#include "declension.h"

#include <string>

#include "decline_word.h"
#include "line_reader.h"
#include "roles_and_sex.h"
#include "word_tables.h"

namespace fleks {

namespace {

// The first part of a double first name declines in a woman's name in -а/-я
// (Анны-Марии) and stays in a man's (Жан-Жака, Абдул-Керима).
bool DeclinesAsFirstPart(std::string_view part, Sex sex) {
  const unsigned char last = part.empty() ? 0 : ToLower(static_cast<unsigned char>(part.back()));
  return sex == Sex::Female &&
         (last == static_cast<unsigned char>("а"_cp[0]) || last == static_cast<unsigned char>("я"_cp[0]));
}

// One word of the name in its role: each half of a hyphenated surname declines,
// particles such as Тер-, Бонч- do not; of a double first name only the last part does
// (Жан-Жака, Жан-Поля).
void AppendDeclined(std::string& out, std::string_view core, const WordInfo* info, Role role,
                    const Person& person, int caseNo) {
  const Tables& t = Tables::Get();
  std::size_t start = 0;
  while (start <= core.size()) {
    const std::size_t h = core.find('-', start);
    const std::size_t stop = h == std::string_view::npos ? core.size() : h;
    const std::string_view part = core.substr(start, stop - start);
    // A word without a hyphen was looked up already; a part of one is looked up here.
    const WordInfo* partInfo = h == std::string_view::npos && start == 0 ? info : nullptr;
    const bool particle =
        h != std::string_view::npos && (role == Role::FirstName ? !DeclinesAsFirstPart(part, person.sex)
                                                                : t.Info(Key(part)).Has(kParticleBefore));
    if (part.empty() || particle)
      out.append(part);
    else
      out.append(DeclineWord(part, partInfo, role, person.sex, person.foreign, caseNo));
    if (h == std::string_view::npos) break;
    out.push_back('-');
    start = h + 1;
  }
}

// The words of a line read as a name, each declined in its role for the person's sex.
std::string DeclineAs(std::string_view fio, const Parsed& p, const Person& person, int caseNo) {
  const Tables& t = Tables::Get();
  std::string out;
  out.reserve(fio.size() + 16);
  std::size_t copied = 0;
  for (const Group& g : p.groups) {
    const Token& tok = p.tokens[g.main];
    if (g.role == Role::Other) continue;
    if (g.role == Role::Patronymic && g.turkic != Sex::Unknown) continue;
    if ((tok.hyphenated ? t.Info(LastPart(tok.key)) : *tok.info).Has(kIndeclinableLastPart)) continue;
    out.append(fio.substr(copied, tok.coreBegin - copied));
    AppendDeclined(out, fio.substr(tok.coreBegin, tok.coreEnd - tok.coreBegin), tok.info, g.role, person,
                   caseNo);
    copied = tok.coreEnd;
  }
  out.append(fio.substr(copied));
  return out;
}

// A name written in Latin letters (Smith John Paul, O'Neil J.): one to three words, each a
// capital and letters (a hyphen or an apostrophe between two), or an initial with its
// period. The engine does not decline such a name, but it is a name all the same.
bool IsLatinName(std::string_view s) {
  auto latin = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  int words = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
    if (i == s.size()) break;
    if (++words > 3 || s[i] < 'A' || s[i] > 'Z') return false;
    for (++i; i < s.size() && static_cast<unsigned char>(s[i]) > 32; ++i) {
      const bool joint = (s[i] == '-' || s[i] == '\'') && i + 1 < s.size() && latin(s[i + 1]);
      const bool period = s[i] == '.' && latin(s[i - 1]);
      if (!latin(s[i]) && !joint && !period) return false;
    }
  }
  return words > 0;
}

}  // namespace

std::string DeclineFullName(std::string_view fio, int caseNo) {
  if (caseNo < 2 || caseNo > 6) return std::string(fio);
  Parsed p;
  ReadLine(fio, p);
  Person person = DecideRolesAndSex(p);
  if (!person.name) return std::string(fio);
  if (person.sex != Sex::Unknown) return DeclineAs(fio, p, person, caseNo);
  // Nothing tells the sex: the name is declined only where both sexes decline it alike
  // (Шевченко Саша → Шевченко Саше), else it stays as it was rather than risk the wrong one.
  person.sex = Sex::Male;
  std::string male = DeclineAs(fio, p, person, caseNo);
  person.sex = Sex::Female;
  return male == DeclineAs(fio, p, person, caseNo) ? male : std::string(fio);
}

Sex GuessSex(std::string_view text) {
  Parsed p;
  ReadLine(text, p);
  const Person person = DecideRolesAndSex(p);
  if (!person.name || person.sex != Sex::Unknown) return person.sex;
  // One word that tells nothing in its part: judge it by its ending as a first name.
  if (p.groups.size() == 1) return SexOfFirstName(p.tokens[p.groups[0].main].key);
  return Sex::Unknown;
}

NameOrder ReadNameOrder(std::string_view text) {
  Parsed p;
  ReadLine(text, p);
  const Person person = DecideRolesAndSex(p);
  if (!person.name) return IsLatinName(text) ? NameOrder::Usual : NameOrder::NotAName;
  return person.firstNameFirst ? NameOrder::FirstNameFirst : NameOrder::Usual;
}

}  // namespace fleks
