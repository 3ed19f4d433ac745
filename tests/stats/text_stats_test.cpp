// The counts of the statistics panel: the cases users meet, and the one-pass counter
// against the step-by-step definition on many generated texts.
#include "stats/text_stats.h"

#include <gtest/gtest.h>

#include <random>

#include "literal_stats.h"
#include "stats/count_words.h"
#include "stats/stats_printers.h"

namespace skorlin::stats {
namespace {

using namespace std::string_literals;
using testing::Visible;

struct StatsCase {
  const char32_t* name;
  text::Text text;
  TextStats expected;  // Line, AllLine, Word, Letter, Char, Spaced, SpacedAll
};

TEST(CountTextStats, Cases) {
  const StatsCase cases[] = {
      {U"empty text: one line, nothing else", U"", {1, 1, 0, 0, 0, 0, 0}},
      {U"blanks only", U" \t\r\n \r\n", {1, 3, 0, 0, 0, 0, 0}},
      {U"empty lines between lines", U"a\r\n\r\n\r\nb", {2, 4, 2, 2, 2, 2, 2}},
      {U"a final break counts only for all lines", U"a\r\n", {1, 2, 1, 1, 1, 1, 1}},
      {U"two spaces", U"a  b", {1, 1, 2, 2, 2, 3, 4}},
      {U"outer blanks are not counted", U"  a b \t", {1, 1, 2, 2, 2, 3, 3}},
      {U"a line of blanks inside counts", U"a\r\n  \r\nb", {3, 3, 2, 2, 2, 3, 4}},
      {U"lone CR and LF end no line", U"a\rb\nc", {1, 1, 3, 3, 3, 5, 5}},
      {U"tabs are not spaces", U"a\t\tb", {1, 1, 2, 2, 2, 4, 4}},
      {U"LF CR between pairs", U"a\r\n\n\r\r\nb", {3, 3, 2, 2, 2, 4, 4}},
      // The removed pair brings CR and LF together: the spaces around them are dropped.
      {U"spaces beside a joined break", U"a \r\r\n\n b", {2, 2, 2, 2, 2, 4, 6}},
      {U"one space between two joined breaks", U"a\r\r\n\n \r\r\n\nb", {3, 3, 2, 2, 2, 6, 7}},
      {U"control characters are characters", U"a\x01\x7f", {1, 1, 1, 1, 3, 3, 3}},
      {U"a NUL inside is a character", U"a\0b"s, {1, 1, 2, 2, 3, 3, 3}},
      {U"characters outside Windows-1251", U"5 ₽ × é", {1, 1, 1, 0, 4, 7, 7}},
      {U"Cyrillic letters, Ё and digits", U"Ёлка ёж 2024 і", {1, 1, 3, 6, 11, 14, 14}},
      {U"punctuation is not a letter", U"«Да», — сказал.", {1, 1, 2, 8, 13, 15, 15}},
  };
  for (const StatsCase& c : cases) {
    EXPECT_EQ(CountTextStats(c.text), c.expected) << text::ToUtf8(c.name);
    EXPECT_EQ(testing::LiteralCountTextStats(c.text), c.expected) << "reference: " << text::ToUtf8(c.name);
  }
}

// Random texts made of the pieces every rule reacts to.
text::Text RandomText(std::mt19937& rng) {
  static const text::Text kPieces[] = {
      U"a",
      U"Я",
      U"ё",
      U"7",
      U"-",
      U"_",
      U" ",
      U"  ",
      U"\r",
      U"\n",
      U"\r\n",
      U"\r\n\r\n",
      U"\t",
      text::Text(1, U'\0'),
      U"\x1f",
      U"₽",
      U",",
      U"і",
      // A lone CR and a lone LF around pairs: they meet once the pairs are gone.
      U"\r\r\n\n",
      U"\r\r\n\r\n\n",
      U" \r\r\n\n ",
  };
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  text::Text t;
  for (int n = length(rng); n > 0; --n) t += kPieces[piece(rng)];
  return t;
}

TEST(CountTextStats, MatchesTheStepByStepCountOnGeneratedTexts) {
  std::mt19937 rng(20261208);
  int failures = 0;
  for (int i = 0; i < 100000 && failures < 5; ++i) {
    const text::Text t = RandomText(rng);
    const TextStats expected = testing::LiteralCountTextStats(t);
    const TextStats actual = CountTextStats(t);
    if (actual != expected) {
      ++failures;
      ADD_FAILURE() << "text \"" << Visible(t) << "\"\n  expected " << ::testing::PrintToString(expected)
                    << "\n  actual   " << ::testing::PrintToString(actual);
    }
    if (CountWords(t) != expected.WordCount) {
      ++failures;
      ADD_FAILURE() << "CountWords of \"" << Visible(t) << "\" is " << CountWords(t) << ", expected "
                    << expected.WordCount;
    }
  }
}

TEST(CountTextStats, LeavesTheTextAlone) {
  const text::Text original = U"  a\r\n\r\n\r\nb  c \r\n";
  text::Text t = original;
  CountTextStats(t);
  EXPECT_EQ(t, original);
}

}  // namespace
}  // namespace skorlin::stats
