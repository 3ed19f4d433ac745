// SPDX-License-Identifier: GPL-3.0-or-later
// CollapseSpaces and ReplaceUntilGone work in one pass; they must give exactly what the
// repeated ReplaceAll gives.
#include "format/collapse_spaces.h"

#include <gtest/gtest.h>

#include <random>

#include "text/space_runs.h"
#include "text/toolkit.h"

namespace skorlin::format {
namespace {

using text::CollapseSpaces;
using text::CollapseSpacesInPlace;
using text::Text;

// The definition: ReplaceAll for as long as FindStr from position 1 still finds find.
Text LiteralUntilGone(Text s, text::TextView find, text::TextView repl) {
  while (text::FindStr(find, s, 1) != 0) s = text::ReplaceAll(s, find, repl);
  return s;
}

Text RandomText(std::mt19937& engine, text::TextView alphabet, std::size_t maxLength) {
  std::uniform_int_distribution<std::size_t> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  Text s;
  for (std::size_t n = length(engine); n > 0; --n) s.push_back(alphabet[pick(engine)]);
  return s;
}

TEST(CollapseSpaces, EveryRunOfSpacesBecomesOne) {
  struct Case {
    const char32_t* input;
    const char32_t* expected;
  } cases[] = {
      {U"", U""},
      {U" ", U" "},
      {U"     ", U" "},
      {U"a  b   c", U"a b c"},
      {U"  a  ", U" a "},
      {U"a \t  b", U"a \t b"},
      {U"a\t\tb", U"a\t\tb"},
      {U"a \u00A0 b", U"a \u00A0 b"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(CollapseSpaces(c.input) == Text(c.expected)) << text::ToUtf8(c.input);
    Text inPlace(c.input);
    CollapseSpacesInPlace(inPlace);
    EXPECT_TRUE(inPlace == Text(c.expected)) << text::ToUtf8(c.input);
  }
}

TEST(CollapseSpaces, SameAsRepeatedReplaceAll) {
  std::mt19937 engine(11);
  for (int n = 0; n < 20000; ++n) {
    const Text s = RandomText(engine, U"  a\t-", n % 4 == 0 ? 90 : 30);
    const Text expected = LiteralUntilGone(s, U"  ", U" ");
    ASSERT_EQ(text::ToUtf8(CollapseSpaces(s)), text::ToUtf8(expected));
    Text inPlace = s;
    CollapseSpacesInPlace(inPlace);
    ASSERT_EQ(text::ToUtf8(inPlace), text::ToUtf8(expected));
  }
}

TEST(ReplaceUntilGone, TheNormalizerPairsMatchTheLiteralLoop) {
  struct Pair {
    const char32_t* find;
    const char32_t* repl;
    const char32_t* alphabet;
  } pairs[] = {
      {U"--", U"-", U"--- a"},
      {U"№ №", U"№№", U"№№ № a"},
  };
  std::mt19937 engine(12);
  for (const Pair& p : pairs) {
    for (int n = 0; n < 20000; ++n) {
      const Text s = RandomText(engine, p.alphabet, 24);
      ASSERT_EQ(text::ToUtf8(ReplaceUntilGone(s, p.find, p.repl)),
                text::ToUtf8(LiteralUntilGone(s, p.find, p.repl)))
          << text::ToUtf8(s);
    }
  }
  EXPECT_TRUE(ReplaceUntilGone(U"a-----b--c", U"--", U"-") == Text(U"a-b-c"));
  EXPECT_TRUE(ReplaceUntilGone(U"№ № № №  №", U"№ №", U"№№") == Text(U"№№№№  №"));
}

// Any pair with a shorter replacement, also those whose result depends on the order in
// which overlapping occurrences are replaced ("bab" by "ba" in "babbabb").
TEST(ReplaceUntilGone, AnyShorterPairMatchesTheLiteralLoop) {
  std::mt19937 engine(13);
  std::uniform_int_distribution<std::size_t> findLength(1, 4);
  for (int n = 0; n < 60000; ++n) {
    const text::TextView alphabet = n % 2 == 0 ? U"ab" : U"abc";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    Text f;
    for (std::size_t k = findLength(engine); k > 0; --k) f.push_back(alphabet[pick(engine)]);
    const Text repl = RandomText(engine, alphabet, f.size() - 1);
    const Text s = RandomText(engine, alphabet, 14);
    ASSERT_EQ(text::ToUtf8(ReplaceUntilGone(s, f, repl)), text::ToUtf8(LiteralUntilGone(s, f, repl)))
        << text::ToUtf8(s) << " / " << text::ToUtf8(f) << " / " << text::ToUtf8(repl);
  }
  EXPECT_TRUE(ReplaceUntilGone(U"babbabb", U"bab", U"ba") == LiteralUntilGone(U"babbabb", U"bab", U"ba"));
}

TEST(ReplaceUntilGone, DegenerateArgumentsNeverHang) {
  EXPECT_TRUE(ReplaceUntilGone(U"abc", U"", U"x") == Text(U"abc"));
  EXPECT_TRUE(ReplaceUntilGone(U"", U"a", U"") == Text(U""));
  EXPECT_TRUE(ReplaceUntilGone(U"aaa", U"a", U"") == Text(U""));
  // A replacement that contains what it replaces would grow for ever: it is made once.
  EXPECT_TRUE(ReplaceUntilGone(U"a-b", U"-", U"--") == Text(U"a--b"));
}

}  // namespace
}  // namespace skorlin::format
