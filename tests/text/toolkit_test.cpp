// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/toolkit.h"

#include <gtest/gtest.h>

#include <random>

namespace skorlin::text {
namespace {

Text T(const char* utf8) { return FromUtf8(utf8); }

struct FindCase {
  const char* sub;
  const char* s;
  std::size_t start;
  std::size_t expected;
};

TEST(FindStr, FindsFromStartAndRespectsBounds) {
  const FindCase cases[] = {
      {"", "abc", 1, 0}, {"a", "", 1, 0},    {"aa", "aaa", 1, 1}, {"aa", "aaa", 2, 2},
      {"aa", "aaa", 3, 0}, {"b", "abc", 4, 0}, {"abcd", "abc", 1, 0}, {"c", "abc", 3, 3},
      {"a", "abc", 0, 1},  // a start of 0 is taken as 1
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindStr(T(c.sub), T(c.s), c.start), c.expected) << c.sub << " in " << c.s << " from " << c.start;
  }
}

TEST(FindStrNoCase, MatchesByTheUpperCaseTableOnly) {
  const FindCase cases[] = {
      {"ё", "Ёлка", 1, 1},  {"Ї", "її", 2, 2}, {"1", "I1", 1, 2}, {"ABC", "xabc", 1, 2},
      {"ўі", "ЎІ", 1, 1},   {"é", "É", 1, 0},  // outside Windows-1251: matches only itself
      {"€", "€", 1, 1},     {"", "a", 1, 0},   {"ab", "a", 1, 0},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindStrNoCase(T(c.sub), T(c.s), c.start), c.expected) << c.sub << " in " << c.s;
  }
}

TEST(FindStrBack, FindsTheLastOccurrenceEndingBeforeStart) {
  const FindCase cases[] = {
      {"a", "abca", 5, 4}, {"a", "abca", 4, 1}, {"a", "abca", 1, 0}, {"a", "abca", 100, 4},
      {"ca", "abca", 4, 0}, {"ca", "abca", 5, 3}, {"", "abca", 5, 0}, {"a", "", 5, 0},
      {"a", "abca", 0, 0},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindStrBack(T(c.sub), T(c.s), c.start), c.expected) << c.sub << " in " << c.s << " " << c.start;
  }
}

struct ReplaceCase {
  const char* s;
  const char* find;
  const char* repl;
  const char* expected;
};

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlap) {
  const ReplaceCase cases[] = {
      {"aaa", "aa", "b", "ba"}, {"abc", "", "x", "abc"}, {"abab", "ab", "", ""},
      {"a-b", "-", "--", "a--b"}, {"", "a", "b", ""}, {"xyz", "q", "r", "xyz"},
      {"Ёж ёж", "ёж", "x", "Ёж x"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceAll(T(c.s), T(c.find), T(c.repl)), T(c.expected)) << c.s;
  }
}

TEST(ReplaceAllNoCase, InsertsExactlyTheReplacement) {
  const ReplaceCase cases[] = {
      {"Ёж ёж", "ёж", "x", "x x"}, {"AbAB", "ab", "Zz", "ZzZz"}, {"abc", "", "x", "abc"},
      {"ЯЯЯ", "яя", "-", "-Я"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceAllNoCase(T(c.s), T(c.find), T(c.repl)), T(c.expected)) << c.s;
  }
}

// The literal replacement: search, splice, search again after the inserted text.
Text LiteralReplaceAll(Text s, TextView find, TextView repl) {
  if (find.empty()) return s;
  std::size_t from = 0;
  while ((from = s.find(find, from)) != Text::npos) {
    s.replace(from, find.size(), repl);
    from += repl.size();
  }
  return s;
}

TEST(ReplaceAll, AgreesWithTheLiteralSpliceLoopOnRandomTexts) {
  std::mt19937 random(7);
  const Text alphabet = T("ab- ё");
  auto randomText = [&](std::size_t maxLength) {
    Text t(random() % (maxLength + 1), U' ');
    for (Char& c : t) c = alphabet[random() % alphabet.size()];
    return t;
  };
  for (int i = 0; i < 20000; ++i) {
    const Text s = randomText(20), find = randomText(3), repl = randomText(3);
    ASSERT_EQ(ReplaceAll(s, find, repl), LiteralReplaceAll(s, find, repl));
  }
}

TEST(DeleteRange, IgnoresRangesOutsideAndCutsAtTheEnd) {
  struct Case {
    std::ptrdiff_t index, count;
    const char* expected;
  } cases[] = {
      {0, 1, "abc"}, {4, 1, "abc"}, {2, 10, "a"}, {1, 3, ""}, {2, 1, "ac"}, {1, 0, "abc"}, {1, -2, "abc"},
      {3, 1, "ab"},
  };
  for (const Case& c : cases) {
    Text s = T("abc");
    DeleteRange(s, c.index, c.count);
    EXPECT_EQ(s, T(c.expected)) << c.index << "," << c.count;
  }
  Text empty;
  DeleteRange(empty, 1, 1);
  EXPECT_TRUE(empty.empty());
}

TEST(Trim, RemovesCodesUpTo32ButNeverTheNonBreakingSpace) {
  Text s = T("\t x \r\n");
  TrimBlanks(s);
  EXPECT_EQ(s, T("x"));
  Text nbsp = T("\u00A0");
  TrimBlanks(nbsp);
  EXPECT_EQ(nbsp, T("\u00A0"));
  Text leading = T(" x ");
  TrimLeadingBlanks(leading);
  EXPECT_EQ(leading, T("x "));
  Text blanks = Text(U"\x01\x1f \t") + U'\0';
  TrimBlanks(blanks);
  EXPECT_TRUE(blanks.empty());
}

TEST(SmallRoutines, CountReverseLower) {
  EXPECT_EQ(CountChar(T("a-b-c"), U'-'), 2u);
  EXPECT_EQ(CountChar(T(""), U'-'), 0u);
  Text abc = T("abc");
  ReverseStr(abc);
  EXPECT_EQ(abc, T("cba"));
  Text empty;
  ReverseStr(empty);
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(LowerStr(T("ЁЛКА ЎІ Ab")), T("ёлка ўі ab"));
  EXPECT_EQ(LowerStr(T("ÉЀ₽")), T("ÉЀ₽"));  // outside Windows-1251: unchanged
}

}  // namespace
}  // namespace skorlin::text
