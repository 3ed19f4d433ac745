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

Text Apply(bool (*change)(Text&), Text line) { return ApplyLineChange(change, std::move(line)); }

TEST(AddHttpPrefixTest, PrefixesEveryLineWithoutHttpColon) {
  const PrefixCase cases[] = {
      {U"", U"http://"},
      {U"host", U"http://host"},
      {U"Http://host", U"Http://host"},
      {U"see http://host", U"see http://host"},
      {U"https://host", U"http://https://host"},  // "https:" does not hold "http:"
      {U"ftp://host", U"http://ftp://host"},
      {U"  ", U"http://  "},
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
  };
  for (const PrefixCase& c : cases) {
    EXPECT_EQ(text::ToUtf8(Apply(RemoveHttpPrefix, c.line)), text::ToUtf8(c.expected))
        << text::ToUtf8(c.line);
  }
}

TEST(HttpPrefixTest, CommandsRunOnEveryLine) {
  const UrlResult added = AddHttp(U"a\n\nhttp://b");
  EXPECT_EQ(text::ToUtf8(added.text), "http://a\r\nhttp://\r\nhttp://b\r\n");
  EXPECT_EQ(added.counter, 2);
  EXPECT_EQ(added.caption, "Готово.");

  const UrlResult removed = RemoveHttp(U"http://a\r\nb http://c\r\nHTTP://d");
  EXPECT_EQ(text::ToUtf8(removed.text), "a\r\nb http://c\r\nd\r\n");
  EXPECT_EQ(removed.counter, 2);
  EXPECT_TRUE(removed.changed);

  const UrlResult empty = RemoveHttp(U"");
  EXPECT_EQ(empty.text, Text());
  EXPECT_FALSE(empty.changed);
  EXPECT_EQ(empty.caption, "Готово.");
}

}  // namespace
}  // namespace skorlin::urls
