// SPDX-License-Identifier: GPL-3.0-or-later
// Where protected tokens begin and end, and that they come back whole.
#include "format/protected_tokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "format/token_stand_ins.h"

namespace skorlin::format {
namespace {

std::vector<std::string> TokensOf(const text::Text& line) {
  std::vector<std::string> tokens;
  for (const TokenSpan& span : FindProtectedTokens(line)) {
    tokens.push_back(text::ToUtf8(line.substr(span.begin, span.end - span.begin)));
  }
  return tokens;
}

TEST(ProtectedTokens, FindsEachKindWithItsBoundaries) {
  const struct {
    const char* line;
    std::vector<std::string> tokens;
  } cases[] = {
      // web addresses: a sentence's closing signs are left outside
      {"… и https://x.ru/", {"https://x.ru/"}},
      {"см. http://x.ru/a?b=1&c=2.", {"http://x.ru/a?b=1&c=2"}},
      {"(WWW.Example.ru), да", {"WWW.Example.ru"}},
      {"(https://ru.wikipedia.org/wiki/C_(язык))", {"https://ru.wikipedia.org/wiki/C_(язык)"}},
      {"см. https://кремль.рф/, и", {"https://кремль.рф/"}},
      {"ftp://a/b!?'", {"ftp://a/b"}},
      {"2http://x.ru abcwww.x.ru", {}},
      {"http://x.ru/user@mail.ru", {"http://x.ru/user@mail.ru"}},
      // e-mail addresses: the whole name before "@", two labels or more after it
      {"Пишите:info@x.ru.", {"info@x.ru"}},
      {"mailto:a.b+c_d%e-f@mail.example.com", {"mailto:a.b+c_d%e-f@mail.example.com"}},
      {"Пишите:sales@магазин.рф", {"sales@магазин.рф"}},
      {"x@y, x@y..ru, x@.ru, @x.ru", {}},
      // paths: only at the start, after a blank, a bracket or a straight quote
      {"Идите на /home/user/ сейчас", {"/home/user/"}},
      {"путь ./run.sh, ../up и ~/docs/.", {"./run.sh", "../up", "~/docs/"}},
      {"C:\\Temp\\a.txt и d:/x", {"C:\\Temp\\a.txt", "d:/x"}},
      {"(/etc) [/usr/bin] \"/opt/a\" '/srv/b'", {"/etc", "/usr/bin", "/opt/a", "/srv/b"}},
      {"ВКП /б/, a / b, x/y/z, 1/2, и/или", {}},
      // a path after ":" or "=" takes the sign along
      {"Каталог:/var/log/, --prefix=/opt, C:\\x и :/x", {":/var/log/", "=/opt", "C:\\x", ":/x"}},
      // times: no digit or colon may touch them
      {"встреча в 11:30.", {"11:30"}},
      {"9:05:30 и 12:30-13:00", {"9:05:30", "12:30", "13:00"}},
      {"123:45 1:2 12:345 12:30:4 2:15:", {"123:45", "1:2", "12:345", "12:30:4", "2:15"}},
      {"работы:10:00, 1:2:3 но не 1::2 и 5:", {"10:00", "1:2:3", "::"}},
      // spreadsheet formulas, closed in the line
      {"=СУММ(A1:A5; \"x\") и =SIN(y) но не =5 и =f(", {"=СУММ(A1:A5; \"x\")", "=SIN(y)"}},
      // an IP address with its port; without one it is no token
      {"127.0.0.1:8080 и 10.0.0.1", {"127.0.0.1:8080"}},
      // code: variables and brace lists
      {"$(CC) -o $@ ${A} $NAME $1 и $50 {a,b} {1..5} {x} { a,b }",
       {"$(CC)", "$@", "${A}", "$NAME", "$1", "{a,b}", "{1..5}"}},
      {"$(echo $(pwd)) $(нет)", {"$(echo $(pwd))"}},
      // emoticons: after a blank, no letter or digit after them
      {":-) ну ;) да :(( и =) но a:) :Pascal 8)", {":-)", ";)", ":((", "=)"}},
      // the first kind that matches wins, and the search goes on after it
      {"http://x.ru/12:30 12:30", {"http://x.ru/12:30", "12:30"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TokensOf(text::FromUtf8(c.line)), c.tokens) << c.line;
  }
}

TEST(TokenStandIns, EachTokenStandsAsOneUnknownCharacterAndComesBack) {
  const text::Text stranger(1, 0x110000);  // the first stand-in, already in the line
  const text::Text line = stranger + U" http://x.ru/ и 11:30 " + text::Text(1, 0xFFFFFFFFu);
  text::Text s = line;
  const TokenStandIns standIns(s);
  ASSERT_EQ(s.size(), line.size() - text::Text(U"http://x.ru/11:30").size() + 2);
  EXPECT_EQ(s.front(), stranger.front());
  EXPECT_NE(s[2], s[6]);
  for (const text::Char standIn : {s[2], s[6]}) {
    EXPECT_NE(standIn, stranger.front());
    EXPECT_EQ(text::Cp1251Code(standIn), -1);
  }
  standIns.PutBack(s);
  EXPECT_EQ(text::ToUtf8(s), text::ToUtf8(line));
}

}  // namespace
}  // namespace skorlin::format
