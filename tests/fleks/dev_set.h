// SPDX-License-Identifier: GPL-3.0-or-later
// The development set of names (data/names.tsv): one name part per row with its six case
// forms, written from Russian grammar. A part is declined inside a full name whose other
// parts are fixed companions of the same sex, so the library sees names as users give them;
// a first name is declined besides with a surname that does not tell the sex and no
// patronymic, where the first name alone must tell it. A row of sex "n" is a line that is
// not a name: it comes back unchanged in every case.
#pragma once

#include <array>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "fleks.h"
#include "rules/first_names.h"
#include "text/encoding.h"
#include "text/text.h"

namespace fleks_test {

struct DevRow {
  std::string group;                 // the kind of name: possessive, adjectival, fleeting, …
  std::string role;                  // surname, name, patronymic, or full (a whole line as it stands)
  int sex = 1;                       // as GetSex answers: 1 male, 0 female, -1 not a name
  std::array<std::string, 6> forms;  // UTF-8, nominative … prepositional
  int line = 0;

  bool Female() const { return sex == 0; }
  // A first name whose sex the name itself tells (Саша, Женя do not).
  bool TellsItsSex() const { return role == "name" && group != "unisex"; }
};

inline std::vector<DevRow> LoadDevSet(const std::string& path) {
  std::vector<DevRow> rows;
  std::ifstream in(path);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream ss(line);
    std::string field;
    while (std::getline(ss, field, '\t')) fields.push_back(field);
    if (fields.size() != 9) continue;
    DevRow row;
    row.group = fields[0];
    row.role = fields[1];
    row.sex = fields[2] == "f" ? 0 : fields[2] == "n" ? -1 : 1;
    for (int i = 0; i < 6; ++i) row.forms[i] = fields[3 + i];
    row.line = number;
    rows.push_back(row);
  }
  return rows;
}

// The check set of first names (data/first_names_sex.tsv): each name with the sex GetSex
// should tell, 1 male, 0 female, or -1 for a name of either sex (u), which must stay unknown.
inline std::vector<std::pair<std::string, int>> LoadSexSet(const std::string& path) {
  std::vector<std::pair<std::string, int>> names;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos) continue;
    const std::string sex = line.substr(tab + 1);
    names.emplace_back(line.substr(0, tab), sex == "f" ? 0 : sex == "u" ? -1 : 1);
  }
  return names;
}

// The companions of a name part: surname, first name and patronymic in the six cases.
struct Companions {
  std::array<const char*, 6> surname, name, patronymic;
};
inline const Companions kMaleCompanions{
    {"Иванов", "Иванова", "Иванову", "Иванова", "Ивановым", "Иванове"},
    {"Иван", "Ивана", "Ивану", "Ивана", "Иваном", "Иване"},
    {"Петрович", "Петровича", "Петровичу", "Петровича", "Петровичем", "Петровиче"}};
inline const Companions kFemaleCompanions{
    {"Иванова", "Ивановой", "Ивановой", "Иванову", "Ивановой", "Ивановой"},
    {"Анна", "Анны", "Анне", "Анну", "Анной", "Анне"},
    {"Петровна", "Петровны", "Петровне", "Петровну", "Петровной", "Петровне"}};

// Surnames that do not tell the sex, as a man's and as a woman's: Ким is a man's first
// name too, so it must not outvote the first name beside it.
struct NeutralSurname {
  std::array<const char*, 6> male;
  const char* female;
  bool first;  // written before the first name
};
inline const NeutralSurname kNeutralSurnames[] = {
    {{"Ковальчук", "Ковальчука", "Ковальчуку", "Ковальчука", "Ковальчуком", "Ковальчуке"}, "Ковальчук", true},
    {{"Ковальчук", "Ковальчука", "Ковальчуку", "Ковальчука", "Ковальчуком", "Ковальчуке"},
     "Ковальчук",
     false},
    {{"Ким", "Кима", "Киму", "Кима", "Кимом", "Киме"}, "Ким", true},
};

enum class ProbeKind {
  Companions,      // the row's part inside a full name, or the row's whole line
  NeutralSurname,  // a first name with a surname that does not tell the sex
};

// A full name given to the library for a row and the form expected back, in case caseNo.
struct Probe {
  std::string input;
  std::string expected;
  ProbeKind kind = ProbeKind::Companions;
};

inline std::vector<Probe> MakeProbes(const DevRow& row, int caseNo) {
  const Companions& c = row.Female() ? kFemaleCompanions : kMaleCompanions;
  const int k = caseNo - 1;
  auto join = [](const std::string& a, const std::string& b, const std::string& d) {
    return a + " " + b + " " + d;
  };
  std::vector<Probe> probes;
  if (row.role == "surname")
    probes.push_back(
        {join(row.forms[0], c.name[0], c.patronymic[0]), join(row.forms[k], c.name[k], c.patronymic[k])});
  else if (row.role == "name")
    probes.push_back({join(c.surname[0], row.forms[0], c.patronymic[0]),
                      join(c.surname[k], row.forms[k], c.patronymic[k])});
  else if (row.role == "patronymic")
    probes.push_back(
        {join(c.surname[0], c.name[0], row.forms[0]), join(c.surname[k], c.name[k], row.forms[k])});
  else
    probes.push_back({row.forms[0], row.forms[k]});
  if (row.TellsItsSex()) {
    for (const NeutralSurname& s : kNeutralSurnames) {
      const std::string nominative = s.male[0];
      const std::string declined = row.Female() ? s.female : s.male[k];
      if (s.first)
        probes.push_back(
            {nominative + " " + row.forms[0], declined + " " + row.forms[k], ProbeKind::NeutralSurname});
      else
        probes.push_back(
            {row.forms[0] + " " + nominative, row.forms[k] + " " + declined, ProbeKind::NeutralSurname});
    }
  }
  return probes;
}

inline std::string LowerUtf8(const std::string& utf8) {
  skorlin::text::Text s = skorlin::text::FromUtf8(utf8);
  for (char32_t& c : s) c = skorlin::text::LowerChar(c);
  return skorlin::text::ToUtf8(s);
}

// The words of a blank-separated list of the library's rules (UTF-8).
inline std::vector<std::string> ListWords(const char* utf8) {
  std::vector<std::string> words;
  std::stringstream ss(utf8);
  std::string w;
  while (ss >> w) words.push_back(w);
  return words;
}

// Full names put together from rows of one sex, in the orders lists use: surname, first
// name, patronymic; first name, patronymic, surname; and first name and surname alone in
// either order, where the first name must tell the sex. Each part is expected back as its
// row gives it, so no part may spoil another. A Western first name without a patronymic
// makes the surname foreign (Чарльз Дарвин), which a Russian surname row does not expect:
// those pairs are left out, and so are the pairs a line of two words cannot tell apart.
// Two words the library knows nothing of are read in the usual order, surname first, so a
// first name the lists do not know comes first only before a patronymic. count names; the same
// seed gives the same names.
struct GeneratedProbe {
  std::string input, expected;
  int caseNo = 1;
};
inline std::vector<GeneratedProbe> GeneratedProbes(const std::vector<DevRow>& rows, int count,
                                                   unsigned seed) {
  const std::vector<std::string> westernNames = ListWords(fleks::rules::kWesternNames);
  std::set<std::string> listed;
  for (const fleks::rules::FirstNameList& list : fleks::rules::kFirstNames)
    for (const char* words : {list.male, list.female})
      for (const std::string& w : ListWords(words)) listed.insert(w);
  std::vector<const DevRow*> surnames[2], names[2], patronymics[2];
  for (const DevRow& row : rows) {
    if (row.sex < 0) continue;
    if (row.role == "surname") surnames[row.sex].push_back(&row);
    if (row.role == "patronymic") patronymics[row.sex].push_back(&row);
    if (row.TellsItsSex()) names[row.sex].push_back(&row);
  }
  // A surname that is a first name of the set or of the lists as well (Лев, Ляля, Остин), or
  // a first name that is a surname of the set or a common surname (Герман), leaves a line of
  // two words open to both readings.
  std::set<std::string> surnameWords, nameWords;
  for (const DevRow& row : rows) {
    if (row.role == "surname") surnameWords.insert(row.forms[0]);
    if (row.role == "name") nameWords.insert(row.forms[0]);
  }
  std::set<std::string> alsoSurnames;
  for (const std::string& w : ListWords(fleks::rules::kAlsoSurnames)) alsoSurnames.insert(w);
  auto ambiguous = [&](const DevRow& surname, const DevRow& name) {
    return nameWords.count(surname.forms[0]) != 0 || surnameWords.count(name.forms[0]) != 0 ||
           listed.count(LowerUtf8(surname.forms[0])) != 0 ||
           alsoSurnames.count(LowerUtf8(name.forms[0])) != 0;
  };
  auto western = [&](const DevRow& row) {
    const std::string whole = LowerUtf8(row.forms[0]);
    const std::string lower = whole.substr(0, whole.find('-'));
    for (const std::string& w : westernNames)
      if (w == lower) return true;
    return false;
  };
  std::vector<GeneratedProbe> out;
  unsigned state = seed;
  auto next = [&state](std::size_t n) {
    state = state * 1103515245u + 12345u;
    return static_cast<std::size_t>((state >> 8) % n);
  };
  while (static_cast<int>(out.size()) < count) {
    const int sex = static_cast<int>(next(2));
    if (surnames[sex].empty() || names[sex].empty() || patronymics[sex].empty()) break;
    const DevRow& s = *surnames[sex][next(surnames[sex].size())];
    const DevRow& n = *names[sex][next(names[sex].size())];
    const DevRow& p = *patronymics[sex][next(patronymics[sex].size())];
    const int order = static_cast<int>(next(4));
    if (order >= 2 && (western(n) || ambiguous(s, n))) continue;
    const std::string nameKey = LowerUtf8(n.forms[0]);
    if (order == 3 && listed.count(nameKey.substr(0, nameKey.find('-'))) == 0) continue;
    const int k = 1 + static_cast<int>(next(5));
    auto line = [&](int c) {
      switch (order) {
        case 0:
          return s.forms[c] + " " + n.forms[c] + " " + p.forms[c];
        case 1:
          return n.forms[c] + " " + p.forms[c] + " " + s.forms[c];
        case 2:
          return s.forms[c] + " " + n.forms[c];
        default:
          return n.forms[c] + " " + s.forms[c];
      }
    };
    out.push_back({line(0), line(k), k + 1});
  }
  return out;
}

inline std::string Cp1251(const std::string& utf8) {
  return skorlin::text::EncodeCp1251(skorlin::text::FromUtf8(utf8));
}

// GetFIOFleksFSAS on a UTF-8 name; "<error N>" when the library refuses.
inline std::string Decline(const std::string& utf8, int caseNo) {
  const std::string name = Cp1251(utf8);
  std::string buffer(name.size() * 2 + 64, '\0');
  int size = static_cast<int>(buffer.size());
  const int code = GetFIOFleksFSAS(name.c_str(), caseNo, buffer.data(), &size);
  if (code != 0) return "<error " + std::to_string(code) + ">";
  buffer.resize(static_cast<std::size_t>(size));
  return skorlin::text::ToUtf8(skorlin::text::DecodeCp1251(buffer));
}

inline int Sex(const std::string& utf8) { return GetSex(Cp1251(utf8).c_str()); }

// The first pair of letters of a declined form that Russian spelling does not allow and
// that the name as given did not already hold (Жюль keeps its жю): ы after a vowel, й or
// ь; ю, я or ы after ж, ш, ч, щ; ы after г, к, х. Empty when there is none.
inline std::string SpellingBreak(const std::string& givenUtf8, const std::string& formUtf8) {
  using skorlin::text::Char;
  auto lower = [](const std::string& utf8) {
    skorlin::text::Text s = skorlin::text::FromUtf8(utf8);
    for (Char& c : s) c = skorlin::text::LowerChar(c);
    return s;
  };
  const skorlin::text::Text given = lower(givenUtf8), form = lower(formUtf8);
  const std::u32string_view vowelsAndSoft = U"аеёиоуыэюяйьъ", sibilants = U"жшчщ", velars = U"гкх";
  for (std::size_t i = 0; i + 1 < form.size(); ++i) {
    const Char a = form[i], b = form[i + 1];
    const bool broken =
        (b == U'ы' && (vowelsAndSoft.find(a) != std::u32string_view::npos ||
                       velars.find(a) != std::u32string_view::npos)) ||
        ((b == U'ы' || b == U'ю' || b == U'я') && sibilants.find(a) != std::u32string_view::npos);
    if (broken && given.find(form.substr(i, 2)) == skorlin::text::Text::npos)
      return skorlin::text::ToUtf8(form.substr(i, 2));
  }
  return "";
}

}  // namespace fleks_test
