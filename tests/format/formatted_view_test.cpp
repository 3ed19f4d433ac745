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
      {U"a,b\rx;y\n\nz:w\r\n", U"a, b\r\nx; y\r\n\r\nz: w\r\n"},
      // Lines are trimmed one by one as well.
      {U"a\r\n   b  \r\nc", U"a\r\nb\r\nc\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::ToUtf8(FormattedView(c.input)), text::ToUtf8(c.expected)) << text::ToUtf8(c.input);
  }
}

}  // namespace
}  // namespace skorlin::format
