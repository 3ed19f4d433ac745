// SPDX-License-Identifier: GPL-3.0-or-later
// Every name of the development set in all six cases, alone and put together with other
// rows, the sex the library tells from each patronymic and first name, and the spelling
// of every form it gives; every first name the library knows beside fixed companions; no
// row of the first names' sex tables hidden by an earlier one. A failure lists the rows,
// grouped by kind of name.
#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "dev_set.h"
#include "rules/first_names.h"

namespace {

using fleks_test::DevRow;
using fleks_test::Probe;

const std::vector<DevRow>& Rows() {
  static const std::vector<DevRow> rows = fleks_test::LoadDevSet(SKORLIN_FLEKS_DATA_DIR "names.tsv");
  return rows;
}

TEST(FleksDeclension, DevelopmentSetLoads) { ASSERT_GT(Rows().size(), 1500u); }

TEST(FleksDeclension, EveryNameInEveryCase) {
  std::map<std::string, int> failuresByGroup;
  for (const DevRow& row : Rows()) {
    for (int caseNo = 1; caseNo <= 6; ++caseNo) {
      for (const Probe& probe : fleks_test::MakeProbes(row, caseNo)) {
        const std::string got = fleks_test::Decline(probe.input, caseNo);
        if (got != probe.expected) {
          ++failuresByGroup[row.group + " " + row.role];
          ADD_FAILURE() << "names.tsv:" << row.line << " case " << caseNo << ": " << probe.input << " → "
                        << got << ", expected " << probe.expected;
        }
      }
    }
  }
  for (const auto& [group, count] : failuresByGroup) std::cerr << group << ": " << count << " failures\n";
}

TEST(FleksDeclension, SexFromPatronymicsAndFirstNames) {
  for (const DevRow& row : Rows()) {
    if (row.role != "patronymic" && row.role != "name" && row.role != "full") continue;
    if (row.group == "unisex") continue;  // Саша, Женя: only the other parts tell
    EXPECT_EQ(fleks_test::Sex(row.forms[0]), row.sex) << "names.tsv:" << row.line << " " << row.forms[0];
    if (!row.TellsItsSex()) continue;
    for (const Probe& probe : fleks_test::MakeProbes(row, 1)) {
      if (probe.kind != fleks_test::ProbeKind::NeutralSurname) continue;
      EXPECT_EQ(fleks_test::Sex(probe.input), row.sex) << "names.tsv:" << row.line << " " << probe.input;
    }
  }
}

// Whatever rule declines a name, its forms keep to Russian spelling.
TEST(FleksDeclension, NoFormBreaksRussianSpelling) {
  for (const DevRow& row : Rows()) {
    for (int caseNo = 2; caseNo <= 6; ++caseNo) {
      for (const Probe& probe : fleks_test::MakeProbes(row, caseNo)) {
        const std::string got = fleks_test::Decline(probe.input, caseNo);
        const std::string broken = fleks_test::SpellingBreak(probe.input, got);
        EXPECT_EQ(broken, "") << "names.tsv:" << row.line << " case " << caseNo << ": " << probe.input
                              << " → " << got;
      }
    }
  }
}

TEST(FleksDeclension, NamesPutTogetherKeepEveryPart) {
  int failures = 0;
  for (const fleks_test::GeneratedProbe& probe : fleks_test::GeneratedProbes(Rows(), 20000, 2024)) {
    const std::string got = fleks_test::Decline(probe.input, probe.caseNo);
    if (got != probe.expected && ++failures <= 50)
      ADD_FAILURE() << "case " << probe.caseNo << ": " << probe.input << " → " << got << ", expected "
                    << probe.expected;
  }
  EXPECT_EQ(failures, 0);
}

// Each first name of the lists, in every case, between a surname and a patronymic of its
// sex: the companions decline as ever, the name keeps to Russian spelling, and with a
// surname that does not tell the sex the name tells it.
TEST(FleksDeclension, EveryListedFirstName) {
  std::set<std::string> male, female;
  for (const fleks::rules::FirstNameList& list : fleks::rules::kFirstNames) {
    for (const std::string& w : fleks_test::ListWords(list.male)) male.insert(w);
    for (const std::string& w : fleks_test::ListWords(list.female)) female.insert(w);
  }
  std::set<std::string> eitherSex;
  for (const std::string& w : fleks_test::ListWords(fleks::rules::kUnisexNames)) eitherSex.insert(w);
  for (const std::string& w : male)
    if (female.count(w)) eitherSex.insert(w);
  for (const auto* names : {&male, &female}) {
    const bool isFemale = names == &female;
    const fleks_test::Companions& c = isFemale ? fleks_test::kFemaleCompanions : fleks_test::kMaleCompanions;
    for (const std::string& lower : *names) {
      if (eitherSex.count(lower)) continue;
      skorlin::text::Text text = skorlin::text::FromUtf8(lower);
      text[0] = skorlin::text::UpperChar(text[0]);
      const std::string name = skorlin::text::ToUtf8(text);
      EXPECT_EQ(fleks_test::Sex("Ковальчук " + name), isFemale ? 0 : 1) << name;
      for (int caseNo = 2; caseNo <= 6; ++caseNo) {
        const std::string input = std::string(c.surname[0]) + " " + name + " " + c.patronymic[0];
        const std::string got = fleks_test::Decline(input, caseNo);
        const std::string surname = std::string(c.surname[caseNo - 1]) + " ";
        const std::string patronymic = std::string(" ") + c.patronymic[caseNo - 1];
        EXPECT_TRUE(got.starts_with(surname) && got.ends_with(patronymic)) << input << " → " << got;
        EXPECT_EQ(fleks_test::SpellingBreak(input, got), "") << input << " → " << got;
      }
    }
  }
}

// A first-name ending or beginning that an earlier row already matches would never decide.
TEST(FleksDeclension, NoSexRowIsHiddenByAnEarlierOne) {
  const auto& endings = fleks::rules::kFirstNameSexEndings;
  const auto& beginnings = fleks::rules::kFirstNameSexBeginnings;
  for (std::size_t i = 0; i < std::size(endings); ++i)
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(*endings[j].ending != '\0' &&
                   std::string_view(endings[i].ending).ends_with(endings[j].ending))
          << endings[i].ending << " after " << endings[j].ending;
  for (std::size_t i = 0; i < std::size(beginnings); ++i)
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(std::string_view(beginnings[i].beginning).starts_with(beginnings[j].beginning))
          << beginnings[i].beginning << " after " << beginnings[j].beginning;
}

}  // namespace
