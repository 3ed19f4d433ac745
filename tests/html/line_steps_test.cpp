// SPDX-License-Identifier: GPL-3.0-or-later
// Each step of the HTML line converter on its own, with the cases that show its rule.
#include "html/line_steps.h"

#include <gtest/gtest.h>

#include <functional>

#include "html/fix_quotes.h"
#include "html_test_util.h"

namespace skorlin::html {
namespace {

using testing::T;
using testing::U8;

struct StepCase {
  const char* input;
  const char* expected;
};

void ExpectStep(const char* name, const std::function<void(text::Text&)>& step,
                std::initializer_list<StepCase> cases) {
  for (const StepCase& c : cases) {
    text::Text s = T(c.input);
    step(s);
    EXPECT_EQ(U8(s), c.expected) << name << " on '" << c.input << "'";
  }
}

TEST(ApplyReplacements, EachRowReadsTheResultOfTheRowsBefore) {
  const Replacement rows[] = {{U"ab", U""}, {U"cd", U"X"}, {U"X", U"yz"}, {U"zq", U"!"}, {U"", U"never"}};
  ExpectStep("rows", [&](text::Text& s) { ApplyReplacements(s, rows); },
             {{"cabd", "yz"}, {"cabdq", "y!"}, {"cd cd", "yz yz"}, {"ab", ""}, {"", ""}, {"q", "q"}});
}

TEST(HtmlSteps, TabsKeepNoSpacesBesideThem) {
  ExpectStep("RemoveSpacesBesideTabs", RemoveSpacesBesideTabs,
             {{"a \t b", "a\tb"},
              {"a   \t\t  b", "a\t\tb"},
              {"\t  \t", "\t\t"},
              {" \t ", "\t"},
              {"a b\tc d", "a b\tc d"},
              {"a  b", "a  b"},
              {"", ""}});
  ExpectStep("TabsToSpaces", TabsToSpaces, {{"a\tb\t", "a b "}, {"ab", "ab"}});
}

TEST(HtmlSteps, LineBreaksLoseTheirSpacesAndEmptyLinesRunToOne) {
  ExpectStep("kLineBreakRows", [](text::Text& s) { ApplyReplacements(s, kLineBreakRows); },
             {{"a \r\n b", "a\r\nb"},
              {"a\r\n\r\n\r\nb", "a\r\n\r\nb"},
              // one pass each: four breaks in a row leave three
              {"a\r\n\r\n\r\n\r\nb", "a\r\n\r\n\r\nb"},
              {"a\nb", "a\nb"}});
}

TEST(HtmlSteps, AmpersandsAreEscapedOnceAndNotAtTheEdges) {
  ExpectStep("EscapeAmpersands", EscapeAmpersands,
             {{"AT&T", "AT&amp;T"},
              {"A &amp; B", "A &amp; B"},
              {"&", "&"},
              {"&T", "&T"},
              {"T&", "T&"},
              {"a&&b", "a&amp;&amp;b"},
              {"a&amp", "a&amp;amp"},
              {"x&amp;", "x&amp;"},
              {"&&&", "&&amp;&"},
              {"", ""}});
}

TEST(HtmlSteps, SpecialCharactersBecomeNamedEntities) {
  ExpectStep("kEntityRows", [](text::Text& s) { ApplyReplacements(s, kEntityRows); },
             {{"a<b>\"c\"", "a&lt;b&gt;&quot;c&quot;"},
              {"«x»", "&laquo;x&raquo;"},
              {"Итак... да…", "Итак&hellip; да&hellip;"},
              {"....", "&hellip;."},
              {"AT&amp;T", "AT&amp;T"}});
}

TEST(HtmlSteps, DashesBecomeTheDashEntity) {
  EXPECT_EQ(U8(DashEntity(1)), "&ndash;");
  EXPECT_EQ(U8(DashEntity(2)), "&mdash;");
  EXPECT_EQ(U8(DashEntity(0)), "");
  EXPECT_EQ(U8(DashEntity(3)), "");
  ExpectStep(
      "WriteDashes", [](text::Text& s) { WriteDashes(s, U"&mdash;", U"&mdash;", U"&mdash;"); },
      {{"a - b", "a &mdash; b"}, {"a – b—c", "a &mdash; b&mdash;c"}, {"a-b", "a-b"}, {"a -b", "a -b"}});
}

TEST(HtmlSteps, NumeroPartyAndNobrRows) {
  ExpectStep("kNumeroRows", [](text::Text& s) { ApplyReplacements(s, kNumeroRows); },
             {{"№ 5", "№&nbsp;5"}, {"№5", "№5"}, {"ЦК КПСС", "ЦК&nbsp;КПСС"}});
  ExpectStep("kNobrRows", [](text::Text& s) { ApplyReplacements(s, kNobrRows); },
             {{"член ВКП(б)", "член <nobr>ВКП(б)</nobr>"}, {"ВКП(б)", "ВКП(б)"}});
}

TEST(HtmlSteps, MultiplicationSignBetweenNumbers) {
  ExpectStep("WriteMultiplicationSigns", [](text::Text& s) { WriteMultiplicationSigns(s, U"&times;"); },
             {{"2 x 3", "2 &times; 3"},
              {"2 х 3", "2 &times; 3"},  // the Cyrillic letter
              {"12x34", "12&times;34"},
              {" 2x3 ", " 2x3 "},
              {"2x3", "2x3"},
              {"a x b", "a x b"},
              {"2 X 3", "2 X 3"},
              // the right letter becomes the sign first, so the left one no longer has
              // a digit two places after it
              {"12xx34", "12x&times;34"},
              {"1 x 2 x 3", "1 &times; 2 &times; 3"},
              {"x", "x"}});
}

TEST(HtmlSteps, NumberRangesGetAnEnDash) {
  ExpectStep("WriteNumberRanges", [](text::Text& s) { WriteNumberRanges(s, U"&ndash;"); },
             {{"1941-1945", "1941&ndash;1945"},
              {"1-2", "1-2"},
              {"12-34", "12&ndash;34"},
              {"12-3", "12-3"},  // a hyphen in the last-but-one place is not looked at
              {"123-45-67", "123-45-67"},
              {"в 1941-1945 гг.", "в 1941&ndash;1945 гг."},
              {"12–3-4", "12–3-4"},  // the en dash counts as a second dash
              {"-1234", "-1234"},    // first place: not looked at
              {"1234-", "1234-"},
              {"123-45", "123&ndash;45"},
              {"a1-2b", "a1-2b"},
              {"1-2 3-45", "1-2 3&ndash;45"}});
}

TEST(HtmlSteps, YearsAndCitiesAreJoined) {
  ExpectStep("JoinYearsAndCities", [](text::Text& s) { JoinYearsAndCities(s, U"&nbsp;"); },
             {{"В 1945 г. было", "В 1945&nbsp;г. было"},
              {"1945 г.", "1945 г."},  // the walk stops before the last two characters
              {"в 1941 гг. шла", "в 1941&nbsp;гг. шла"},
              {"в г. Москва", "в г.&nbsp;Москва"},
              {"x (г. Москва)", "x (г.&nbsp;Москва)"},
              {"(г. Москва)", "(г. Москва)"},  // the walk starts at the third character
              {"в г. москва", "в г. москва"},
              {"в г. Ёлки", "в г. Ёлки"},  // Ё is not a capital here
              {"в гг. Москва", "в гг. Москва"},
              {"в 1945 г. Москва", "в 1945&nbsp;г. Москва"},  // after a year, no space to the name
              {"в г. М", "в г.&nbsp;М"},
              {"в г.М", "в г.М"},
              {"г. Москва", "г. Москва"},
              {"2 г. 3 г. x", "2&nbsp;г. 3&nbsp;г. x"}});
}

TEST(HtmlSteps, InitialsStayWithTheSurname) {
  ExpectStep("JoinInitials", [](text::Text& s) { JoinInitials(s, U"&nbsp;"); },
             {{"А.С. Пушкин", "А.С.&nbsp;Пушкин"},
              {"Пушкин А.С. писал", "Пушкин&nbsp;А.С. писал"},
              {"Пушкин А.С.", "Пушкин А.С."},
              {"Пушкин А.С.!", "Пушкин А.С.!"},
              {"Пушкин А.С.!!", "Пушкин А.С.!!"},  // three characters must follow the initials
              {"Пушкин А.С.!!!", "Пушкин&nbsp;А.С.!!!"},
              {"поэт А.С. Пушкин", "поэт А.С.&nbsp;Пушкин"},
              {"А.Б. В.Г. Иванов", "А.Б.&nbsp;В.Г. Иванов"},
              {"x\r\nА.С. Пушкин", "x\r\nА.С.&nbsp;Пушкин"},
              {"(А.С. Пушкин)", "(А.С. Пушкин)"},
              {"Ё.С. Пушкин", "Ё.С. Пушкин"}});
}

TEST(HtmlSteps, ShortWordsJoinTheNextWord) {
  ExpectStep("JoinShortWords", [](text::Text& s) { JoinShortWords(s, U"&nbsp;"); },
             {{"не в доме", "не в&nbsp;доме"},
              {"и не в доме", "и не&nbsp;в доме"},
              {"дом на горе", "дом на&nbsp;горе"},
              {"дом НА горе", "дом НА&nbsp;горе"},
              {"x с", "x с"},
              {"x За y К z", "x За&nbsp;y К&nbsp;z"},
              {"x  в y", "x  в&nbsp;y"},
              {"x от", "x от"},
              {"", ""}});
}

TEST(HtmlSteps, ClosingEntities) {
  ExpectStep("kClosingRows", [](text::Text& s) { ApplyReplacements(s, kClosingRows); },
             {{"&laquo;О дивный", "&laquo;О&nbsp;дивный"},
              {"a &mdash; b &ndash; c", "a&nbsp;&mdash; b&nbsp;&ndash; c"},
              {"© ® ™ §", "&copy; &reg; &trade; &sect;"}});
}

struct QuoteCase {
  const char* input;
  const char* expected;
};

TEST(FixQuotes, DecidesEachQuoteByItsNeighbours) {
  const QuoteCase cases[] = {
      {"x \"y\"", "x «y»"},
      {"\"", "»"},
      {"\" x", "» x"},  // rule 1 is tried first
      {"\"x", "«x"},
      {"a\"", "a»"},
      {"!\"-", "!\"-"},
      {"!\".", "!«."},
      {"(\"a\")", "(«a»)"},
      {"\"(a)\"", "«(a)»"},
      {"1\"", "1»"},
      {"ё\"ж", "ё»ж"},
      {"…\"", "…»"},
      {"x \"…\"", "x «…»"},
      {"\"\"", "«»"},
      {"a\r\n\"b\"\r\n\"", "a\r\n«b»\r\n»"},
      // a lone LF does not end a line here
      {"a\n\"b", "a\n«b"},
      {"", ""},
  };
  for (const QuoteCase& c : cases) {
    EXPECT_EQ(U8(FixQuotes(T(c.input))), c.expected) << c.input;
  }
}

}  // namespace
}  // namespace skorlin::html
