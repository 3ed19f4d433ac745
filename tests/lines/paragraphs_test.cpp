// SPDX-License-Identifier: GPL-3.0-or-later
// Paragraph splitting: the settings fields, the sentence break and the whole command.
#include "lines/paragraphs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lines/literal_lines.h"
#include "lines/test_support.h"

namespace skorlin::lines::testing {
namespace {

using ::testing::ElementsAre;

TEST(ParagraphFields, OnlyASignAndDigitsInTheIntegerRange) {
  struct Case {
    const char* field;
    int expected;
  } cases[] = {
      {"250", 250},
      {"+7", 7},
      {"-3", -3},
      {"0", 0},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", -1},
      {"-2147483649", -1},
      {"99999999999999999999", -1},
      {"", -1},
      {"+", -1},
      {"-", -1},
      {" 250", -1},
      {"250 ", -1},
      {"2 5", -1},
      {"0x10", -1},
      {"$10", -1},
      {"1e3", -1},
      {"12.5", -1},
      {"+-1", -1},
      {"٣", -1},
      {"１２", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseParagraphLength(text::FromUtf8(c.field), -1), c.expected) << "\"" << c.field << "\"";
  }
  // Each field falls back on its own.
  const ParagraphLimits limits = ReadParagraphLimits(U"abc", U"500");
  EXPECT_EQ(limits.min, 250);
  EXPECT_EQ(limits.max, 500);
  const ParagraphLimits other = ReadParagraphLimits(U"100", U"");
  EXPECT_EQ(other.min, 100);
  EXPECT_EQ(other.max, 400);
}

TEST(FindSentenceBreak, Cases) {
  struct Case {
    const char* line;
    std::size_t expected;  // with min = max = 10: the search starts at position 10
  } cases[] = {
      {"Aaaa bbbb. Cccc dddd. Eeee.", 10},
      {"Aaaa bbbb cc! dd", 13},
      {"Aaaa bbbb cc? dd. ee!", 13},
      {"Aaaa bbbb т.е. cc dd eeee ffff.", 14},  // runs on over "е."
      {"Aaaa bbbb...?! Next", 14},
      {"Aaaa bbbb.ёлки Палки", 14},  // lower-case Cyrillic runs on, the space stops it
      {"Aaaa bbbb.Zz", 10},          // upper case and Latin do not run on
      {"Aaaa bbbb.2", 10},
      {"Aaaa. bbbb cc", 0},  // the only mark lies before the start
      {"абвгд ежзий клмн", 0},
      {"short", 0},        // start beyond the end
      {"Aaaa bbbb.", 10},  // the mark is the last character
  };
  for (const Case& c : cases) {
    RandomGenerator random(123);
    EXPECT_EQ(FindSentenceBreak(text::FromUtf8(c.line), 10, 10, random), c.expected) << c.line;
    EXPECT_EQ(random.Seed(), 123U * 134775813U + 1U) << "one draw";
  }
  // Unusable limits: nothing drawn, no break.
  for (const auto& [min, max] : {std::pair{0, 10}, std::pair{-5, 10}, std::pair{11, 10}}) {
    RandomGenerator random(5);
    EXPECT_EQ(FindSentenceBreak(U"Aaaa. Bbbb. Cccc.", min, max, random), 0U);
    EXPECT_EQ(random.Seed(), 5U);
  }
  // The random start lies from min to max − 1.
  RandomGenerator random(1);
  text::Text marks;  // a mark at every odd position, each followed by a letter that stops it
  for (int k = 0; k < 50; ++k) marks += U".X";
  for (int i = 0; i < 1000; ++i) {
    const std::size_t pos = FindSentenceBreak(marks, 5, 9, random);
    ASSERT_GE(pos, 5U);
    ASSERT_LE(pos, 9U);
  }
}

TEST(SplitParagraphs, Cases) {
  struct Case {
    std::vector<std::string> in;
    int min, max;
    std::vector<std::string> out;
  } cases[] = {
      {{"Aaaa bbbb. Cccc dddd. Eeee."}, 10, 10, {"Aaaa bbbb.", "Cccc dddd.", "Eeee."}},
      {{"Aaaa bbbb cc! dd ee"}, 10, 10, {"Aaaa bbbb cc!", "dd ee"}},
      {{"Aaaa bbbb т.е. cc dd eeee ffff."}, 10, 10, {"Aaaa bbbb т.е.", "cc dd eeee ffff.", ""}},
      {{"абвгд ежзий клмнопрст"}, 10, 10, {"абвгд ежзий клмнопрст"}},
      {{"Aaaa bbbb cccc dddd."}, 10, 10, {"Aaaa bbbb cccc dddd.", ""}},
      {{"Aaaa bbbb. \t Cccc dddd."}, 10, 10, {"Aaaa bbbb.", "Cccc dddd."}},  // rest not longer than max
      {{"Aaaa bbbb. Cccc"}, 10, 20, {"Aaaa bbbb. Cccc"}},                    // not longer than max
      {{"x", "Aaaa bbbb. Cccc dddd!", "y"}, 10, 10, {"x", "Aaaa bbbb.", "Cccc dddd!", "y"}},
      {{"Aaaa bbbb. Cccc dddd."}, 11, 10, {"Aaaa bbbb. Cccc dddd."}},  // min above max
      {{"Aaaa bbbb. Cccc dddd."}, 0, 10, {"Aaaa bbbb. Cccc dddd."}},   // min below 1
      {{}, 10, 10, {}},
      // Lengths count characters: ten Cyrillic characters (19 bytes) are not above 10.
      {{"Ааааа. Бб."}, 5, 10, {"Ааааа. Бб."}},
      {{"Ааааа. Ббб."}, 5, 5, {"Ааааа.", "Ббб."}},
      {{"😀😀😀😀. 😀😀"}, 5, 6, {"😀😀😀😀.", "😀😀"}},
  };
  for (const Case& c : cases) {
    RandomGenerator random(77);
    const CommandResult r = SplitParagraphs(ViewText(c.in), c.min, c.max, random);
    EXPECT_EQ(LinesOf(r.text), c.out) << ::testing::PrintToString(c.in);
    EXPECT_EQ(r.caption, "");
  }
  // A line of 400 characters stays with the default limits, whatever its marks.
  const std::string full = std::string(399, '.') + "x";
  RandomGenerator random(3);
  EXPECT_EQ(SplitParagraphs(full, 250, 400, random).text, full + "\r\n");
  // Unusable limits draw nothing.
  RandomGenerator untouched(3);
  SplitParagraphs(ViewText({"a. b. c.", "d."}), 5, 4, untouched);
  EXPECT_EQ(untouched.Seed(), 3U);
}

TEST(SplitParagraphs, SameAsTheDefinitionOnGeneratedLines) {
  std::mt19937 rng(41);
  const text::Text pieces[] = {U"Ааа ", U"бб", U". ", U"! ",  U"?",  U"т.е.", U"  ",
                               U"\t",   U"X",  U"ё",  U"...", U"z.", U"😀"};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> lineCount(0, 6);
  std::uniform_int_distribution<int> pieceCount(0, 60);
  std::uniform_int_distribution<int> limit(1, 40);
  for (int round = 0; round < 3000; ++round) {
    text::Lines lines(static_cast<std::size_t>(lineCount(rng)));
    for (text::Text& line : lines) {
      for (int i = pieceCount(rng); i > 0; --i) line += pieces[pick(rng)];
    }
    int min = limit(rng);
    int max = limit(rng);
    if (min > max) std::swap(min, max);
    const auto seed = static_cast<std::uint32_t>(rng());
    RandomGenerator random(seed);
    LiteralRandom literalRandom{seed};
    const CommandResult fast = SplitParagraphs(U8(text::JoinLines(lines)), min, max, random);
    const text::Lines literal = LiteralSplitParagraphs(lines, min, max, literalRandom);
    ASSERT_EQ(fast.text, U8(text::JoinLines(literal))) << "round " << round;
    ASSERT_EQ(random.Seed(), literalRandom.seed) << "round " << round;
  }
}

}  // namespace
}  // namespace skorlin::lines::testing
