// SPDX-License-Identifier: GPL-3.0-or-later
// The edit script of two sequences and the unified diff written from it.
#include "text/unified_diff.h"

#include <gtest/gtest.h>

#include <random>

#include "text/sequence_diff.h"

namespace skorlin::text {
namespace {

using Items = std::vector<std::uint32_t>;

TEST(DiffSequences, PairsChangedItemsInOrderBetweenAnchors) {
  constexpr auto K = EditOp::kKeep;
  constexpr auto D = EditOp::kDelete;
  constexpr auto I = EditOp::kInsert;
  const struct {
    Items before;
    Items after;
    EditScript expected;
  } cases[] = {
      {{}, {}, {}},
      {{1, 2}, {1, 2}, {{K, 2}}},
      {{}, {1}, {{I, 1}}},
      {{1, 2, 3}, {1, 9, 3}, {{K, 1}, {D, 1}, {I, 1}, {K, 1}}},
      // Repeated items (blank lines) dropped at both ends, the lines between changed in
      // place: each pairs with its own new form.
      {{0, 0, 5, 0, 6, 0}, {7, 0, 8}, {{D, 3}, {I, 1}, {K, 1}, {D, 2}, {I, 1}}},
      {{0, 5, 0, 6, 0}, {7, 0, 8}, {{D, 2}, {I, 1}, {K, 1}, {D, 2}, {I, 1}}},
      {{0, 0, 5, 0, 6, 0, 9, 0},
       {7, 0, 8, 0, 10},
       {{D, 3}, {I, 1}, {K, 1}, {D, 1}, {I, 1}, {K, 1}, {D, 2}, {I, 1}}},
      // Items found once on each side anchor the pairing, whatever lies between them.
      {{7, 1, 8, 2, 9}, {1, 6, 2}, {{D, 1}, {K, 1}, {D, 1}, {I, 1}, {K, 1}, {D, 1}}},
      {{1, 2, 3}, {3, 1, 2}, {{I, 1}, {K, 2}, {D, 1}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DiffSequences(c.before, c.after), c.expected);
  }
}

// Deleted and kept items rebuild the first sequence, kept and inserted ones the second.
void ExpectScriptRebuilds(const Items& before, const Items& after) {
  Items fromBefore;
  Items fromAfter;
  std::size_t i = 0;
  std::size_t j = 0;
  for (const EditRun& run : DiffSequences(before, after)) {
    ASSERT_GT(run.count, 0u);
    for (std::size_t n = 0; n < run.count; ++n) {
      if (run.op == EditOp::kKeep) {
        ASSERT_LT(i, before.size());
        ASSERT_LT(j, after.size());
        ASSERT_EQ(before[i], after[j]);
      }
      if (run.op != EditOp::kInsert) fromBefore.push_back(before.at(i++));
      if (run.op != EditOp::kDelete) fromAfter.push_back(after.at(j++));
    }
  }
  EXPECT_EQ(fromBefore, before);
  EXPECT_EQ(fromAfter, after);
}

TEST(DiffSequences, ScriptAlwaysRebuildsBothSequences) {
  std::mt19937 random(19);
  for (int n = 0; n < 20000; ++n) {
    const std::uint32_t alphabet = 2 + random() % 40;
    Items before(random() % 40);
    for (std::uint32_t& item : before) item = random() % alphabet;
    // Either an unrelated sequence or an edited copy: items changed, dropped, added.
    Items after;
    if (n % 2 == 0) {
      after.resize(random() % 40);
      for (std::uint32_t& item : after) item = random() % alphabet;
    } else {
      for (const std::uint32_t item : before) {
        const unsigned roll = random() % 10;
        if (roll == 0) continue;
        after.push_back(roll == 1 ? random() % alphabet : item);
        if (roll == 2) after.push_back(random() % alphabet);
      }
    }
    ExpectScriptRebuilds(before, after);
  }
  // Many stretches between anchors, some longer than the shifts tried one by one.
  Items before;
  Items after;
  for (std::uint32_t k = 0; k < 3000; ++k) {
    before.push_back(k % 7 == 0 ? 1000000 + k : k % 3);
    if (k % 11 != 0) after.push_back(k % 5 == 0 ? 2000000 + k : before.back());
  }
  before.insert(before.begin(), 50, 0);
  ExpectScriptRebuilds(before, after);
}

TEST(UnifiedDiff, WritesHeadersRangesAndMissingLineFeeds) {
  const struct {
    const char* before;
    const char* after;
    const char* name;
    const char* expected;
  } cases[] = {
      {"a\n", "a\n", "f", ""},
      {"", "a\n", "f", "--- f\n+++ f\n@@ -0,0 +1 @@\n+a\n"},
      {"a\nb\n", "", "f", "--- f\n+++ f\n@@ -1,2 +0,0 @@\n-a\n-b\n"},
      {"a\nb", "a\nb\n", "f", "--- f\n+++ f\n@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+b\n"},
      {"a\nb", "A\nb", "f", "--- f\n+++ f\n@@ -1,2 +1,2 @@\n-a\n+A\n b\n\\ No newline at end of file\n"},
      {"a\r\nb\r", "a\r\nc\r", "f",
       "--- f\n+++ f\n@@ -1,2 +1,2 @@\n a\r\n-b\r\n\\ No newline at end of file\n+c\r\n\\ No newline at end "
       "of file\n"},
      // names as diff quotes them
      {"a\n", "b\n", "my file", "--- \"my file\"\n+++ \"my file\"\n@@ -1 +1 @@\n-a\n+b\n"},
      {"a\n", "b\n", "q\"\\\t\xD1\x84",
       "--- \"q\\\"\\\\\\t\\321\\204\"\n+++ \"q\\\"\\\\\\t\\321\\204\"\n@@ -1 +1 @@\n-a\n+b\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UnifiedDiff(c.before, c.after, c.name, c.name), c.expected) << c.before;
  }
}

}  // namespace
}  // namespace skorlin::text
