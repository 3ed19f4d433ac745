// SPDX-License-Identifier: GPL-3.0-or-later
// Trimming blanks, deleting empty lines, collapsing spaces; the frame's percentages.
#include "lines/whitespace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lines/literal_lines.h"
#include "lines/test_support.h"

namespace skorlin::lines::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

TEST(NearestQuotient, RoundsHalvesToEven) {
  struct Case {
    std::uint64_t numerator, denominator;
    std::int64_t expected;
  } cases[] = {
      {5, 2, 2}, {7, 2, 4},     {1, 2, 0},    {3, 2, 2},    {9, 4, 2}, {11, 4, 3},    {10, 4, 2},
      {0, 7, 0}, {700, 6, 117}, {100, 3, 33}, {200, 3, 67}, {1, 0, 0}, {250, 100, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NearestQuotient(c.numerator, c.denominator), c.expected) << c.numerator << "/" << c.denominator;
  }
  EXPECT_EQ(Percent(1, 40), 2);   // 2.5
  EXPECT_EQ(Percent(7, 200), 4);  // 3.5
  EXPECT_EQ(ProgressCaption("Пробелы: ", 40, 17), "Пробелы: 40% 17");
}

TEST(TrimLineBlanks, Cases) {
  struct Case {
    std::vector<std::string> in, out;
    long counter;
  } cases[] = {
      {{" a", "b", "c\t"}, {"a", "b", "c"}, 2},
      {{"   "}, {""}, 1},
      {{"\xC2\xA0"}, {"\xC2\xA0"}, 0},  // a non-breaking space is no blank
      {{"\x01x\x1f", " y z "}, {"x", "y z"}, 2},
      {{}, {}, 0},
      {{" 😀", "😀\t", "\xD0\xB6"}, {"😀", "😀", "\xD0\xB6"}, 2},  // characters of 4 and 2 bytes at the edges
  };
  for (const Case& c : cases) {
    const CommandResult r = TrimLineBlanks(ViewText(c.in));
    EXPECT_EQ(LinesOf(r.text), c.out);
    EXPECT_EQ(r.counter, c.counter);
    EXPECT_EQ(r.caption, "Пробелы: 100% " + std::to_string(c.counter));
  }
}

TEST(DeleteEmptyLines, Cases) {
  struct Case {
    std::vector<std::string> in, out;
    long counter;
  } cases[] = {
      {{"a", "", "", "b"}, {"a", "b"}, 2},
      {{"a", " ", "\t"}, {"a", " ", "\t"}, 0},
      {{"\xC2\xA0", ""}, {"\xC2\xA0"}, 1},
      {{"", ""}, {}, 2},
      {{}, {}, 0},
  };
  for (const Case& c : cases) {
    const CommandResult r = Joined(DeleteEmptyLines(ViewText(c.in)));
    EXPECT_EQ(LinesOf(r.text), c.out);
    EXPECT_EQ(r.counter, c.counter);
    EXPECT_EQ(r.caption, "Пустые: 100% " + std::to_string(c.counter));
  }
  // Trimming makes a line of spaces empty; deleting empty lines then removes it.
  const CommandResult trimmed = TrimLineBlanks(ViewText({"a", "   ", "b"}));
  EXPECT_THAT(LinesOf(Joined(DeleteEmptyLines(trimmed.text)).text), ElementsAre("a", "b"));
}

TEST(LineByLineProgress, EveryHundredthLineWithItsPercentage) {
  CaptionLog log;
  TrimLineBlanks(ViewText(std::vector<std::string>(1000, " x")), log.Callback());
  ASSERT_EQ(log.captions.size(), 10U);
  EXPECT_EQ(log.captions[0], "Пробелы: 0% 1");
  EXPECT_EQ(log.captions[1], "Пробелы: 10% 101");
  EXPECT_EQ(log.captions[9], "Пробелы: 90% 901");

  // Backwards: from the highest multiple of 100 down to line 0, p = 0 last.
  CaptionLog backwards;
  Joined(DeleteEmptyLines(ViewText(std::vector<std::string>(250, "")), backwards.Callback()));
  EXPECT_THAT(backwards.captions, ElementsAre("Пустые: 80% 50", "Пустые: 40% 150", "Пустые: 0% 250"));

  // One line: n − 1 is 0, and the caption shows 0%.
  CaptionLog single;
  TrimLineBlanks(" a\r\n", single.Callback());
  EXPECT_THAT(single.captions, ElementsAre("Пробелы: 0% 1"));
}

TEST(LineByLineProgress, SameAsTheDefinitionOnRandomTexts) {
  std::mt19937 rng(11);
  for (int round = 0; round < 60; ++round) {
    const text::Text raw = RawText(rng, RandomLines(rng, round < 30 ? 40 : 2500, 4));
    const text::Lines lines = text::SplitLines(raw);
    CaptionLog trimLog;
    const CommandResult trim = TrimLineBlanks(U8(raw), trimLog.Callback());
    const LiteralRun literalTrim = LiteralTrim(lines);
    ASSERT_EQ(trim.text, U8(literalTrim.text));
    ASSERT_EQ(trim.counter, literalTrim.counter);
    ASSERT_EQ(trimLog.captions, Rationed(literalTrim, 0, false));
    ASSERT_EQ(WrittenWithLf([&](text::LineWriter& out) { TrimLineBlanks(U8(raw), {}, out); }),
              WithLfBreaks(U8(literalTrim.text)));

    CaptionLog emptyLog;
    const CommandResult empty = Joined(DeleteEmptyLines(U8(raw), emptyLog.Callback()));
    const LiteralRun literalEmpty = LiteralDeleteEmpty(lines);
    ASSERT_EQ(empty.text, U8(literalEmpty.text));
    ASSERT_EQ(empty.counter, literalEmpty.counter);
    ASSERT_EQ(emptyLog.captions, Rationed(literalEmpty, 0, false));
  }
}

TEST(LineByLineProgress, AboutAHundredCaptionsForALongList) {
  CaptionLog log;
  const CommandResult r = TrimLineBlanks(ViewText(std::vector<std::string>(200000, "a ")), log.Callback());
  EXPECT_EQ(r.counter, 200000);
  EXPECT_LE(log.captions.size(), 101U);
  // 99.5% and above round to 100: line 199000 is the first to show it.
  EXPECT_EQ(log.captions.back(), "Пробелы: 100% 199001");
}

TEST(DeleteDoubleSpaces, Cases) {
  struct Case {
    std::vector<std::string> in, out;
    long counter;
  } cases[] = {
      {{"a   b  c"}, {"a b c"}, 3},
      {{"a \t b"}, {"a \t b"}, 0},  // space, tab, space: nothing to collapse
      {{"  a  ", "   "}, {" a ", " "}, 4},
      {{"a\xC2\xA0\xC2\xA0 b"}, {"a\xC2\xA0\xC2\xA0 b"}, 0},
      {{}, {}, 0},
  };
  for (const Case& c : cases) {
    const CommandResult r = DeleteDoubleSpaces(ViewText(c.in));
    EXPECT_EQ(LinesOf(r.text), c.out);
    EXPECT_EQ(r.counter, c.counter);
    EXPECT_EQ(r.caption, "Дв. пробелы: 100% " + std::to_string(c.counter));
  }
  // The text comes back whole (CR LF after every line) also when nothing was removed.
  EXPECT_EQ(DeleteDoubleSpaces("a \t b").text, "a \t b\r\n");
}

TEST(DeleteDoubleSpaces, CaptionsAtPositionsDivisibleByFive) {
  // "abcd" + five spaces: the run starts at position 5, so each removal that finds the
  // run again shows a caption; the search that ends gives 0 and the full counter.
  CaptionLog log;
  DeleteDoubleSpaces("abcd     x", log.Callback());
  EXPECT_THAT(log.captions, ElementsAre("Дв. пробелы: 0%", "Пробелы: 42% 1", "Пробелы: 0% 4"));
  CaptionLog none;
  DeleteDoubleSpaces("a b", none.Callback());
  // Positions count characters, not bytes: four characters of two bytes each before the
  // run put it at position 5, as in "abcd".
  CaptionLog cyrillic;
  DeleteDoubleSpaces("жжжж     x", cyrillic.Callback());
  EXPECT_THAT(cyrillic.captions, ElementsAre("Дв. пробелы: 0%", "Пробелы: 42% 1", "Пробелы: 0% 4"));
  EXPECT_THAT(none.captions, ElementsAre("Дв. пробелы: 0%"));
}

TEST(DeleteDoubleSpaces, SameAsRemovingOneSpaceAtATime) {
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> runLength(0, 9);
  std::uniform_int_distribution<int> pieceCount(0, 40);
  const text::Text words[] = {U"a", U"bb", U"\t", U"\r\n", U"\n", U"\r", U"\u00a0", U"ccc", U"ж", U"😀"};
  std::uniform_int_distribution<std::size_t> word(0, std::size(words) - 1);
  for (int round = 0; round < 3000; ++round) {
    text::Text raw;
    for (int i = pieceCount(rng); i > 0; --i) {
      raw += words[word(rng)];
      raw += text::Text(static_cast<std::size_t>(runLength(rng)), U' ');
    }
    CaptionLog log;
    const CommandResult fast = DeleteDoubleSpaces(U8(raw), log.Callback());
    const LiteralRun literal = LiteralDeleteDoubleSpaces(text::JoinLines(text::SplitLines(raw)));
    ASSERT_EQ(fast.text, U8(literal.text));
    ASSERT_EQ(fast.counter, literal.counter);
    ASSERT_THAT(log.captions, ElementsAreArray(Rationed(literal, 1, literal.counter > 0)));
    // Without captions each line is collapsed on its own: kept whole, or handed on with LF
    // breaks, with captions too.
    const CommandResult quiet = DeleteDoubleSpaces(U8(raw));
    ASSERT_EQ(quiet.text, U8(literal.text));
    ASSERT_EQ(quiet.counter, literal.counter);
    const std::string lf = WithLfBreaks(U8(literal.text));
    ASSERT_EQ(WrittenWithLf([&](text::LineWriter& out) { DeleteDoubleSpaces(U8(raw), {}, out); }), lf);
    ASSERT_EQ(WrittenWithLf([&](text::LineWriter& out) { DeleteDoubleSpaces(U8(raw), log.Callback(), out); }),
              lf);
  }
}

}  // namespace
}  // namespace skorlin::lines::testing
