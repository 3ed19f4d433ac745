// SPDX-License-Identifier: GPL-3.0-or-later
// docs/formatter-rules.md against the formatter: every example on the page, written
// `before` → `after`, must be what NormalizeLine makes of its line.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "format/normalize_line.h"
#include "format/rules_page.h"

namespace skorlin::format {
namespace {

// The page writes TAB, CR and LF, which a line of an example cannot show, as ␉, ␍ and ␊,
// and the no-break space, which cannot be seen, as ⍽.
const testing::Pictures kPictures{{"␉", "\t"}, {"␍", "\r"}, {"␊", "\n"}, {"⍽", "\u00A0"}};

std::string Normalized(const std::string& line) { return text::ToUtf8(NormalizeLine(text::FromUtf8(line))); }

TEST(RulesPage, EveryExampleIsWhatTheFormatterDoes) {
  const std::string path = std::string(SKORLIN_SOURCE_DIR) + "/docs/formatter-rules.md";
  ASSERT_TRUE(std::ifstream(path)) << "cannot read " << path;
  const std::vector<testing::PageExample> examples = testing::PageExamples(path, kPictures);
  for (const auto& [before, after, where] : examples) {
    EXPECT_EQ(Normalized(before), after) << where;
    // The page promises that formatting twice changes nothing.
    EXPECT_EQ(Normalized(after), after) << where << " (formatted again)";
  }
  // A page whose examples the pattern no longer finds must not pass for a checked one.
  EXPECT_GE(examples.size(), 150u);
}

}  // namespace
}  // namespace skorlin::format
