// SPDX-License-Identifier: GPL-3.0-or-later
// docs/typesetting-rules.md against typesetting: every example on the page, written
// `before` → `after`, must be what Typeset makes of its text, and Typeset must leave the
// result as it is.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "format/rules_page.h"
#include "text/text.h"
#include "typeset/typeset.h"

namespace skorlin::typeset {
namespace {

// The page writes the no-break space, which cannot be seen, as ⍽, and a line break as ⏎.
const format::testing::Pictures kPictures{{"⍽", "\u00A0"}, {"⏎", "\n"}};

// The typeset text with its lines joined by "\n": Typeset ends every line with CR LF,
// the last one too, which the page leaves out.
std::string Typeset(const std::string& utf8) {
  const std::string out = text::ToUtf8(typeset::Typeset(text::FromUtf8(utf8)));
  std::string lines;
  for (std::size_t p = 0; p < out.size(); ++p) {
    if (out.compare(p, 2, "\r\n") == 0) {
      lines += '\n';
      ++p;
    } else {
      lines += out[p];
    }
  }
  if (lines.ends_with('\n')) lines.pop_back();
  return lines;
}

TEST(RulesPage, EveryExampleIsWhatTypesettingDoes) {
  const std::string path = std::string(SKORLIN_SOURCE_DIR) + "/docs/typesetting-rules.md";
  ASSERT_TRUE(std::ifstream(path)) << "cannot read " << path;
  const std::vector<format::testing::PageExample> examples = format::testing::PageExamples(path, kPictures);
  int paragraphs = 0;
  int noBreakSpaces = 0;
  for (const auto& [before, after, where] : examples) {
    paragraphs += after.find('\n') != std::string::npos ? 1 : 0;
    noBreakSpaces += after.find("\u00A0") != std::string::npos ? 1 : 0;
    EXPECT_EQ(Typeset(before), after) << where;
    // The page promises that typesetting twice changes nothing.
    EXPECT_EQ(Typeset(after), after) << where << " (typeset again)";
  }
  // A page whose examples the pattern, or the stand-ins, no longer find must not pass for
  // a checked one.
  EXPECT_GE(examples.size(), 150u);
  EXPECT_GE(paragraphs, 5);
  EXPECT_GE(noBreakSpaces, 90);
}

}  // namespace
}  // namespace skorlin::typeset
