// SPDX-License-Identifier: GPL-3.0-or-later
// docs/formatter-rules.md against the formatter: every example on the page, written
// `before` → `after`, must be what NormalizeLine makes of its line.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "format/normalize_line.h"

namespace skorlin::format {
namespace {

// The page writes TAB, CR and LF, which a line of an example cannot show, as ␉, ␍ and ␊,
// and the no-break space, which cannot be seen, as ⍽.
std::string WithControlCharacters(std::string s) {
  for (const auto& [picture, control] :
       {std::pair{"␉", "\t"}, std::pair{"␍", "\r"}, std::pair{"␊", "\n"}, std::pair{"⍽", "\u00A0"}}) {
    for (std::size_t p = s.find(picture); p != std::string::npos; p = s.find(picture, p + 1)) {
      s.replace(p, std::string(picture).size(), control);
    }
  }
  return s;
}

std::string Normalized(const std::string& line) { return text::ToUtf8(NormalizeLine(text::FromUtf8(line))); }

TEST(RulesPage, EveryExampleIsWhatTheFormatterDoes) {
  const std::string path = std::string(SKORLIN_SOURCE_DIR) + "/docs/formatter-rules.md";
  std::ifstream page(path);
  ASSERT_TRUE(page) << "cannot read " << path;
  const std::regex example("`([^`]*)` → `([^`]*)`");
  int examples = 0;
  int lineNumber = 0;
  for (std::string line; std::getline(page, line);) {
    ++lineNumber;
    for (std::sregex_iterator match(line.begin(), line.end(), example), end; match != end; ++match) {
      ++examples;
      const std::string before = WithControlCharacters((*match)[1]);
      const std::string after = WithControlCharacters((*match)[2]);
      const std::string where = "formatter-rules.md:" + std::to_string(lineNumber) + ": " + match->str();
      EXPECT_EQ(Normalized(before), after) << where;
      // The page promises that formatting twice changes nothing.
      EXPECT_EQ(Normalized(after), after) << where << " (formatted again)";
    }
  }
  // A page whose examples the pattern no longer finds must not pass for a checked one.
  EXPECT_GE(examples, 150);
}

}  // namespace
}  // namespace skorlin::format
