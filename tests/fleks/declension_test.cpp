// Every name of the development set in all six cases, the sex the library tells from
// each patronymic and first name, and the spelling of every form it gives. A failure
// lists the rows, grouped by kind of name.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "dev_set.h"

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

}  // namespace
