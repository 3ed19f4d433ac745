// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/formatted_view.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace skorlin::format
