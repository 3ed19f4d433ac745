// The full-name entry points: a line read into its parts, their roles and the sex decided,
// and every part declined in its role.
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

}  // namespace

std::string DeclineFullName(std::string_view fio, int caseNo) {
  if (caseNo < 1 || caseNo > 6) return std::string(fio);
  Parsed p = ReadLine(fio);
  AssignRoles(p);
  Sex sex = ResolveSex(p);
  if (sex == Sex::Unknown) sex = Sex::Male;
  const Tables& t = Tables::Get();
  // A Western first name and no patronymic: the surname is foreign too.
  bool foreign = false, patronymic = false;
  for (const Group& g : p.groups) {
    const std::string& key = p.tokens[g.main].key;
    if (g.role == Role::Patronymic) patronymic = true;
    if (g.role == Role::FirstName && t.westernNames.count(key.substr(0, key.find('-')))) foreign = true;
  }
  foreign = foreign && !patronymic;

  std::string out;
  out.reserve(fio.size() + 16);
  std::size_t copied = 0;
  for (const Group& g : p.groups) {
    const Token& tok = p.tokens[g.main];
    if (g.role == Role::Other || !tok.cyrillic || caseNo == 1) continue;
    if (g.role == Role::Patronymic && g.turkic != Sex::Unknown) continue;
    if (t.indeclinableLastParts.count(LastPart(tok.key))) continue;
    out.append(fio.substr(copied, tok.coreBegin - copied));
    std::string_view core = fio.substr(tok.coreBegin, tok.coreEnd - tok.coreBegin);
    // Each half of a hyphenated surname declines, particles such as Тер-, Бонч- do not;
    // of a double first name only the last part does (Жан-Жака, Жан-Поля).
    std::size_t start = 0;
    while (start <= core.size()) {
      std::size_t h = core.find('-', start);
      std::size_t stop = h == std::string_view::npos ? core.size() : h;
      std::string_view part = core.substr(start, stop - start);
      bool particle = h != std::string_view::npos &&
                      (g.role == Role::FirstName ? !DeclinesAsFirstPart(part, sex)
                                                 : t.particlesBefore.count(Key(part)) != 0);
      if (part.empty() || particle)
        out.append(part);
      else
        out.append(DeclineWord(part, g.role, sex, foreign, caseNo));
      if (h == std::string_view::npos) break;
      out.push_back('-');
      start = h + 1;
    }
    copied = tok.coreEnd;
  }
  out.append(fio.substr(copied));
  return out;
}

Sex GuessSex(std::string_view text) {
  Parsed p = ReadLine(text);
  AssignRoles(p);
  Sex sex = ResolveSex(p);
  if (sex != Sex::Unknown || p.groups.empty()) return sex;
  // One word that is neither a known name nor a surname of a telling form: judge it by
  // its ending as a first name.
  for (const Group& g : p.groups) {
    Sex s = SexOfFirstName(p.tokens[g.main].key);
    if (s != Sex::Unknown) return s;
  }
  return Sex::Unknown;
}

}  // namespace fleks
