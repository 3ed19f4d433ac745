// SPDX-License-Identifier: GPL-3.0-or-later
// The character scan and the closing table skip work that cannot change the line; with and
// without the skipping the results must be the same.
#include <gtest/gtest.h>

#include "format/char_scan.h"
#include "format/closing_replacements.h"
#include "format/collapse_spaces.h"
#include "format/normalize_line.h"
#include "format/numero_years.h"
#include "format/scan_rules.h"
#include "format/simple_passes.h"
#include "format/straight_quotes.h"
#include "format/token_stand_ins.h"
#include "random_lines.h"
#include "text/toolkit.h"

namespace skorlin::format {
namespace {

using text::Text;

// Every rule at every position from lengthCount - 1 down to 2, and the comma rule reading
// its run of figures afresh every time.
void LiteralScan(Text& s, Pos lengthCount) {
  ScanLine line(std::move(s));
  for (Pos i = lengthCount - 1; i >= 2; --i) {
    for (const ScanRule& rule : kScanRules) {
      line.figures = {};
      rule.apply(line, i, lengthCount);
    }
  }
  s = line.Release();
}

// Every row applied to the whole line, repeated rows by the repeated ReplaceAll.
void LiteralClosingTable(Text& s) {
  for (const ReplacementRow& row : kClosingReplacements) {
    if (row.mode == ReplaceMode::kAll) {
      s = text::ReplaceAll(s, row.find, row.repl);
    } else if (row.mode == ReplaceMode::kRunsOutsideCode) {
      CollapseHyphenRunsOutsideCode(s);
    } else {
      while (text::FindStr(row.find, s, 1) != 0) s = text::ReplaceAll(s, row.find, row.repl);
    }
  }
}

TEST(CharacterScan, SkippingQuietPositionsAndRereadingChangesNothing) {
  std::vector<Text> pieces = testing::TypographyPieces();
  for (const char32_t* figures : {U"1", U"0", U",", U",", U" ", U"12,5", U"0,0,", U"№"})
    pieces.emplace_back(figures);
  testing::RandomLines lines(std::move(pieces), 21);
  for (int n = 0; n < 40000; ++n) {
    const Text line = lines.Next(14);
    Text fast = line;
    CharacterScanPass(fast, Length(fast));
    Text literal = line;
    LiteralScan(literal, Length(literal));
    ASSERT_EQ(text::ToUtf8(fast), text::ToUtf8(literal)) << text::ToUtf8(line);
  }
}

TEST(ClosingReplacements, SkippingRowsThatCannotMatchChangesNothing) {
  testing::RandomLines lines(testing::TypographyPieces(), 22);
  for (int n = 0; n < 40000; ++n) {
    const Text line = lines.Next(14);
    Text fast = line;
    ClosingReplacementsPass(fast);
    Text literal = line;
    LiteralClosingTable(literal);
    ASSERT_EQ(text::ToUtf8(fast), text::ToUtf8(literal)) << text::ToUtf8(line);
  }
}

// Every pass run on every line, the scan and the closing table in their literal form, again
// until the line stops changing; the protected tokens stand aside as they do for the
// normalizer.
void LiteralPasses(Text& s) {
  TrimPass(s);
  CollapsePass(s);
  Pos lengthCount = Length(s);
  const bool quotes = QuotesPairUp(s);
  if (quotes) FirstQuotePass(s, lengthCount);
  HashSignPass(s);
  if (quotes) LastQuotePass(s, lengthCount);
  BackslashPass(s);
  LiteralScan(s, lengthCount);
  LeadingNumeroPass(s);
  YearsWithGPass(s);
  NumeroRangesPass(s);
  YearRangesPass(s);
  TrailingSlashPass(s);
  CollapsePass(s);
  LiteralClosingTable(s);
  if (quotes) SpacedQuotePairsPass(s);
  CollapsePass(s);
}

// Rounds again until the line stops changing, its tokens looked for afresh in every round,
// as many rounds at most as the normalizer runs.
Text LiteralNormalizeLine(const Text& line) {
  Text s = line;
  Text before;
  for (int round = 0; round < kMaxNormalizerRounds && (round == 0 || before != s); ++round) {
    before = s;
    const TokenStandIns standIns(s);
    Text passed;
    for (int pass = 0; pass < kMaxNormalizerRounds && passed != s; ++pass) {
      passed = s;
      LiteralPasses(s);
    }
    standIns.PutBack(s);
  }
  return s;
}

TEST(NormalizeLine, SameAsEveryPassRunInFull) {
  testing::RandomLines lines(testing::TypographyPieces(), 23);
  for (int n = 0; n < 40000; ++n) {
    const Text line = lines.Next(14);
    ASSERT_EQ(text::ToUtf8(NormalizeLine(line)), text::ToUtf8(LiteralNormalizeLine(line)))
        << text::ToUtf8(line);
  }
}

TEST(ClosingReplacements, RowsApplyInOrderToTheWholeLine) {
  struct Case {
    const char32_t* input;
    const char32_t* expected;
  } cases[] = {
      {U"a -- b --- c", U"a - b - c"},
      {U"КП/б/ и КП /б/", U"КП(б) и КП(б)"},  // row 27 brings in brackets no earlier row had
      {U"№ - 5, № № №", U"№ 5, №№№"},
      {U"ВКП (б) и РП (б)", U"ВКП(б) и РП(б)"},
      {U"КП(б) -ВКП(б)", U"КП(б)-ВКП(б)"},
      {U"a \t b \r c \n d", U"a\tb\rc\nd"},
      {U"x г. г. и т. д. и т. п.", U"x г.г. и т.д. и т.п."},
      {U"( a ) [ b ] c : d ; e ! f ? g , h", U"(a) [b] c: d; e! f? g, h"},
  };
  for (const Case& c : cases) {
    Text s = c.input;
    ClosingReplacementsPass(s);
    EXPECT_EQ(text::ToUtf8(s), text::ToUtf8(c.expected));
  }
}

// A rule's inserted space shifts the line; the later rules at the same position see it.
TEST(ScanRules, LaterRulesSeeTheLineAsEarlierRulesLeftIt) {
  struct Case {
    const char32_t* line;
    Pos i;
    const char32_t* expected;
  } cases[] = {
      // "N" becomes the sign, then the sign gets a space after and before it.
      {U"дN5", 2, U"д № 5"},
      // The space before the sign moves it to i + 1, so the list after it is not spaced here.
      {U"д№1,2", 2, U"д № 1,2"},
      // After the sign, every comma of the list gets a space, one at the end of the line none.
      {U" №1,2,3,", 2, U" № 1, 2, 3,"},
      // A deleted space before the period: the rules that follow look at the next character.
      {U"5 .;", 3, U"5.; "},
      // Hyphen between numbers closed up on both sides.
      {U"1 -2", 3, U"1-2"},
      {U"1 - 2", 3, U"1 - 2"},
      // Rules read past the line's end and before its start as "no character".
      {U"N", 1, U"N"},
      {U"(", 1, U" ("},
      {U")", 1, U") "},
  };
  for (const Case& c : cases) {
    ScanLine s{Text(c.line)};
    for (const ScanRule& rule : kScanRules) rule.apply(s, c.i, Length(s));
    EXPECT_EQ(text::ToUtf8(s.Release()), text::ToUtf8(c.expected)) << text::ToUtf8(c.line);
  }
}

}  // namespace
}  // namespace skorlin::format
