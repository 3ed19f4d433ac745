// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/formatted_view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "random_lines.h"
#include "text/line_chunks.h"
#include "text/utf8.h"

namespace skorlin::format {
namespace {

TEST(FormattedView, TrimsSplitsNormalizesAndJoins) {
  struct Case {
    const char32_t* input;
    const char32_t* expected;
  } cases[] = {
      {U"", U""},
      {U" \t\r\n\r\n ", U""},
      {U"\r\n\r\n  стр5  \r\n\r\nN5\n", U"стр 5\r\n\r\n№ 5\r\n"},
      // Every kind of break ends a line; an empty line stays; the last break opens no line.
      {U"a,b\rx;y\n\nз:ш\r\n", U"a, b\r\nx; y\r\n\r\nз: ш\r\n"},
      // Lines are trimmed one by one as well.
      {U"a\r\n   b  \r\nc", U"a\r\nb\r\nc\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::ToUtf8(FormattedView(c.input)), text::ToUtf8(c.expected)) << text::ToUtf8(c.input);
    for (const bool withChanges : {false, true}) {
      EXPECT_EQ(FormattedViewUtf8(c.input, withChanges).utf8, text::ToUtf8(c.expected))
          << text::ToUtf8(c.input);
    }
  }
}

// Changes are counted in bytes of the view's UTF-8 text, every line ending with CR LF.
TEST(FormattedView, ChangesAreTheNormalizersOwnInBytesOfTheView) {
  struct Case {
    const char* input;
    std::vector<text::CharChange> changes;
  } cases[] = {
      {"", {}},
      {"Простая строка.\nи ещё одна", {}},
      // "№ " in place of "N" (4 bytes), a space inserted before "г." in the next line.
      {"N5\r\nв 1941г.", {{0, 4}, {14, 1}}},
      // A space after the comma, none before the colon; the blank line between stays.
      {"да,нет\n\nитог :", {{5, 1}, {24, 0}}},
      // Nothing inside the address is touched, only the space before the comma after it.
      {"см. http://site.ru/a,b?x=1 ,там", {{28, 0}, {29, 1}}},
  };
  for (const Case& c : cases) {
    const FormattedViewBytes view = FormattedViewUtf8(text::FromUtf8(c.input), true);
    EXPECT_EQ(view.changes, c.changes) << c.input;
    EXPECT_TRUE(FormattedViewUtf8(text::FromUtf8(c.input), false).changes.empty());
  }
}

// The command-line tool formats UTF-8 line by line, a large text on two threads: the result
// is the view's, byte for byte, bad bytes and every kind of break included.
TEST(FormattedView, FromUtf8SameAsTheView) {
  testing::RandomLines lines(testing::TypographyPieces(), 41);
  std::string utf8 = "  \r\n";
  while (utf8.size() < 2 * text::kParallelBytes) {
    text::Text line = lines.Next(30);
    std::replace(line.begin(), line.end(), text::Char{0}, text::Char{U'x'});  // a NUL ends the text
    text::AppendUtf8(utf8, line);
    utf8 += utf8.size() % 7 == 0 ? "\xD0\r" : utf8.size() % 5 == 0 ? "\n" : "\r\n";
  }
  for (const std::size_t size : {std::size_t{0}, std::size_t{3}, std::size_t{5000}, utf8.size()}) {
    const std::string_view input = std::string_view(utf8).substr(0, size);
    ASSERT_EQ(FormattedViewFromUtf8(input), text::ToUtf8(FormattedView(text::DecodeUtf8(input)))) << size;
  }
  // The window's view with its changes, on two threads, against the views of the text's two
  // halves (each small enough for one), cut before a line that begins with a letter.
  const text::Text text = text::DecodeUtf8(utf8);
  std::size_t cut = text.size() / 2;
  while (!(text[cut - 1] == U'\n' && text::IsLetter(text[cut]))) ++cut;
  FormattedViewBytes halves = FormattedViewUtf8(text.substr(0, cut), true);
  AppendView(halves, FormattedViewUtf8(text.substr(cut), true));
  const FormattedViewBytes whole = FormattedViewUtf8(text, true);
  EXPECT_EQ(whole.utf8, halves.utf8);
  EXPECT_EQ(whole.changes, halves.changes);
}

}  // namespace
}  // namespace skorlin::format
