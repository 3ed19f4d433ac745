// The development set of names (data/names.tsv): one name part per row with its six case
// forms, written from Russian grammar. A part is declined inside a full name whose other
// parts are fixed companions of the same sex, so the library sees names as users give them.
#pragma once

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fleks.h"
#include "text/encoding.h"
#include "text/text.h"

namespace fleks_test {

struct DevRow {
  std::string group;  // the kind of name: possessive, adjectival, fleeting, …
  std::string role;   // surname, name, patronymic, or full (a whole name as it stands)
  bool female = false;
  std::array<std::string, 6> forms;  // UTF-8, nominative … prepositional
  int line = 0;
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
    row.female = fields[2] == "f";
    for (int i = 0; i < 6; ++i) row.forms[i] = fields[3 + i];
    row.line = number;
    rows.push_back(row);
  }
  return rows;
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

// The full name given to the library for a row and the form expected back, in case caseNo.
struct Probe {
  std::string input;
  std::string expected;
};
inline Probe MakeProbe(const DevRow& row, int caseNo) {
  const Companions& c = row.female ? kFemaleCompanions : kMaleCompanions;
  const int k = caseNo - 1;
  auto join = [](const std::string& a, const std::string& b, const std::string& d) {
    return a + " " + b + " " + d;
  };
  if (row.role == "surname")
    return {join(row.forms[0], c.name[0], c.patronymic[0]), join(row.forms[k], c.name[k], c.patronymic[k])};
  if (row.role == "name")
    return {join(c.surname[0], row.forms[0], c.patronymic[0]),
            join(c.surname[k], row.forms[k], c.patronymic[k])};
  if (row.role == "patronymic")
    return {join(c.surname[0], c.name[0], row.forms[0]), join(c.surname[k], c.name[k], row.forms[k])};
  return {row.forms[0], row.forms[k]};
}

// GetFIOFleksFSAS on a UTF-8 name; "<error N>" when the library refuses.
inline std::string Decline(const std::string& utf8, int caseNo) {
  const std::string name = skorlin::text::EncodeCp1251(skorlin::text::FromUtf8(utf8));
  std::string buffer(name.size() * 2 + 64, '\0');
  int size = static_cast<int>(buffer.size());
  const int code = GetFIOFleksFSAS(name.c_str(), caseNo, buffer.data(), &size);
  if (code != 0) return "<error " + std::to_string(code) + ">";
  buffer.resize(static_cast<std::size_t>(size));
  return skorlin::text::ToUtf8(skorlin::text::DecodeCp1251(buffer));
}

inline int Sex(const std::string& utf8) {
  return GetSex(skorlin::text::EncodeCp1251(skorlin::text::FromUtf8(utf8)).c_str());
}

}  // namespace fleks_test
