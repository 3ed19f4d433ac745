// SPDX-License-Identifier: GPL-3.0-or-later
// ConvertLineToHtml as a whole. The lines are ones the normalizer leaves unchanged, so
// every case shows the converter's own steps; the test checks that premise too.
#include "html/convert_line.h"

#include <gtest/gtest.h>

#include <random>

#include "format/normalize_line.h"
#include "format/token_stand_ins.h"
#include "html/html_view.h"
#include "html_test_util.h"
#include "text/toolkit.h"

namespace skorlin::html {
namespace {

using testing::T;
using testing::U8;

struct LineCase {
  const char* input;
  const char* expected;
  int dashStyle = 2;
  bool wrapNobr = true;
  bool keepTabs = true;
};

TEST(ConvertLineToHtml, ConvertsNormalizedLines) {
  const LineCase cases[] = {
      {"", ""},
      {"a\tb", "a\tb"},
      {"a\tb", "a b", 2, true, false},
      {"AT&T", "AT&amp;T"},
      {"A &amp; B", "A &amp; B"},
      {"&", "&"},
      {"a - b", "a&nbsp;&mdash; b"},
      {"a - b", "a&nbsp;&ndash; b", 1},
      {"a - b", "a - b", 0},
      {"a — b", "a&nbsp;&mdash; b"},
      {"2 x 3", "2 &times; 3"},
      {"12x34", "12&times;34"},
      {"1941-1945", "1941&ndash;1945"},
      {"1941-1945", "1941&ndash;1945", 1},
      {"1941-1945", "1941-1945", 3},
      {"1-2", "1-2"},
      {"123-45-67", "123-45-67"},
      {"В 1945 г. в г. Москва", "В 1945&nbsp;г. в&nbsp;г.&nbsp;Москва"},
      {"В 1945 г. было", "В 1945&nbsp;г. было"},
      {"1945 г.", "1945 г."},
      {"А.С. Пушкин", "А.С.&nbsp;Пушкин"},
      {"Пушкин А.С.", "Пушкин А.С."},
      {"Пушкин А.С. писал", "Пушкин&nbsp;А.С. писал"},
      {"не в доме", "не в&nbsp;доме"},
      {"и не в доме", "и не&nbsp;в доме"},
      {"№ 5", "№&nbsp;5"},
      {"ЦК КПСС", "ЦК&nbsp;КПСС"},
      {"член ВКП(б)", "член <nobr>ВКП(б)</nobr>"},
      {"член ВКП(б)", "член ВКП(б)", 2, false},
      {"x \"y\"", "x &laquo;y&raquo;"},
      {"\"О дивный\" мир", "&laquo;О&nbsp;дивный&raquo; мир"},
      {"a < b > c", "a &lt; b &gt; c"},
      {"Итак... да…", "Итак&hellip; да&hellip;"},
      {"© 2020 ООО ®™ §", "&copy; 2020 ООО &reg;&trade; &sect;"},
      // an escaped quote is never escaped again
      {"x \"y\" AT&T", "x &laquo;y&raquo; AT&amp;T"},
      {"«ёлка»", "&laquo;ёлка&raquo;"},
      {"Он сказал \"Да\".", "Он сказал &laquo;Да&raquo;."},
      // addresses, paths and times: no dash, range, sign or space entity inside them, only
      // their ampersands escaped
      {"http://example.ru/2024-01/page.html", "http://example.ru/2024-01/page.html"},
      {"см. http://x.ru/?a=1&b=2&amp;c AT&T", "см. http://x.ru/?a=1&amp;b=2&amp;c AT&amp;T"},
      {"&http://x.ru/&", "&http://x.ru/&amp;"},
      {"и в 1945-1950 по /srv/1945-1950/", "и в&nbsp;1945&ndash;1950 по /srv/1945-1950/"},
      {"\"http://x.ru/2x3\" - www.x.ru/N-1", "&laquo;http://x.ru/2x3&raquo;&nbsp;&mdash; www.x.ru/N-1"},
      {"встреча в 11:30.", "встреча в&nbsp;11:30."},
      // a quote right after a token closes, one right before it opens
      {"Ссылка: \"https://example.ru/a\".", "Ссылка: &laquo;https://example.ru/a&raquo;."},
      {"x \"/etc/\" и \"12:30\"?", "x &laquo;/etc/&raquo; и &laquo;12:30&raquo;?"},
      {"Работаем с 12:30 - 13:00, пишите на a-b@x.ru",
       "Работаем с&nbsp;12:30&nbsp;&mdash; 13:00, пишите на&nbsp;a-b@x.ru"},
  };
  for (const LineCase& c : cases) {
    const text::Text input = T(c.input);
    ASSERT_EQ(U8(format::NormalizeLine(input)), c.input) << "the normalizer changes this line";
    EXPECT_EQ(U8(ConvertLineToHtml(input, c.dashStyle, c.wrapNobr, c.keepTabs)), c.expected)
        << "'" << c.input << "' dashStyle " << c.dashStyle << " wrapNobr " << c.wrapNobr << " keepTabs "
        << c.keepTabs;
  }
}

TEST(ConvertLineToHtml, NormalizesFirst) {
  // The normalizer drops the spaces beside the tab and closes up the bracket.
  EXPECT_EQ(U8(ConvertLineToHtml(T(" a \t b "), 2, true, true)), "a\tb");
  EXPECT_EQ(U8(ConvertLineToHtml(T("a \t b"), 2, true, false)), "a b");
  EXPECT_EQ(U8(ConvertLineToHtml(T("ВКП /б/"), 2, true, true)), "ВКП(б)");
}

TEST(ConvertLineToHtml, NeverFailsOnArbitraryText) {
  // Characters every step looks for, line breaks, and characters outside Windows-1251.
  const std::vector<text::Text> pieces{
      U"&", U"amp;",   U"\"", U" ",    U"\t", U"\r\n", U"\r", U"\n",     U"-",       U"–", U"—",   U"x",
      U"х", U"г",      U"г.", U"1945", U"7",  U"А.",   U"Б.", U"№",      U"N",       U"(", U")",   U"<",
      U">", U"«",      U"»",  U"...",  U"…",  U"не",   U"в",  U"ВКП(б)", U"ЦК КПСС", U"©", U"₽", U"😀",
      U"é", U"\u0098", U",",  U";",    U":",  U"/",    U"\\", U"#",      U"\0"};
  std::mt19937 random(7);
  for (int i = 0; i < 3000; ++i) {
    const text::Text line = testing::RandomLineOf(random, pieces, 24);
    for (int dashStyle : {0, 1, 2}) {
      const text::Text html = ConvertLineToHtml(line, dashStyle, dashStyle != 1, dashStyle != 0);
      // The special characters never survive unescaped, apart from the no-break element.
      const text::Text rest = text::ReplaceAll(text::ReplaceAll(html, U"<nobr>", U""), U"</nobr>", U"");
      EXPECT_EQ(rest.find_first_of(U"<>\"«»…"), text::Text::npos) << U8(line) << " gives " << U8(html);
    }
    // The HTML view normalizes each line once: normalizing it again before the converter,
    // as the view once did, would give the same line.
    if (line.find_first_of(U"\r\n") != text::Text::npos) continue;
    text::Text twice = line;
    const format::TokenStandIns standIns(twice);
    format::RunNormalizerPasses(twice);
    ConvertStoodInLineToHtml(twice, standIns, 2, true, false);
    standIns.PutBack(twice, AppendTokenAsHtml);
    const std::string view = U8(HtmlView(line, {false, true, false}));
    EXPECT_EQ(view, view.empty() ? "" : U8(twice) + "\r\n") << U8(line);
  }
}

}  // namespace
}  // namespace skorlin::html
