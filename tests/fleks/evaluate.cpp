// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the declension library over the development set (data/names.tsv) and prints the
// accuracy per case, per kind of name, of the sex told from patronymics and first names,
// of first names given with a surname that does not tell the sex, of rows put together
// into full names, and the share of forms within Russian spelling. Exits with status 1 when any figure falls
// below the floor given with --min (a fraction; the suite passes the level the library has reached), so later
// changes cannot lower it unnoticed. --list prints every miss; --export prints the set one
// form to a line instead (full name given, sex, case number, form expected), tab-separated.
// It also tells the sex of every first name of data/first_names_sex.tsv after a surname that
// does not show it (Шевченко …), as a salutation would, and fails when it gets more than 0.5% of
// them wrong or fewer than 94% right (the rest it may call unknown), or tells the sex of a name
// given to either sex.
// Usage: evaluate [--min F] [--list] [--export] [names.tsv]
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "dev_set.h"

namespace {

struct Tally {
  int right = 0;
  int all = 0;
  double Share() const { return all == 0 ? 1.0 : static_cast<double>(right) / all; }
  void Add(bool ok) {
    right += ok;
    ++all;
  }
};

const char* const kCaseNames[] = {"nominative", "genitive",     "dative",
                                  "accusative", "instrumental", "prepositional"};

const char* SexLetter(int sex) { return sex == 0 ? "f" : sex == 1 ? "m" : "n"; }

}  // namespace

int main(int argc, char** argv) {
  double floor = 0.0;
  bool list = false, exportRows = false;
  std::string path = SKORLIN_FLEKS_DATA_DIR "names.tsv";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--min" && i + 1 < argc)
      floor = std::atof(argv[++i]);
    else if (arg == "--list")
      list = true;
    else if (arg == "--export")
      exportRows = true;
    else
      path = arg;
  }
  const std::vector<fleks_test::DevRow> rows = fleks_test::LoadDevSet(path);
  if (rows.empty()) {
    std::fprintf(stderr, "evaluate: no rows in %s\n", path.c_str());
    return 1;
  }
  if (exportRows) {
    for (const fleks_test::DevRow& row : rows)
      for (int caseNo = 1; caseNo <= 6; ++caseNo)
        for (const fleks_test::Probe& probe : fleks_test::MakeProbes(row, caseNo))
          std::printf("%s\t%s\t%d\t%s\n", probe.input.c_str(), SexLetter(row.sex), caseNo,
                      probe.expected.c_str());
    return 0;
  }
  Tally byCase[6];
  Tally sex, neutral, neutralSex, spelling;
  std::map<std::string, Tally> byGroup;
  for (const fleks_test::DevRow& row : rows) {
    Tally& group = byGroup[row.group + " " + row.role + " " + SexLetter(row.sex)];
    for (int caseNo = 1; caseNo <= 6; ++caseNo) {
      for (const fleks_test::Probe& probe : fleks_test::MakeProbes(row, caseNo)) {
        const std::string got = fleks_test::Decline(probe.input, caseNo);
        const bool right = got == probe.expected;
        if (probe.kind == fleks_test::ProbeKind::NeutralSurname) {
          neutral.Add(right);
        } else {
          byCase[caseNo - 1].Add(right);
          group.Add(right);
        }
        spelling.Add(fleks_test::SpellingBreak(probe.input, got).empty());
        if (!right && list)
          std::printf("MISS line %d case %d: %s -> %s, expected %s\n", row.line, caseNo, probe.input.c_str(),
                      got.c_str(), probe.expected.c_str());
      }
    }
    if ((row.role == "patronymic" || row.role == "name") && row.group != "unisex") {
      const bool right = fleks_test::Sex(row.forms[0]) == row.sex;
      sex.Add(right);
      if (!right && list) std::printf("MISS line %d sex: %s\n", row.line, row.forms[0].c_str());
    }
    if (row.TellsItsSex()) {
      for (const fleks_test::Probe& probe : fleks_test::MakeProbes(row, 1)) {
        if (probe.kind != fleks_test::ProbeKind::NeutralSurname) continue;
        const bool right = fleks_test::Sex(probe.input) == row.sex;
        neutralSex.Add(right);
        if (!right && list) std::printf("MISS line %d sex: %s\n", row.line, probe.input.c_str());
      }
    }
  }
  Tally together;
  for (const fleks_test::GeneratedProbe& probe : fleks_test::GeneratedProbes(rows, 20000, 2024)) {
    const std::string got = fleks_test::Decline(probe.input, probe.caseNo);
    together.Add(got == probe.expected);
    if (got != probe.expected && list)
      std::printf("MISS put together, case %d: %s -> %s, expected %s\n", probe.caseNo, probe.input.c_str(),
                  got.c_str(), probe.expected.c_str());
  }
  Tally salutation, wrongSalutation;
  int eitherSexTold = 0;
  for (const auto& [name, sex] : fleks_test::LoadSexSet(SKORLIN_FLEKS_DATA_DIR "first_names_sex.tsv")) {
    const int got = fleks_test::Sex("Шевченко " + name);
    salutation.Add(got == sex);
    wrongSalutation.Add(got != sex && got != -1);
    if (sex == -1 && got != -1) {
      ++eitherSexTold;
      std::printf("a name of either sex told as %s: %s\n", SexLetter(got), name.c_str());
    }
    if (got != sex && list) std::printf("MISS sex after Шевченко: %s -> %d\n", name.c_str(), got);
  }
  bool ok = true;
  auto report = [&](const std::string& what, const Tally& t) {
    std::printf("%-48s %6.2f%%  (%d of %d)\n", what.c_str(), 100.0 * t.Share(), t.right, t.all);
    if (t.Share() < floor) ok = false;
  };
  std::printf("%zu rows from %s\n\n", rows.size(), path.c_str());
  for (int c = 0; c < 6; ++c)
    report(std::string("case ") + std::to_string(c + 1) + " " + kCaseNames[c], byCase[c]);
  report("sex of patronymics and first names", sex);
  report("first names with a sex-neutral surname", neutral);
  report("sex of first names with a sex-neutral surname", neutralSex);
  report("forms within Russian spelling", spelling);
  report("rows put together into full names", together);
  std::printf("%-48s %6.2f%%  (%d of %d), wrong %.2f%%, unknown %.2f%%\n",
              "sex of first names after Шевченко", 100.0 * salutation.Share(), salutation.right,
              salutation.all, 100.0 * wrongSalutation.Share(),
              100.0 * (1.0 - salutation.Share() - wrongSalutation.Share()));
  if (salutation.Share() < 0.94 || wrongSalutation.Share() > 0.005 || eitherSexTold > 0) ok = false;
  std::printf("\n");
  for (const auto& [group, tally] : byGroup) report(group, tally);
  if (!ok) std::printf("\nbelow the floor of %.2f%%\n", 100.0 * floor);
  return ok ? 0 : 1;
}
