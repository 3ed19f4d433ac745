// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML view of a whole text: paragraph tags, table rows and the three options.
#include "html/html_view.h"

#include <gtest/gtest.h>

#include "html_test_util.h"
#include "text/line_chunks.h"
#include "text/utf8.h"

namespace skorlin::html {
namespace {

using testing::T;
using testing::U8;

const std::string kOpen = "<Table Width=100% Border=0 CellPadding=2 CellSpacing=0>";

struct ViewCase {
  std::string input;
  std::string expected;
  HtmlViewOptions options{};
};

TEST(HtmlView, BuildsParagraphsAndTables) {
  const HtmlViewOptions noSkip{true, false, true};
  const HtmlViewOptions noP{false, true, true};
  const HtmlViewOptions noPNoSkip{false, false, true};
  const HtmlViewOptions noTables{true, true, false};
  const ViewCase cases[] = {
      {"", ""},
      {" \r\n\t\r\n ", ""},
      {"a\r\n\r\nb", "<p>a\r\n\r\n<p>b\r\n"},
      {"a\r\n\r\nb", "<p>a\r\n<p>\r\n<p>b\r\n", noSkip},
      {"a\r\n\r\nb", "a\r\n\r\nb\r\n", noP},
      {"a\r\n\r\nb", "a\r\n\r\nb\r\n", noPNoSkip},
      // blank lines at the ends do not reach the view; any line break ends a line
      {"\r\n\r\n  a\nb\rc\r\n\r\n", "<p>a\r\n<p>b\r\n<p>c\r\n"},
      {"x\r\na\tb\r\ny", "<p>x\r\n" + kOpen + "<tr><td>a<td>b</Table>\r\n<p>y\r\n"},
      {"a\tb\r\nc\td", kOpen + "<tr><td>a<td>b\r\n<tr><td>c<td>d</Table>\r\n"},
      {"x\r\na\tb", "<p>x\r\n" + kOpen + "<tr><td>a<td>b</Table>\r\n"},
      {"a\tb\r\nx\r\nc\td",
       kOpen + "<tr><td>a<td>b</Table>\r\n<p>x\r\n" + kOpen + "<tr><td>c<td>d</Table>\r\n"},
      {"a\tb\tc", kOpen + "<tr><td>a<td>b<td>c</Table>\r\n", noP},
      {"x\r\na\tb", "<p>x\r\n<p>a b\r\n", noTables},
      {"x\r\na\tb", "x\r\na b\r\n", {false, true, false}},
      // The next line is tested before its conversion: its tab is still there, so the
      // table is not closed, although the normalizer then trims it away.
      {"a\tb\r\nc \t\r\nx", kOpen + "<tr><td>a<td>b\r\n<p>c\r\n<p>x\r\n"},
      // every line is normalized and converted
      {"В 1945 г. в г. Москва\r\nAT&T", "<p>В 1945&nbsp;г. в&nbsp;г.&nbsp;Москва\r\n<p>AT&amp;T\r\n"},
      {"слово(x)", "<p>слово (x)\r\n"},
      // addresses, paths and times are found on the line as given and pass both
      // normalizations and the converter untouched
      {"… и https://x.ru/\r\nИдите на /home/user/ сейчас\r\nпуть ./run.sh\r\nФайл "
       "/usr/share/doc/readme.txt\r\n"
       "C:\\Temp\\a.txt\r\nвстреча в 11:30.\r\nhttp://example.ru/2024-01/page.html\r\nОн сказал \"Да\".",
       "<p>&hellip; и https://x.ru/\r\n<p>Идите на&nbsp;/home/user/ сейчас\r\n<p>путь ./run.sh\r\n"
       "<p>Файл /usr/share/doc/readme.txt\r\n<p>C:\\Temp\\a.txt\r\n<p>встреча в&nbsp;11:30.\r\n"
       "<p>http://example.ru/2024-01/page.html\r\n<p>Он сказал &laquo;Да&raquo;.\r\n"},
      {"Сайт:www.x.ru/?a&b\tc", kOpen + "<tr><td>Сайт: www.x.ru/?a&amp;b<td>c</Table>\r\n"},
  };
  for (const ViewCase& c : cases) {
    EXPECT_EQ(U8(HtmlView(T(c.input), c.options)), c.expected)
        << "'" << c.input << "' addP " << c.options.addP << " skipEmptyLines " << c.options.skipEmptyLines
        << " table " << c.options.table;
  }
}

// The command-line tool converts UTF-8 line by line, a large text on two threads: the
// result is the view's, byte for byte, also where a table runs across the middle.
TEST(HtmlView, FromUtf8SameAsTheView) {
  std::mt19937 random(5);
  const std::vector<text::Text> pieces{U"a",   U"б",    U" ",  U"\t", U" \t ", U"\"", U"&", U"<",  U"-",
                                       U" - ", U"1945", U"г.", U"№",  U"x",    U"(",  U")", U"..."};
  std::string utf8;
  for (int n = 0; utf8.size() < 2 * text::kParallelBytes; ++n) {
    // Runs of table rows, some of them long enough to reach across the middle.
    const bool tabs = (n / 500) % 2 == 0;
    text::AppendUtf8(utf8, testing::RandomLineOf(random, pieces, 12));
    utf8 += tabs ? "\tb\r\n" : "\r\n";
  }
  for (const HtmlViewOptions options : {HtmlViewOptions{}, HtmlViewOptions{false, false, false}}) {
    EXPECT_EQ(HtmlViewFromUtf8(utf8, options), U8(HtmlView(text::DecodeUtf8(utf8), options)));
  }
}

}  // namespace
}  // namespace skorlin::html
