// Every name of the development set in all six cases, and the sex the library tells from
// each patronymic and first name. A failure lists the rows, grouped by kind of name.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "dev_set.h"

namespace {

using fleks_test::DevRow;

const std::vector<DevRow>& Rows() {
  static const std::vector<DevRow> rows = fleks_test::LoadDevSet(SKORLIN_FLEKS_DATA_DIR "names.tsv");
  return rows;
}

TEST(FleksDeclension, DevelopmentSetLoads) { ASSERT_GT(Rows().size(), 1500u); }

TEST(FleksDeclension, EveryNameInEveryCase) {
  std::map<std::string, int> failuresByGroup;
  for (const DevRow& row : Rows()) {
    for (int caseNo = 1; caseNo <= 6; ++caseNo) {
      const fleks_test::Probe probe = fleks_test::MakeProbe(row, caseNo);
      const std::string got = fleks_test::Decline(probe.input, caseNo);
      if (got != probe.expected) {
        ++failuresByGroup[row.group + " " + row.role];
        ADD_FAILURE() << "names.tsv:" << row.line << " case " << caseNo << ": " << probe.input << " → " << got
                      << ", expected " << probe.expected;
      }
    }
  }
  for (const auto& [group, count] : failuresByGroup) std::cerr << group << ": " << count << " failures\n";
}

TEST(FleksDeclension, SexFromPatronymicsAndFirstNames) {
  for (const DevRow& row : Rows()) {
    if (row.role != "patronymic" && row.role != "name" && row.role != "full") continue;
    if (row.group == "unisex") continue;  // Саша, Женя: only the other parts tell
    EXPECT_EQ(fleks_test::Sex(row.forms[0]), row.female ? 0 : 1)
        << "names.tsv:" << row.line << " " << row.forms[0];
  }
}

}  // namespace
