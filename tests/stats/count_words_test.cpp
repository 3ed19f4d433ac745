// SPDX-License-Identifier: GPL-3.0-or-later
// Words: runs of letters, digits, hyphens and underscores with a letter or digit in them.
#include "stats/count_words.h"

#include <gtest/gtest.h>

#include "stats/stats_chars.h"
#include "text/text.h"

namespace skorlin::stats {
namespace {

TEST(CountWords, Cases) {
  const struct {
    text::Text text;
    std::int32_t words;
  } cases[] = {
      {U"", 0},
      {U"Привет, мир-2 _x -- y", 4},
      {U"a-b", 1},
      {U"a_b", 1},
      {U"-abc", 1},
      {U"abc-", 1},
      {U"-_-a", 1},
      {U"--", 0},
      {U"_ __ -_-", 0},
      {U"2024 год", 2},
      {U"a—b a–b", 4},  // typographic dashes separate words
      {U"«слово» (ещё)", 2},
      {U"ЁЛКА ёлка", 2},
      {U"і ї є ґ", 0},  // Windows-1251 letters outside А-я, Ё, ё are no letters here
      {U"café", 1},     // é is outside Windows-1251: it separates, "caf" is a word
      {U"é₽", 0},
      {U"a\tb\r\nc\rd\ne", 5},
      {U"x1_y2-z3", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountWords(text::ToUtf8(c.text)), c.words) << text::ToUtf8(c.text);
  }
}

// The letters of the panel: A-Z, a-z, Ё, ё and the codes 192 to 255; nothing else of the
// code page, and no character outside it.
TEST(StatsChars, LettersAreExactlyTheLatinAndRussianOnes) {
  for (int code = 0; code < 256; ++code) {
    const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == 168 ||
                        code == 184 || code >= 192;
    const unsigned char flags = StatsCharFlags(text::Cp1251Char(static_cast<unsigned char>(code)));
    EXPECT_EQ((flags & kLetter) != 0, letter) << "code " << code;
    const bool wordStart = letter || (code >= '0' && code <= '9');
    EXPECT_EQ((flags & kWordStart) != 0, wordStart) << "code " << code;
    EXPECT_EQ((flags & kWordBody) != 0, wordStart || code == '-' || code == '_') << "code " << code;
    const bool printable = code != 9 && code != 10 && code != 13 && code != 32;
    EXPECT_EQ((flags & kPrintable) != 0, printable) << "code " << code;
  }
  for (const text::Char c : {U'é', U'₽', U'×', U'ß', U'\x4FF', U'\x500', U'\x1F600'}) {
    EXPECT_EQ(StatsCharFlags(c), kPrintable) << static_cast<unsigned>(c);
  }
}

}  // namespace
}  // namespace skorlin::stats
