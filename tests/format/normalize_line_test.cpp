// SPDX-License-Identifier: GPL-3.0-or-later
// NormalizeLine on whole lines: every pass seen through its effect on real text.
#include "format/normalize_line.h"

#include <gtest/gtest.h>

#include <string>

namespace skorlin::format {
namespace {

struct LineCase {
  std::string input;
  std::string expected;
};

// [q] stands for the straight double quote, which would otherwise need escaping everywhere.
std::string Q(std::string s) {
  for (std::size_t p = s.find("[q]"); p != std::string::npos; p = s.find("[q]", p + 1)) s.replace(p, 3, "\"");
  return s;
}

void ExpectNormalized(const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    const std::string input = Q(c.input);
    EXPECT_EQ(text::ToUtf8(NormalizeLine(text::FromUtf8(input))), Q(c.expected))
        << "input: '" << input << "'";
  }
}

TEST(NormalizeLine, TrimsCollapsesAndClosesUp) {
  ExpectNormalized({
      {"", ""},
      {" \t  \r\n ", ""},
      {"\t  a \t b  \t", "a\tb"},  // inner TAB stays, the spaces beside it go
      {"a\tb", "a\tb"},
      {"a  (  b  )", "a (b)"},
      {"да--нет", "да-нет"},
      {"да-----нет", "да-нет"},
      {"ВКП /б/", "ВКП(б)"},
      {"сказано- так", "сказано-так"},
      {"слово !", "слово!"},
      {"слово ?", "слово?"},
      {"a , b", "a, b"},
      {"a [ b ]", "a [b]"},
      {"с 1941 г. г.", "с 1941 г.г."},
      {"он 1970 г. р.", "он 1970 г.р."},
      {"a и т. д.", "a и т.д."},
      {"a и т. п.", "a и т.п."},
      {"и т. д.", "и т. д."},  // the abbreviation rows need a space before them
      {"text/", "text/"},      // a slash is a bracket only in a pair around a word
  });
}

TEST(NormalizeLine, ShortLinesSkipOnlyTheScan) {
  ExpectNormalized({
      {"N5", "№ 5"},
      {"#5", "№5"},
      {"стр #5", "стр № 5"},
      {"а\\б", "а/б"},
      {"x", "x"},
      {"/", "/"},
      {"№", "№"},
  });
}

TEST(NormalizeLine, StraightQuotes) {
  ExpectNormalized({
      {"Он сказал [q] привет [q] и ушёл", "Он сказал [q]привет[q] и ушёл"},
      {"слово[q]цитата[q]", "слово [q]цитата[q]"},
      {"[q]цитата[q]слово", "[q]цитата[q] слово"},
      {"href=[q]x[q]", "href=[q]x[q]"},
      {"[q]x[q]>", "[q]x[q]>"},
      {"a [q] b", "a [q] b"},  // one quote: the quotation goes on in another line
      {"[q]Война и мир[q] и [q] Анна Каренина[q]", "[q]Война и мир[q] и [q]Анна Каренина[q]"},
      {"Он читал [q]Войну и мир[q] и [q] Анну Каренину [q] вчера",
       "Он читал [q]Войну и мир[q] и [q]Анну Каренину[q] вчера"},
      {"Он читал [q]Войну и мир[q] и [q] 5 томов[q] вчера",
       "Он читал [q]Войну и мир[q] и[q] 5 томов[q] вчера"},
      // a closing quote before the sentence's period or ellipsis gets no space
      {"Он сказал [q]Да[q].", "Он сказал [q]Да[q]."},
      {"Он сказал [q]Да[q]…", "Он сказал [q]Да[q]…"},
      {"Он сказал [q]Да[q]. Потом", "Он сказал [q]Да[q]. Потом"},
      {"Он сказал [q]Да[q]!", "Он сказал [q]Да[q]!"},
      {"Он сказал [q]Да[q],и ушёл", "Он сказал [q]Да[q], и ушёл"},
  });
}

// Addresses, paths and times pass every rule untouched, wherever they stand; the rules
// still act on the text around them.
TEST(NormalizeLine, KeepsAddressesPathsAndTimes) {
  ExpectNormalized({
      {"https://x.ru/a,b;c:d и далее", "https://x.ru/a,b;c:d и далее"},
      {"… и https://x.ru/", "… и https://x.ru/"},
      {"см.(https://x.ru/a)", "см. (https://x.ru/a)"},
      {"Сайт:www.x.ru/N5--2 , тут", "Сайт: www.x.ru/N5--2, тут"},
      {"[q]http://x.ru/[q]слово", "[q]http://x.ru/[q] слово"},
      {"Пишите:info@x.ru", "Пишите: info@x.ru"},
      {"слово(a.b-c@x.ru)", "слово (a.b-c@x.ru)"},
      {"Идите на /home/user/ сейчас", "Идите на /home/user/ сейчас"},
      {"каталог /var/log/", "каталог /var/log/"},
      {"путь ./run.sh", "путь ./run.sh"},
      {"Файл /usr/share/doc/readme.txt", "Файл /usr/share/doc/readme.txt"},
      {"C:\\Temp\\a.txt", "C:\\Temp\\a.txt"},
      {"(~/docs/a:b)", "(~/docs/a:b)"},
      {"встреча в 11:30.", "встреча в 11:30."},
      {"11:30,12:45:00 и (9:15)", "11:30, 12:45:00 и (9:15)"},
      {"[q]в 18:00[q]", "[q]в 18:00[q]"},
      // the rules the tokens were hiding from still work on everything else
      {"а:б и ВКП /б/", "а: б и ВКП(б)"},
      {"x/y/z и ВКП /б/", "x/y/z и ВКП(б)"},
      {"а\\б", "а/б"},
  });
}

// Correct text the rules were never meant for passes untouched, kind by kind; next to each
// kind, the text the rule is meant for is still formatted.
TEST(NormalizeLine, LeavesCorrectTextAlone) {
  ExpectNormalized({
      // a bracket after a Latin name or a number; after a Russian word it gets its space
      {"вызовите f(x) или main()", "вызовите f(x) или main()"},
      {"итог 2(3+4)", "итог 2(3+4)"},
      {"Москва(столица)", "Москва (столица)"},
      // command options, and a dash typed as "--" in prose
      {"запустите ./configure --prefix=/opt", "запустите ./configure --prefix=/opt"},
      {"ключи -v, -o и --help, а i-- уменьшает i", "ключи -v, -o и --help, а i-- уменьшает i"},
      {"да -- нет", "да - нет"},
      // a line that opens or closes a quotation begun or ended in another line
      {"он назвал это [q]игрой[q], а её [q]работой", "он назвал это [q]игрой[q], а её [q]работой"},
      {"Она сказала: [q]Иди![q] - [q]Иду,", "Она сказала: [q]Иди![q] - [q]Иду,"},
      {"конец цитаты.[q] И дальше", "конец цитаты.[q] И дальше"},
      // a period that begins a word
      {"файлы .bashrc и .profile", "файлы .bashrc и .profile"},
      {"ещё ...и вот", "ещё ...и вот"},
      {"слово . Далее", "слово. Далее"},
      // a path or an address after ":" or "="
      {"Каталог:/var/log/", "Каталог:/var/log/"},
      {"mailto:info@x.ru", "mailto:info@x.ru"},
      {"сервер 127.0.0.1:8080", "сервер 127.0.0.1:8080"},
      {"PATH=/usr/bin:/bin", "PATH=/usr/bin:/bin"},
      // code
      {"$(CC) -o $@ $<", "$(CC) -o $@ $<"},
      {"cp {a,b}.txt ${HOME}/$NAME", "cp {a,b}.txt ${HOME}/$NAME"},
      // "#" before a number only
      {"#include <stdio.h>", "#include <stdio.h>"},
      {"язык C# хорош", "язык C# хорош"},
      {"стр #5", "стр № 5"},
      // emoticons
      {"ну и :-) ладно", "ну и :-) ладно"},
      {"ок ;) да :((", "ок ;) да :(("},
      // a slash that is not one of a pair
      {"см. стр. 5 /", "см. стр. 5 /"},
      {"a /б/ c", "a (б) c"},
      // times and ratios after a colon or a word
      {"Время работы:10:00-19:00", "Время работы: 10:00-19:00"},
      {"в пропорции 2:1, счёт 3:2", "в пропорции 2:1, счёт 3:2"},
      // addresses with Cyrillic letters
      {"https://кремль.рф/", "https://кремль.рф/"},
      {"sales@магазин.рф", "sales@магазин.рф"},
      {"(https://ru.wikipedia.org/wiki/C_(язык))", "(https://ru.wikipedia.org/wiki/C_(язык))"},
      // units with powers, digit groups, "N" as a variable
      {"площадь 20 м2, объём 3 см3", "площадь 20 м2, объём 3 см3"},
      {"итого 1,000,000 руб", "итого 1,000,000 руб"},
      {"нужно N штук, а есть N-1.", "нужно N штук, а есть N-1."},
      {"дом N 15 и стр5", "дом № 15 и стр 5"},
      // code and notes about code
      {"printf([q]%d\\n[q], x); tr '\\000' '\\n'", "printf([q]%d\\n[q], x); tr '\\000' '\\n'"},
      {"ВКП \\б\\ и\\или", "ВКП(б) и/или"},
      {"if (errno != EAGAIN) p->next; X ?= 1", "if (errno != EAGAIN) p->next; X ?= 1"},
      {"chown root:root, диапазон B2:B6", "chown root:root, диапазон B2:B6"},
      {"=МЕДИАНА(1; 5) и ВКП(б)", "=МЕДИАНА(1; 5) и ВКП(б)"},
      {"git@salsa.debian.org:team/repo.git", "git@salsa.debian.org:team/repo.git"},
      {"On error, -1 is returned; так, -нет", "On error, -1 is returned; так, - нет"},
      {"--------------- и да---нет", "--------------- и да-нет"},
      // quotation marks and brackets that close
      {"[q]Ты слишком много знал,[q] - сказал он.", "[q]Ты слишком много знал,[q] - сказал он."},
      {"строка «ID:» и «Мягкое (устар.)»", "строка «ID:» и «Мягкое (устар.)»"},
      {"(пере)сборка, (un)subscription, a)b", "(пере)сборка, (un)subscription, a) b"},
      // scopes, formulas, trees drawn with signs, escapes after a bracket
      {"Опция: Aptitude::UI::Theme", "Опция: Aptitude::UI::Theme"},
      {"=АДРЕС(1; 1; 2; ;[q]Лист2[q]) и {=COLUMN(Rabbit)}",
       "=АДРЕС(1; 1; 2; ;[q]Лист2[q]) и {=COLUMN(Rabbit)}"},
      {"--\\ main - архив, +--+ и |--", "--\\ main - архив, +--+ и |--"},
      {"fprintf(stderr, [q]ошибка mcheck()\\n[q]);", "fprintf(stderr, [q]ошибка mcheck()\\n[q]);"},
  });
}

TEST(NormalizeLine, BracketsCommasAndNumbers) {
  ExpectNormalized({
      {"см(рис.1)", "см (рис. 1)"},
      {"слово(x)", "слово (x)"},
      {"a)b", "a) b"},
      {"a),b", "a), b"},
      {"стр,5", "стр, 5"},
      {"5,стр", "5, стр"},
      {"x,y", "x, y"},
      {"a 1,5 b", "a 1,5 b"},
      {"цена 0,5", "цена 0,5"},
      {"a 1,2,3 b", "a 1, 2, 3 b"},
      {"a 0,0 b", "a 0, 0 b"},
      {"1,5 кг", "1,5 кг"},
  });
}

TEST(NormalizeLine, NumeroSign) {
  ExpectNormalized({
      {"дом N12", "дом № 12"},
      {"N1,2,3", "№ 1, 2, 3"},
      {"текст N А-5", "текст № А-5"},
      {"INN5", "IN № 5"},
      {"N,5", "N, 5"},
      {"abc№5", "abc № 5"},
      {"см (№5)", "см (№ 5)"},
      {"a [q]№5[q]", "a [q]№ 5[q]"},
      {"N5", "№ 5"},
      {"N 12", "№ 12"},
      {"N А-5", "№ А-5"},
      {"N № 5 и", "№№ 5 и"},
      {"N-5", "N-5"},
      {"№ 5 - № 7", "№№ 5-7"},
      {"N 5 - N 7", "№№ 5-7"},
      {"стр N5 - N7 и", "стр №№ 5-7 и"},
      {"№ 12 - № 15, 17", "№№ 12-15, 17"},
      {"№5-№7", "№5- № 7"},
      {"№ 99999999999 - № 7", "№№ 99999999999-7"},
      {"№ 123456789012345678901234567890 - № 7", "№№ 123456789012345678901234567890-7"},
  });
}

TEST(NormalizeLine, SlashesPeriodsAndInitials) {
  ExpectNormalized({
      {"a /б/ c", "a (б) c"},
      {"x/y/z", "x/y/z"},
      {"a / b", "a / b"},
      {"конец.Начало", "конец. Начало"},
      {"А.Пушкин", "А. Пушкин"},
      {"поэт А.С.Пушкин", "поэт А.С. Пушкин"},
      {"Пушкин А. С.", "Пушкин А.С."},
      {"А. Б. Иванов", "А.Б. Иванов"},
      {"слово . Далее", "слово. Далее"},
      {"цена 5 .", "цена 5 ."},
      {"см.рис.5", "см. рис. 5"},
      {"т.е. так", "т. е. так"},
      {"и т.д. и т.п.", "и т.д. и т.п."},
      {"в т.ч. дети", "в т.ч. дети"},
      {"1980 г.р. муж", "1980 г.р. муж"},
  });
}

TEST(NormalizeLine, ColonsSemicolonsAndDashes) {
  ExpectNormalized({
      {"a;b", "a; b"},
      {"слово:слово", "слово: слово"},
      {"a:/b", "a:/b"},
      {"http://example.com/a", "http://example.com/a"},
      {"1941 -1945", "1941-1945"},
      {"1941- 1945", "1941-1945"},
      {"слово -Слово", "слово - Слово"},
      {"слово- Слово", "слово - Слово"},
      {"так, -нет", "так, - нет"},
  });
}

TEST(NormalizeLine, NumbersGluedToWords) {
  ExpectNormalized({
      {"25кг", "25 кг"},
      {"25кг.", "25 кг."},
      {"5кг", "5кг"},
      {"дом 5а", "дом 5а"},
      {"стр5", "стр 5"},
      {"x 10а.", "x 10 а."},
  });
}

TEST(NormalizeLine, Years) {
  ExpectNormalized({
      {"в 1999г", "в 1999 г."},
      {"в 1999г.", "в 1999 г."},
      {"в 2005г, потом", "в 2005 г., потом"},
      {"1999г", "1999г"},
      {"в 999г", "в 999г"},
      {"в 3000г", "в 3000г"},
      {"Война (1941 - 1945) шла", "Война (1941-1945) шла"},
      {"Война (1941 - 1945)", "Война (1941 - 1945)"},
      {"в 1941 - 1945 гг. шла", "в 1941-1945 гг. шла"},
      {"в 1941 - 1945 г. шла", "в 1941-1945 г. шла"},
      {"в 1945 - 1941 гг. шла", "в 1945 - 1941 гг. шла"},
  });
}

}  // namespace
}  // namespace skorlin::format
