#include "text/line_list.h"

#include <gtest/gtest.h>

#include <string>

#include "text/line_breaks.h"

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

// What a view holds of a text with any line breaks (CR LF only), and what the clipboard
// gets of a view (LF), byte for byte: multi-byte characters and NUL pass untouched.
TEST(LineBreaks, EveryBreakBecomesCrLfOrLf) {
  struct Case {
    std::string text;
    std::string crlf;
    std::string lf;
  } cases[] = {
      {"", "", ""},
      {"a", "a", "a"},
      {"a\r\nb", "a\r\nb", "a\nb"},
      {"a\rb", "a\r\nb", "a\rb"},
      {"a\nb\n", "a\r\nb\r\n", "a\nb\n"},
      {"a\n\rb", "a\r\n\r\nb", "a\n\rb"},  // LF CR is two breaks
      {"a\r\r\nb", "a\r\n\r\nb", "a\r\nb"},
      {"\r", "\r\n", "\r"},
      {"\n\n", "\r\n\r\n", "\n\n"},
      {"\r\n\r\n", "\r\n\r\n", "\n\n"},
      {"Жё\n\xF0\x9F\x98\x80\r", "Жё\r\n\xF0\x9F\x98\x80\r\n", "Жё\n\xF0\x9F\x98\x80\r"},
      {std::string("x\0\ny", 4), std::string("x\0\r\ny", 5), std::string("x\0\ny", 4)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithCrLfBreaks(c.text), c.crlf) << c.text;
    EXPECT_EQ(WithLfBreaks(c.text), c.lf) << c.text;
    EXPECT_EQ(WithLfBreaks(WithCrLfBreaks(c.crlf)), WithLfBreaks(c.crlf)) << c.text;
  }
}

}  // namespace
}  // namespace skorlin::text
