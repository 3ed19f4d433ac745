// SPDX-License-Identifier: GPL-3.0-or-later
// Page file names and the cutting of a text into pages at its headings.
#include "html/html_site.h"

#include <gtest/gtest.h>

#include "html/title_to_file_name.h"
#include "html_test_util.h"

namespace skorlin::html {
namespace {

using testing::T;
using testing::U8;

TEST(TitleToFileName, TransliteratesAndJoinsWithHyphens) {
  const struct {
    const char* title;
    const char* expected;
  } cases[] = {
      {"Глава 1", "glava-1"},
      {"&laquo;Ёжик&raquo;", "jozhik"},
      {"&LAQUO;Ёжик&Raquo;", "jozhik"},
      {"Ёжик&nbsp;и&NBSP;ёж", "jozhik-i-jozh"},
      {"Съезд Щук, Жаб и Чаек!", "sezd-schuk-zhab-i-chaek-"},
      {"ABC def", "ABC-def"},
      {"a.b,c!d?e*f(g)h", "a-b-c-d-e-f-g-h"},
      {"a - b", "a-b"},
      {"эюяйцукенгшзхфывапролдчсмитб", "ejujajcukengshzhfyvaproldchsmitb"},
      // only what a relative link holds as it is: no scheme, query, fragment, reference
      {"Типографика: тире", "tipografika-tire"},
      {"http://x.ru/?q=1#top", "http-x-ru-q-1-top"},
      {"A &amp; B", "A-amp-B"},
      {"a:b;100%+Ω", "a-b-100-"},
      {"Café №5 «ё»", "Caf-5-jo-"},
      {"snake_case-1", "snake_case-1"},
      // nothing leaves the folder of the index or makes the name invalid
      {"../a/b\\c", "-a-b-c"},
      {"a\r\nb\tc\x7f", "a-b-c-"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(U8(TitleToFileName(T(c.title))), c.expected) << c.title;
}

TEST(PageFileName, LowerCasesAndShortensToFiftyCharacters) {
  const std::string a60(60, 'A');
  const std::string a46(46, 'a');
  const struct {
    std::string title;
    std::string expected;
  } cases[] = {
      {"Глава 1", "glava-1.htm"},
      {"ABC Def", "abc-def.htm"},
      {"", ".htm"},
      {a60, std::string(45, 'a') + ".htm"},
      {"aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee",
       "aaaaaaaaaa-bbbbbbbbbb-cccccccccc-dddddddddd.htm"},
      // cut back twice: the first cut still leaves 52 characters
      {a46 + " b ccc", a46 + ".htm"},
      {"-" + a60, ".htm"},
      {std::string(46, 'x'), std::string(46, 'x') + ".htm"},  // exactly 50: kept
  };
  for (const auto& c : cases) {
    const std::string name = U8(PageFileName(T(c.title)));
    EXPECT_EQ(name, c.expected) << c.title;
    EXPECT_LE(T(name).size(), 50u) << c.title;
  }
}

TEST(HtmlTemplates, JoinTheirPiecesWithoutAnythingBetween) {
  EXPECT_EQ(
      U8(PageHtml(T("Глава 1"), T("Text"), U"utf-8")),
      "<HTML><Head><meta charset=\"utf-8\"><Title>Глава 1</Title></Head><Body>\r\n<H1>Глава 1</H1>\r\nText"
      "\r\n</Body></HTML>");
  EXPECT_EQ(U8(IndexLinkHtml(T("glava-1.htm"), T("Глава 1"))), "<a href=\"glava-1.htm\">Глава 1</a><br>\r\n");
  EXPECT_EQ(U8(IndexHtml(T(""), U"windows-1251")),
            "<HTML><Head><meta "
            "charset=\"windows-1251\"><Title>Содержание</Title></Head><Body>\r\n\r\n</Body></HTML>");
}

struct ExpectedPage {
  std::string fileName;
  std::string title;
  std::string body;
};

struct SiteCase {
  std::string text;
  std::vector<ExpectedPage> pages;
  std::vector<std::pair<std::string, std::string>> links;  // file name, title
};

TEST(BuildHtmlSite, CutsTheTextAtItsHeadings) {
  const SiteCase cases[] = {
      {"Просто текст\r\nбез заголовков", {{"0.htm", "", "Просто текст\r\nбез заголовков"}}, {}},
      {"", {{"0.htm", "", ""}}, {}},
      {"Intro<h1>Глава 1</h1>Text",
       {{"0.htm", "", "Intro"}, {"glava-1.htm", "Глава 1", "Text"}},
       {{"glava-1.htm", "Глава 1"}}},
      {"Intro<H1>Глава 1</H1>Text",
       {{"0.htm", "", "Intro"}, {"glava-1.htm", "Глава 1", "Text"}},
       {{"glava-1.htm", "Глава 1"}}},
      {"<h1>&laquo;Ёжик&raquo;</h1>\r\nбыл",
       {{"0.htm", "", ""}, {"jozhik.htm", "&laquo;Ёжик&raquo;", "\r\nбыл"}},
       {{"jozhik.htm", "&laquo;Ёжик&raquo;"}}},
      // no closing tag: an empty title, and only the opening tag is cut off
      {"a<h1>Глава", {{"0.htm", "", "a"}, {".htm", "", "Глава"}}, {{".htm", ""}}},
      {"<h1>A</h1>1<h1>a</h1>2",
       {{"0.htm", "", ""}, {"a.htm", "A", "1"}, {"a.htm", "a", "2"}},
       {{"a.htm", "A"}, {"a.htm", "a"}}},
      {"<h1></h1>x", {{"0.htm", "", ""}, {".htm", "", "x"}}, {{".htm", ""}}},
  };
  for (const SiteCase& c : cases) {
    const HtmlSite site = BuildHtmlSite(T(c.text), U"utf-8");
    ASSERT_EQ(site.pages.size(), c.pages.size()) << c.text;
    for (std::size_t i = 0; i < c.pages.size(); ++i) {
      EXPECT_EQ(U8(site.pages[i].fileName), c.pages[i].fileName) << c.text;
      EXPECT_EQ(U8(site.pages[i].html), U8(PageHtml(T(c.pages[i].title), T(c.pages[i].body), U"utf-8")))
          << c.text;
    }
    text::Text links;
    for (const auto& [fileName, title] : c.links) links += IndexLinkHtml(T(fileName), T(title));
    EXPECT_EQ(U8(site.index), U8(IndexHtml(links, U"utf-8"))) << c.text;
  }
}

TEST(BuildHtmlSite, NeverNamesAPageAfterTheIndex) {
  const HtmlSite site = BuildHtmlSite(T("a<h1>Index</h1>b<h1>Глава</h1>c"), U"utf-8", T("INDEX.htm"));
  ASSERT_EQ(site.pages.size(), 3u);
  EXPECT_EQ(U8(site.pages[1].fileName), "index-1.htm");
  EXPECT_EQ(U8(site.pages[2].fileName), "glava.htm");
  EXPECT_EQ(U8(site.index), U8(IndexHtml(IndexLinkHtml(T("index-1.htm"), T("Index")) +
                                             IndexLinkHtml(T("glava.htm"), T("Глава")),
                                         U"utf-8")));
  EXPECT_EQ(U8(BuildHtmlSite(T("a"), U"utf-8", T("0.htm")).pages[0].fileName), "0-1.htm");
  EXPECT_EQ(U8(BuildHtmlSite(T("a"), U"utf-8", T("x0.htm")).pages[0].fileName), "0.htm");
}

}  // namespace
}  // namespace skorlin::html
