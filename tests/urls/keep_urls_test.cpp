// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/keep_urls.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/command_result.h"
#include "text/line_list.h"
#include "text/text.h"
#include "urls/url_chars.h"

namespace skorlin::urls {
namespace {

using text::Lines;
using text::Text;

std::string Utf8Lines(const Lines& lines) { return text::ToUtf8(text::JoinLines(lines)); }
std::string Utf8Lines(const text::LineViews& lines) { return text::JoinLines(lines); }

TEST(KeepUrlsTest, KeepsTokensByTheirExactScheme) {
  struct Case {
    const char* name;
    Text view;
    Lines expected;
  };
  const Case cases[] = {
      {"query and comma end tokens; https is not kept",
       U"см. http://host1/x?id=1, ftp://host2 и https://host3",
       {U"http://host1/x", U"ftp://host2"}},
      {"mail scheme, duplicates kept in order",
       U"mail://a http://b\r\nhttp://b",
       {U"mail://a", U"http://b", U"http://b"}},
      {"upper-case scheme is not kept", U"HTTP://host Http://host", {}},
      {"bare scheme is a token", U"ftp:// http://", {U"ftp://", U"http://"}},
      {"too short for a scheme", U"ftp:/ http:/", {}},
      {"token at the very end of the text", U"x http://end", {U"http://end"}},
      {"characters above 127 end a token",
       U"http://хост/путь http://a₽b http://c😀d",
       {U"http://", U"http://a", U"http://c"}},
      {"line breaks end a token", U"http://a\rhttp://b\nc", {U"http://a", U"http://b"}},
      {"every token character is kept", U"(http://A-Z_a-z~0.9%20:80/p)", {U"http://A-Z_a-z~0.9%20:80/p"}},
      {"scheme inside a token does not start one", U"xhttp://a", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8Lines(FindUrls(text::ToUtf8(c.view))), Utf8Lines(c.expected)) << c.name;
  }
}

TEST(KeepUrlsTest, ReplacesTheViewAndCountsTheUrls) {
  const text::CommandResult result = Joined(KeepUrls("a http://x b\r\nftp://y"));
  EXPECT_EQ(result.text, "http://x\r\nftp://y\r\n");
  EXPECT_TRUE(result.changed);
  EXPECT_EQ(result.outcome, text::Outcome::kDone);
  // The same URLs as the view's lines: the view stays.
  EXPECT_FALSE(Joined(KeepUrls("http://x\r\nftp://y\r\n")).changed);
  EXPECT_EQ(result.counter, 2);
  EXPECT_EQ(result.caption, "Готово.");
}

TEST(KeepUrlsTest, ScansTheViewWhichANulEnds) {
  const text::CommandResult result = Joined(KeepUrls(std::string("http://a\0http://b", 17)));
  EXPECT_EQ(result.text, "http://a\r\n");
  EXPECT_EQ(result.counter, 1);
}

TEST(KeepUrlsTest, NothingFoundLeavesTheViewUnchanged) {
  for (const Text& view : {Text(), Text(U"host/page https://x\n\nHTTP://y")}) {
    const text::CommandResult result = Joined(KeepUrls(text::ToUtf8(view)));
    EXPECT_EQ(result.text, text::ToUtf8(text::JoinLines(text::SplitLines(view))));
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(result.outcome, text::Outcome::kNothingToDo);
    EXPECT_EQ(result.counter, 0);
    EXPECT_EQ(result.caption, "URLs не найдены");
  }
}

// A character of the token set: every character above 127 is outside it.
bool IsUrlChar(text::Char c) { return c < 128 && UrlCharSet.Contains(static_cast<char>(c)); }

// The token scan as the rule states it, with 1-based positions and prefix comparisons.
Lines LiteralFindUrls(const Text& t) {
  Lines result;
  const std::size_t length = t.size();
  std::size_t q = 1;
  while (q <= length) {
    while (q <= length && !IsUrlChar(t[q - 1])) ++q;
    const std::size_t start = q;
    while (q <= length && IsUrlChar(t[q - 1])) ++q;
    const Text token = t.substr(start - 1, q - start);
    if (token.substr(0, 7) == U"http://" || token.substr(0, 7) == U"mail://" ||
        token.substr(0, 6) == U"ftp://") {
      result.push_back(token);
    }
    q = q + 1;
  }
  return result;
}

TEST(KeepUrlsTest, AgreesWithTheLiteralScanOnGeneratedTexts) {
  // Pieces that make schemes, near-schemes and token breaks likely next to each other.
  const Text pieces[] = {U"http://", U"ftp://", U"mail://", U"HTTP://", U"ftp:/", U"http:",
                         U"a",       U"/",      U"?",       U" ",       U"\r\n",  U"ё",
                         U"₽",     U"~",      U"%",       U"mail:/",  U"😀",     U"\u1A3A"};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(0, 30);
  for (int round = 0; round < 5000; ++round) {
    Text t;
    for (int i = length(random); i > 0; --i) t += pieces[pick(random)];
    ASSERT_EQ(Utf8Lines(FindUrls(text::ToUtf8(t))), Utf8Lines(LiteralFindUrls(t))) << text::ToUtf8(t);
  }
}

TEST(KeepUrlsTest, ScansTheViewsWholeTextWhateverItsLineBreaks) {
  // The view's whole text has CR LF after every line and ends at a NUL; the command must
  // find the same URLs in it as in the text it was given.
  const Text pieces[] = {U"http://a", U"ftp://b", U"x",    U"/",           U" ",        U"\r",
                         U"\n",       U"\r\n",    U"\n\r", Text(1, U'\0'), U"mail://c", U"http:/"};
  std::mt19937 random(99);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(0, 12);
  for (int round = 0; round < 5000; ++round) {
    Text view;
    for (int i = length(random); i > 0; --i) view += pieces[pick(random)];
    const Text whole = text::JoinLines(text::SplitLines(view));
    const Lines urls = LiteralFindUrls(whole);
    const std::string shown = text::ToUtf8(view);
    const text::CommandResult result = Joined(KeepUrls(shown));
    ASSERT_EQ(result.text, text::ToUtf8(urls.empty() ? whole : text::JoinLines(urls))) << shown;
    ASSERT_EQ(result.counter, static_cast<long>(urls.size())) << shown;
    ASSERT_EQ(result.outcome == text::Outcome::kDone, !urls.empty()) << shown;
  }
}

}  // namespace
}  // namespace skorlin::urls
