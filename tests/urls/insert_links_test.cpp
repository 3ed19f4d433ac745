// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/insert_links.h"

#include <gtest/gtest.h>

#include <string>

#include "text/text.h"

namespace skorlin::urls {
namespace {

using text::Text;

struct InsertCase {
  const char* name;
  Text view;
  Text clipboard;
  Text expected;
  int counter;
};

TEST(InsertUrlsTest, WrapsNonBlankLinesWithClipboardAddressesInTurn) {
  const InsertCase cases[] = {
      {"addresses cycle, blank lines take none", U"A\r\n\r\nB\r\nC\r\n", U"u1\r\nu2\r\n",
       U"<a href=\"u1\">A</a>\r\n\r\n<a href=\"u2\">B</a>\r\n<a href=\"u1\">C</a>\r\n", 3},
      {"line of spaces and tabs is blank", U"  \t\r\nA", U"u1", U"  \t\r\n<a href=\"u1\">A</a>\r\n", 1},
      {"the line is used untrimmed", U" A \r\n", U"u1\n", U"<a href=\"u1\"> A </a>\r\n", 1},
      {"blank clipboard line gives an empty address", U"A\r\nB\r\n", U"\r\nu2",
       U"<a href=\"\">A</a>\r\n<a href=\"u2\">B</a>\r\n", 2},
      {"clipboard lines are split at CR, LF and CR LF", U"A\rB\nC\r\nD", U"1\r2\n3\r\n4",
       U"<a href=\"1\">A</a>\r\n<a href=\"2\">B</a>\r\n<a href=\"3\">C</a>\r\n"
       U"<a href=\"4\">D</a>\r\n",
       4},
      {"surplus clipboard lines are not used", U"A", U"u1\r\nu2\r\nu3", U"<a href=\"u1\">A</a>\r\n", 1},
      {"characters outside Windows-1251 are kept", U"₽ 😀", U"http://x/é",
       U"<a href=\"http://x/é\">₽ 😀</a>\r\n", 1},
      {"empty view", U"", U"u1", U"", 0},
      {"only blank lines", U"\r\n \r\n", U"u1", U"\r\n \r\n", 0},
  };
  for (const InsertCase& c : cases) {
    const text::CommandResult result = InsertUrls(text::ToUtf8(c.view), text::ToUtf8(c.clipboard));
    EXPECT_EQ(result.text, text::ToUtf8(c.expected)) << c.name;
    EXPECT_EQ(result.counter, c.counter) << c.name;
    EXPECT_EQ(result.outcome, text::Outcome::kDone) << c.name;
    EXPECT_EQ(result.caption, "Готово.") << c.name;
  }
}

TEST(InsertAnchorsTest, ViewLinesBecomeAddressesOfClipboardTexts) {
  const InsertCase cases[] = {
      {"single clipboard line is used again", U"http://host/a\r\nhttp://host/b\r\n", U"Текст\r\n",
       U"<a href=\"http://host/a\">Текст</a>\r\n<a href=\"http://host/b\">Текст</a>\r\n", 2},
      {"blank lines keep their place", U"a\r\n   \r\nb", U"1\r\n2",
       U"<a href=\"a\">1</a>\r\n   \r\n<a href=\"b\">2</a>\r\n", 2},
  };
  for (const InsertCase& c : cases) {
    const text::CommandResult result = InsertAnchors(text::ToUtf8(c.view), text::ToUtf8(c.clipboard));
    EXPECT_EQ(result.text, text::ToUtf8(c.expected)) << c.name;
    EXPECT_EQ(result.counter, c.counter) << c.name;
    EXPECT_EQ(result.caption, "Готово.") << c.name;
  }
}

TEST(InsertLinksTest, EmptyClipboardLeavesTheViewAndSaysSo) {
  // A NUL ends a text, so a clipboard that starts with one holds no lines either.
  for (const std::string& clipboard : {std::string(), std::string("\0u1", 3)}) {
    using Command = text::CommandResult (*)(std::string_view, std::string_view);
    for (const Command command : {Command{InsertUrls}, Command{InsertAnchors}}) {
      const text::CommandResult result = Joined(command("A\n\nB", clipboard));
      EXPECT_EQ(result.text, "A\r\n\r\nB\r\n");
      EXPECT_FALSE(result.changed);
      EXPECT_EQ(result.outcome, text::Outcome::kNothingToDo);
      EXPECT_EQ(result.counter, 0);
      EXPECT_EQ(result.caption, "Буфер обмена пуст");
    }
  }
}

}  // namespace
}  // namespace skorlin::urls
