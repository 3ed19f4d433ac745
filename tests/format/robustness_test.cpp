// SPDX-License-Identifier: GPL-3.0-or-later
// Odd lines and a few hundred thousand generated ones: NormalizeLine never fails, never
// loses a character it has no rule for, and takes its own output again.
#include <gtest/gtest.h>

#include "format/normalize_line.h"
#include "format/numero_years.h"
#include "random_lines.h"
#include "text/toolkit.h"

namespace skorlin::format {
namespace {

using text::Text;

TEST(NormalizeLineOddInput, TinyAndStrangeLines) {
  struct Case {
    Text input;
    Text expected;
  } cases[] = {
      {U"\"", U"\""},
      {U"\"\"", U"\"\""},
      {U"\" \"", U"\"\""},
      {U" \" \" \" ", U"\" \" \""},
      {U"\"\"\"\"", U"\"\"\"\""},
      {U"№", U"№"},
      {U"№№", U"№№"},
      {U"№ №", U"№№"},
      {U"/", U"/"},
      {U"///", U"///"},
      {U"N", U"N"},
      {U"N N", U"N N"},
      {U"(", U"("},
      {U")", U")"},
      {U".", U"."},
      {U",", U","},
      {U"--", U"-"},
      {U"a\tb\rc\nd", U"a\tb\rc\nd"},
      {U"a \r b \n c", U"a\rb\nc"},
      {Text(U"a\0b", 3), Text(U"a\0b", 3)},
      {Text(U"\0a\0", 3), U"a"},
      // Characters outside Windows-1251 are opaque: no digit, no letter, no sign.
      {U"₽5", U"₽5"},
      {U"стр₽5", U"стр₽5"},
      {U"é,5", U"é,5"},
      {U"e,5", U"e, 5"},
      {U"×,5", U"×,5"},
      {U"N５", U"N５"},
      {U"\U0001F600(x)", U"\U0001F600 (x)"},
      {Text(1, 0xFFFFFFFFu) + U"(x)", Text(1, 0xFFFFFFFFu) + U" (x)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::ToUtf8(NormalizeLine(c.input)), text::ToUtf8(c.expected)) << text::ToUtf8(c.input);
  }
}

TEST(NumeroRanges, AnyRunOfDigitsIsAWholeNumber) {
  for (const char32_t* number :
       {U"0", U"7", U"+7", U"-0", U"000", U"99999999999", U"123456789012345678901234567890"}) {
    EXPECT_TRUE(IsNonNegativeWholeNumber(number)) << text::ToUtf8(number);
  }
  for (const char32_t* other :
       {U"", U"+", U"-", U"-5", U"5 6", U"5,6", U"5.", U"a", U"0x1F", U"５", U"+-5"}) {
    EXPECT_FALSE(IsNonNegativeWholeNumber(other)) << text::ToUtf8(other);
  }
}

// The characters no rule adds, removes or changes, in their order.
Text Untouchable(const Text& s) {
  Text kept;
  for (const text::Char c : s) {
    if (c <= 32 || text::TextView(U"-№N#\\/().").find(c) != text::TextView::npos) continue;
    kept.push_back(c);
  }
  return kept;
}

void ExpectSoundResult(const Text& input, const Text& output) {
  ASSERT_EQ(text::FindStr(U"  ", output, 1), 0u) << text::ToUtf8(input);
  ASSERT_TRUE(Untouchable(output) == Untouchable(input))
      << text::ToUtf8(input) << " -> " << text::ToUtf8(output);
  if (!output.empty()) {
    ASSERT_FALSE(text::IsBlank(output.front())) << text::ToUtf8(input);
  }
}

// The output is the normalizer's own fixpoint: normalizing it again changes nothing, and
// the passes settle long before their bound.
TEST(NormalizeLineOddInput, GeneratedLinesAndTheirOwnOutput) {
  testing::RandomLines lines(testing::TypographyPieces(), 31);
  for (int n = 0; n < 200000; ++n) {
    const Text line = lines.Next(n % 20 == 0 ? 40 : 10);
    const Text once = NormalizeLine(line);
    ExpectSoundResult(line, once);
    ASSERT_EQ(text::ToUtf8(NormalizeLine(once)), text::ToUtf8(once)) << text::ToUtf8(line);
    Text passed = line;
    ASSERT_LT(RunNormalizerPasses(passed), kMaxNormalizerRounds) << text::ToUtf8(line);
  }
}

}  // namespace
}  // namespace skorlin::format
