// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/http_prefix.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "text/text.h"
#include "urls/line_change.h"

namespace skorlin::urls {
namespace {

using text::Text;

struct PrefixCase {
  Text line;
  Text expected;
};

Text Apply(bool (*change)(std::string&), const Text& line) { return ApplyLineChange(change, line); }

TEST(AddHttpPrefixTest, PrefixesEveryLineWithoutHttpColon) {
  const PrefixCase cases[] = {
      {U"", U"http://"},
      {U"host", U"http://host"},
      {U"Http://host", U"Http://host"},
      {U"see http://host", U"see http://host"},
      {U"https://host", U"http://https://host"},  // "https:" does not hold "http:"
      {U"ftp://host", U"http://ftp://host"},
      {U"  ", U"http://  "},
      {U"хост/ж", U"http://хост/ж"},
      {U"😀", U"http://😀"},
  };
  for (const PrefixCase& c : cases) {
    EXPECT_EQ(text::ToUtf8(Apply(AddHttpPrefix, c.line)), text::ToUtf8(c.expected)) << text::ToUtf8(c.line);
  }
}

TEST(RemoveHttpPrefixTest, RemovesOnlyALeadingHttpPrefix) {
  const PrefixCase cases[] = {
      {U"http://host", U"host"},
      {U"HTTP://HOST", U"HOST"},
      {U"hTtP://", U""},
      {U"ftp://host", U"ftp://host"},
      // "http:" further on in the line: cutting seven characters would destroy the text.
      {U"см. http://host", U"см. http://host"},
      {U"  http://host", U"  http://host"},
      {U"http:/x", U"http:/x"},
      {U"http:host", U"http:host"},
      {U"https://host", U"https://host"},
      {U"http:", U"http:"},
      {U"", U""},
      {U"http://хост", U"хост"},
      {U"htt😀://", U"htt😀://"},
  };
  for (const PrefixCase& c : cases) {
    EXPECT_EQ(text::ToUtf8(Apply(RemoveHttpPrefix, c.line)), text::ToUtf8(c.expected))
        << text::ToUtf8(c.line);
  }
}

TEST(HttpPrefixTest, CommandsRunOnEveryLine) {
  const text::CommandResult added = AddHttp("a\n\nhttp://b");
  EXPECT_EQ(added.text, "http://a\r\nhttp://\r\nhttp://b\r\n");
  EXPECT_EQ(added.counter, 2);
  EXPECT_EQ(added.caption, "Готово.");

  const text::CommandResult removed = RemoveHttp("http://a\r\nb http://c\r\nHTTP://d");
  EXPECT_EQ(removed.text, "a\r\nb http://c\r\nd\r\n");
  EXPECT_EQ(removed.counter, 2);
  EXPECT_TRUE(removed.changed);

  const text::CommandResult empty = RemoveHttp("");
  EXPECT_EQ(empty.text, "");
  EXPECT_FALSE(empty.changed);
  EXPECT_EQ(empty.caption, "Готово.");
}

}  // namespace
}  // namespace skorlin::urls
