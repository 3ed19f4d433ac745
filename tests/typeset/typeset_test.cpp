// SPDX-License-Identifier: GPL-3.0-or-later
// Typesetting, rule by rule, on whole lines and paragraphs; its own output as a fixpoint;
// Windows-1251 holding every character it writes.
#include "typeset/typeset.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "text/encoding.h"
#include "text/line_chunks.h"
#include "text/text_file.h"
#include "text/utf8.h"

namespace skorlin::typeset {
namespace {

// "~" stands for the no-break space, which would otherwise be invisible in the tables.
std::string Visible(std::string s) {
  for (std::size_t p = s.find("\u00A0"); p != std::string::npos; p = s.find("\u00A0", p))
    s.replace(p, 2, "~");
  return s;
}

// The typeset text of input, its lines joined by "\n", no-break spaces shown as "~".
std::string Typeset(const std::string& input) {
  std::string out = text::ToUtf8(typeset::Typeset(text::FromUtf8(input)));
  std::string lines;
  for (std::size_t p = 0; p < out.size(); ++p) {
    if (out[p] != '\r') lines += out[p];
  }
  if (!lines.empty() && lines.back() == '\n') lines.pop_back();
  return Visible(lines);
}

struct Case {
  const char* rule;
  std::string input;
  std::string expected;
};

// Each rule at work, and the text next to it that it must leave alone.
TEST(Typeset, EachRuleOnItsCases) {
  const Case cases[] = {
      {"dialogue dash", "- Ну что ж, - сказал он, - пойдём \"домой\".",
       "— Ну~что~ж,~— сказал он,~— пойдём «домой»."},
      {"dialogue dash", "-- Дж.Р.Толкин", "— Дж. Р.~Толкин"},
      {"dialogue dash", "— Уже набрано.", "— Уже набрано."},
      {"dialogue dash", "--- games - игры", "--- games~— игры"},  // a tree of folders, not speech
      {"dash after a colon", "Он сказал: - Иди.", "Он сказал: — Иди."},
      {"spaced dashes", "Брак - это лотерея", "Брак~— это лотерея"},
      {"spaced dashes", "Добро, одолевающее зло, -", "Добро, одолевающее зло,~—"},
      {"spaced dashes", "кто-то из-за -5 °C, ключ -v и --help", "кто-то из-за -5 °C, ключ -v и --help"},
      {"number ranges", "В 1941-1945 гг. было 10-15 кг", "В~1941–1945~гг. было 10–15~кг"},
      {"number ranges", "POSIX.1-2001, FIPS 151-2, 2024-01-15, 1-2",
       "POSIX.1-2001, FIPS 151-2, 2024-01-15, 1-2"},
      {"quotes", "Текст \"с \"вложенными\" кавычками\"", "Текст «с~„вложенными“ кавычками»"},
      {"quotes", "он назвал это \"игрой\", а её \"работой", "он назвал это «игрой», а~её \"работой"},
      {"quotes", "уже «ёлочки» и „лапки“", "уже «ёлочки» и~„лапки“"},
      {"quotes", "printf(\"Ошибка\\n\"); // English \"quotes\"",
       "printf(\"Ошибка\\n\"); // English \"quotes\""},
      {"short words", "и не в доме, а у окна", "и~не~в~доме, а~у~окна"},
      {"particles", "Что же ты, если бы знал ли", "Что~же ты, если~бы знал~ли"},
      {"initials", "А.С. Пушкин, Пушкин А.С. и А. Пушкин", "А.~С.~Пушкин, Пушкин~А.~С. и~А.~Пушкин"},
      {"spaced dashes", "\"Сколько?\"- \"Сорок.\"- ответил он.", "«Сколько?»~— «Сорок.»~— ответил он."},
      {"abbreviations", "т.е. так, и т.д., см. рис. 5", "т.~е. так, и~т.~д., см.~рис.~5"},
      {"numero and section signs", "№ 5, N 15, §3 и § 4", "№~5, №~15, §~3 и~§~4"},
      {"numbers and units", "5 кг, 100 руб., 3 тыс. и XIX в.", "5~кг, 100~руб., 3~тыс. и~XIX~в."},
      {"years and cities", "в 2024 г. в г. Москва", "в~2024~г. в~г.~Москва"},
      {"ellipsis and copyright", "Итак... (c) 2024, пункты (a) (b) (c)", "Итак… © 2024, пункты (a) (b) (c)"},
      {"look-alike letters", "кoфе и Windоws, XIX век, CLI-утилита", "кофе и~Windows, XIX век, CLI-утилита"},
      {"tokens", "см. https://x.ru/a-b и \"C:\\Temp\\a\" в 10:30",
       "см.~https://x.ru/a-b и~«C:\\Temp\\a» в~10:30"},
      {"multiplication", "2 x 3 м", "2 x 3~м"},  // "×" is not a character of Windows-1251
  };
  for (const Case& c : cases) EXPECT_EQ(Typeset(c.input), c.expected) << c.rule << ": " << c.input;
}

// A quotation is paired over its paragraph, not over its line; a blank line ends it.
TEST(Typeset, QuotesArePairedOverTheParagraph) {
  const Case cases[] = {
      {"across lines", "Он сказал: \"Поверь,\nэто правда\".", "Он сказал: «Поверь,\nэто правда»."},
      {"a stray quote does not nest the rest", "Рост 5\" и\nслово \"да\".", "Рост 5\" и\nслово «да»."},
      {"the paragraph ends", "\"Начало\n\nконец\"", "\"Начало\n\nконец\""},
      {"typographic quotes are counted", "«Он сказал \"да\"».", "«Он сказал „да“»."},
  };
  for (const Case& c : cases) EXPECT_EQ(Typeset(c.input), c.expected) << c.rule << ": " << c.input;
}

// A text typeset by hand keeps its characters, its no-break spaces included.
TEST(Typeset, TextTypesetByHandStaysAsItIs) {
  for (const char* typed : {
           "— Ну~что~ж,~— сказал он,~— пойдём «домой».", "«Он назвал её „Ласточкой“»,~— вспоминала мать.",
           "В~1941–1945~гг. погибли миллионы… №~5, §~3, ©~2024.",
           "Москва~— столица России, т.~е. главный город.",
           "Он~любит кофе и~чай",  // a no-break space where no rule would put one
       }) {
    std::string input = typed;
    for (std::size_t p = input.find('~'); p != std::string::npos; p = input.find('~', p))
      input.replace(p, 1, "\u00A0");
    EXPECT_EQ(Typeset(input), typed);
  }
}

// Typesetting the output again changes nothing: on real texts, on every file the fuzz
// targets start from, and on generated paragraphs of messy text.
TEST(Typeset, OwnOutputIsAFixpoint) {
  std::vector<text::Text> texts;
  for (const char* folder : {"fuzz/corpus/common", "fuzz/corpus/typeset_fuzz", "examples"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(SKORLIN_SOURCE_DIR) / folder)) {
      texts.push_back(text::DecodeAuto(text::ReadFileBytes(entry.path().string())).text);
    }
  }
  // Messy prose: words and signs between blanks, as a hurried typist leaves them, quotes
  // glued to the words they enclose, a line break now and then.
  std::mt19937 random(17);
  const std::vector<std::u32string> words{
      U"слово",  U"Да",       U"\"цитата", U"конец\"", U"\"одно\"", U"«уже»",  U"-",
      U"--",     U"—",        U"10-15",    U"кг",      U"т.д.",     U"т. е.",  U"А.С.",
      U"Пушкин", U"(c)",      U"2024",     U"N5",      U"§3",       U"...",    U"так...",
      U"кoфе",   U"x.ru",     U"12:30",    U"в",       U"и",        U"не",     U"же",
      U"бы",     U"(скобки)", U"слово,",   U"слово.",  U"Он:",      U"5 руб.", U"1941-1945 гг."};
  for (int n = 0; n < 3000; ++n) {
    text::Text paragraph;
    for (int k = std::uniform_int_distribution(1, 30)(random); k > 0; --k) {
      paragraph += words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(random)];
      paragraph += std::uniform_int_distribution(0, 9)(random) == 0 ? U"\n" : U" ";
    }
    texts.push_back(paragraph);
  }
  for (const text::Text& text : texts) {
    const text::Text once = typeset::Typeset(text);
    ASSERT_EQ(text::ToUtf8(typeset::Typeset(once)), text::ToUtf8(once)) << text::ToUtf8(text).substr(0, 300);
  }
}

// Every character typesetting writes is one Windows-1251 holds: a typeset Windows-1251
// text goes back to Windows-1251 whole.
TEST(Typeset, Windows1251HoldsWhatItWrites) {
  const std::string cp1251 = text::EncodeCp1251(
      text::FromUtf8("- Ну что ж, - сказал он... \"Дом\" в 1941-1945 гг., N 5, § 3, (c) 2024, 5 кг"));
  const text::Text typeset = typeset::Typeset(text::DecodeCp1251(cp1251));
  EXPECT_EQ(text::DecodeCp1251(text::EncodeCp1251(typeset)), typeset);
}

// The command-line tool's UTF-8 path, on two threads for a large text, and the window's view
// give the text Typeset gives.
TEST(Typeset, EveryPathGivesTheSameText) {
  std::string utf8;
  for (int n = 0; utf8.size() < 2 * text::kParallelBytes; ++n) {
    utf8 += n % 3 == 0 ? "\"Цитата - с \\n переносом\n" : "и её конец\" - 10-15 кг... т.д.\r\n";
    if (n % 7 == 0) utf8 += "\n";
  }
  const text::Text input = text::DecodeUtf8(utf8);
  const std::string expected = text::ToUtf8(typeset::Typeset(input));
  EXPECT_EQ(TypesetFromUtf8(utf8), expected);
  EXPECT_EQ(TypesetViewUtf8(input, true).utf8, expected);
}

}  // namespace
}  // namespace skorlin::typeset
