// SPDX-License-Identifier: GPL-3.0-or-later
// A line of ten million characters survives every command that only moves or keeps it.
#include <gtest/gtest.h>

#include "lines/duplicates.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/whitespace.h"
#include "text/line_list.h"
#include "text/utf8.h"

namespace skorlin::lines::testing {
namespace {

TEST(LongLines, NoCommandShortensALineItMovesOrKeeps) {
  // No blanks, no double spaces, no sentence mark: every command keeps the line as it is.
  std::string longLine;
  for (int i = 0; i < 10'000'000; ++i) longLine += "ж";
  const std::string t = "b\r\n" + longLine + "\r\nb\r\n\r\n";
  const LineCollator collator("ru_RU");
  RandomGenerator random(9);
  const auto keepsIt = [&](const CommandResult& result, int times = 1) {
    int count = 0;
    for (const std::string_view line : text::SplitLines(result.text)) count += line == longLine ? 1 : 0;
    return count == times;
  };
  EXPECT_TRUE(keepsIt(TrimLineBlanks(t)));
  EXPECT_TRUE(keepsIt(Joined(DeleteEmptyLines(t))));
  EXPECT_TRUE(keepsIt(DeleteDoubleSpaces(t)));
  EXPECT_TRUE(keepsIt(Joined(DeleteDuplicateLines(t))));
  EXPECT_TRUE(keepsIt(Joined(DeleteAllDuplicateLines(t))));
  EXPECT_TRUE(keepsIt(Joined(DeleteUniqueLines(t + longLine + "\r\n", View::kInput)), 2));
  EXPECT_TRUE(keepsIt(Joined(SortLines(t, collator))));
  EXPECT_TRUE(keepsIt(Joined(MirrorSortLines(t, collator))));
  EXPECT_TRUE(keepsIt(Joined(SortLinesByLength(t))));
  EXPECT_TRUE(keepsIt(Joined(ShuffleLines(t, random, View::kInput))));
  EXPECT_TRUE(keepsIt(Joined(ShuffleLines(t, random, View::kHtml))));
  EXPECT_TRUE(keepsIt(Joined(InvertLines(t))));
  EXPECT_TRUE(keepsIt(SplitParagraphs(t, 250, 400, random)));
}

TEST(LongLines, ALongLineSplitsIntoAllItsParagraphs) {
  // Sentences of 21 characters; with min and max 300 every paragraph but the last runs
  // from 300 characters to the next period, and only the blanks after a break are lost.
  text::Text line;
  for (int i = 0; i < 100000; ++i) line += U"Ааааа бббб вввв ггг. ";
  RandomGenerator random(1);
  const text::Lines paragraphs =
      text::SplitLines(text::DecodeUtf8(SplitParagraphs(text::ToUtf8(line), 300, 300, random).text));
  ASSERT_GT(paragraphs.size(), 6000U);
  const auto withoutSpaces = [](text::TextView s) {
    text::Text out;
    for (const text::Char c : s) {
      if (c != U' ') out += c;
    }
    return out;
  };
  text::Text joined;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    if (i + 1 < paragraphs.size()) {
      ASSERT_GE(paragraphs[i].size(), 300U) << i;
      ASSERT_EQ(paragraphs[i].back(), U'.') << i;
      ASSERT_NE(paragraphs[i].front(), U' ') << i;
    }
    joined += paragraphs[i];
  }
  EXPECT_TRUE(withoutSpaces(joined) == withoutSpaces(line));
}

}  // namespace
}  // namespace skorlin::lines::testing
