// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/char_diff.h"

#include <gtest/gtest.h>

#include <string>

namespace skorlin::text {
namespace {

// before turned into after by the script, or nothing when the script does not fit before.
Text Apply(const EditScript& script, TextView before, TextView after) {
  Text result;
  std::size_t i = 0;
  std::size_t j = 0;
  for (const EditRun& run : script) {
    if (run.op == EditOp::kKeep) {
      if (i + run.count > before.size()) return U"<script overruns before>";
      result += before.substr(i, run.count);
      i += run.count;
      j += run.count;
    } else if (run.op == EditOp::kDelete) {
      i += run.count;
    } else {
      result += after.substr(j, run.count);
      j += run.count;
    }
  }
  return i == before.size() ? result : U"<script leaves part of before>";
}

std::size_t Edits(const EditScript& script) {
  std::size_t edits = 0;
  for (const EditRun& run : script) edits += run.op == EditOp::kKeep ? 0 : run.count;
  return edits;
}

Text Repeated(TextView piece, std::size_t times) {
  Text text;
  for (std::size_t k = 0; k < times; ++k) text += piece;
  return text;
}

TEST(CharChanges, MarksInsertedAndChangedStretchesAndThePlacesOfDeletions) {
  const Text longLine = Repeated(U"слово, ", 20000);
  Text longFormatted = longLine;
  longFormatted.insert(70000, U"X");
  longFormatted.erase(6, 1);
  struct Case {
    Text before;
    Text after;
    std::vector<CharChange> changes;
    std::size_t fewestEdits;
  } cases[] = {
      {U"", U"", {}, 0},
      {U"Простая строка.", U"Простая строка.", {}, 0},
      {U"5 мая", U"№ 5 мая", {{0, 2}}, 2},
      {U"текст", U"текст.", {{5, 1}}, 1},
      {U" слово", U"слово", {{0, 0}}, 1},
      {U"слово !", U"слово!", {{5, 0}}, 1},
      {U"конец ", U"конец", {{5, 0}}, 1},
      {U"N5 и #5", U"№ 5 и № 5", {{0, 2}, {6, 2}}, 6},
      {U"КП /б/", U"КП(б)", {{2, 1}, {4, 1}}, 5},
      {U"a,b;c", U"a, b; c", {{2, 1}, {5, 1}}, 2},
      {U"текст  без  изменений", U"текст без изменений", {{6, 0}, {9, 0}}, 2},
      {U"всё", U"", {{0, 0}}, 3},
      {U"", U"всё", {{0, 3}}, 3},
      // Nothing in common: one stretch replaced.
      {U"абв", U"где", {{0, 3}}, 6},
      // Past the exact limit (every other character changed): still a script that works.
      {Repeated(U"ab", 400), Repeated(U"ac", 400), {}, 0},
      // A very long line with two changes far apart is still diffed exactly.
      {longLine, longFormatted, {{6, 0}, {69999, 1}}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.before.substr(0, 40)));
    const EditScript script = DiffCharacters(c.before, c.after);
    EXPECT_EQ(Apply(script, c.before, c.after), c.after);
    if (c.fewestEdits > 0 || c.before == c.after) {
      EXPECT_EQ(Edits(script), c.fewestEdits);
      EXPECT_EQ(CharChanges(c.before, c.after), c.changes);
    }
  }
}

}  // namespace
}  // namespace skorlin::text
