#include "text/line_list.h"

#include <gtest/gtest.h>

namespace skorlin::text {
namespace {

TEST(SplitLines, EndsLinesAtEveryKindOfBreak) {
  struct Case {
    Text text;
    Lines expected;
  } cases[] = {
      {U"", {}},
      {U"a", {U"a"}},
      {U"a\r\nb", {U"a", U"b"}},
      {U"a\rb", {U"a", U"b"}},
      {U"a\nb", {U"a", U"b"}},
      {U"a\n\rb", {U"a", U"", U"b"}},  // LF CR is two breaks
      {U"a\r\n", {U"a"}},              // a final break opens no line
      {U"a\r\n\r\n", {U"a", U""}},
      {U"\r\n", {U""}},
      {U"\n\n", {U"", U""}},
      {U"a\r\r\nb", {U"a", U"", U"b"}},
      {Text(U"a\nb") + U'\0' + U"c\nd", {U"a", U"b"}},  // NUL ends the text
      {Text(1, U'\0') + U"x", {}},
      {U"\tx \u2028y", {U"\tx \u2028y"}},  // only CR and LF break lines
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitLines(c.text), c.expected) << ToUtf8(c.text);
  }
}

TEST(JoinLines, PutsCrLfAfterEveryLine) {
  EXPECT_EQ(JoinLines({}), U"");
  EXPECT_EQ(JoinLines({U""}), U"\r\n");
  EXPECT_EQ(JoinLines({U"a", U"b"}), U"a\r\nb\r\n");
  const Text text = U"x\r\n\r\ny\r\n";
  EXPECT_EQ(JoinLines(SplitLines(text)), text);
}

}  // namespace
}  // namespace skorlin::text
