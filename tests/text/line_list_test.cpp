// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_list.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/line_breaks.h"
#include "text/utf8.h"

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
  EXPECT_EQ(JoinLines(Lines{}), U"");
  EXPECT_EQ(JoinLines(Lines{U""}), U"\r\n");
  EXPECT_EQ(JoinLines(Lines{U"a", U"b"}), U"a\r\nb\r\n");
  EXPECT_EQ(JoinLines(LineViews{"a", "ж"}), "a\r\nж\r\n");
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
    EXPECT_EQ(WithCrLfBreaks(std::string(c.text)), c.crlf) << c.text;
    EXPECT_EQ(WithLfBreaks(c.text), c.lf) << c.text;
    EXPECT_EQ(WithLfBreaks(WithCrLfBreaks(c.crlf)), WithLfBreaks(c.crlf)) << c.text;
  }
}

// The splitter and joiner on UTF-8 give the lines the Text forms give, character for
// character: breaks of every kind, NULs, and characters of every length at a line's edges.
TEST(SplitLines, Utf8LinesAreTheLinesOfTheText) {
  std::mt19937 random(7);
  const Text pieces[] = {U"a", U"bc",          U"\r", U"\n",  U"\r\n", U"\n\r",
                         U" ", Text(1, U'\0'), U"я",  U"₽", U"😀",    U"\u0098"};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  // Up to about a hundred bytes: breaks at and across the edges of sixteen-byte blocks.
  std::uniform_int_distribution<int> count(0, 40);
  for (int round = 0; round < 5000; ++round) {
    Text t;
    for (int i = count(random); i > 0; --i) t += pieces[pick(random)];
    const std::string utf8 = ToUtf8(t);
    const Lines expected = SplitLines(t);
    const LineViews lines = SplitLines(utf8);
    ASSERT_EQ(lines.size(), expected.size()) << utf8;
    for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(DecodeUtf8(lines[i]), expected[i]) << utf8;
    const std::string whole = ToUtf8(JoinLines(expected));
    ASSERT_EQ(JoinLines(lines), whole);
    ASSERT_EQ(WholeText(utf8), whole);
    ASSERT_LE(whole.size(), WholeTextSizeBound(utf8));
  }
}

// Characters read from UTF-8 as the program writes it: every length, a lone surrogate in
// its three-byte form (a view may hold one), and a text that is no UTF-8 read without
// reading outside it.
TEST(Utf8, CharactersAsTheProgramWritesThem) {
  struct Case {
    Text text;
    std::size_t bytes;
  } cases[] = {
      {U"", 0},
      {U"a\r\n", 3},
      {U"Ёж", 4},
      {U"₽№", 6},
      {U"😀", 4},
      {Text(1, U'\xD800') + U"x" + Text(1, U'\xDFFF'), 7},
      {Text(1, U'\0') + U"\u0098", 3},
  };
  for (const Case& c : cases) {
    std::string utf8;
    AppendUtf8(utf8, c.text);
    EXPECT_EQ(utf8.size(), c.bytes) << ToUtf8(c.text);
    EXPECT_EQ(CountUtf8Chars(utf8), c.text.size()) << utf8;
    EXPECT_EQ(DecodeUtf8(utf8), c.text) << utf8;
  }
  for (const std::string& broken : {std::string("\xD0"), std::string("\x80\x80"), std::string("ab\xF0\x9F"),
                                    std::string("\xC0\xAF"), std::string("\xF8\x88\x80\x80\x80")}) {
    const Text decoded = DecodeUtf8(broken);
    EXPECT_FALSE(decoded.empty()) << broken;
    EXPECT_EQ(decoded.back(), U'\xFFFD') << broken;
  }
}

}  // namespace
}  // namespace skorlin::text
