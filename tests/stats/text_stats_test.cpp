// SPDX-License-Identifier: GPL-3.0-or-later
// The counts of the statistics panel: the cases users meet, and the one-pass counter
// against the step-by-step definition on many generated texts.
#include "stats/text_stats.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "literal_stats.h"
#include "stats/count_words.h"
#include "stats/live_stats.h"
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
    EXPECT_EQ(CountTextStats(text::ToUtf8(c.text)), c.expected) << text::ToUtf8(c.name);
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
      // Longer runs of word characters, which the counter takes in a loop of their own.
      U"Слово",
      U"word7_x",
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

// Every line break of any kind as the CR LF a view holds in its place.
text::Text WithViewBreaks(text::TextView t) {
  text::Text out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == U'\r' || t[i] == U'\n') {
      if (t[i] == U'\r' && i + 1 < t.size() && t[i + 1] == U'\n') ++i;
      out += U"\r\n";
    } else {
      out += t[i];
    }
  }
  return out;
}

// The text handed to a counter in pieces cut at random (inside a character, between a CR
// and its LF).
TextStats CountInPieces(const std::string& utf8, TextStatsCounter::Breaks breaks, std::mt19937& rng) {
  TextStatsCounter counter(breaks);
  std::uniform_int_distribution<std::size_t> cut(0, 5);
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t n = std::min(cut(rng), utf8.size() - at);
    counter.Add(std::string_view(utf8).substr(at, n));
    at += n;
  }
  return counter.Finish();
}

TEST(CountTextStats, MatchesTheStepByStepCountOnGeneratedTexts) {
  std::mt19937 rng(20261208);
  int failures = 0;
  for (int i = 0; i < 100000 && failures < 5; ++i) {
    const text::Text t = RandomText(rng);
    const std::string utf8 = text::ToUtf8(t);
    const TextStats expected = testing::LiteralCountTextStats(t);
    const TextStats actual = CountTextStats(utf8);
    const TextStats inPieces = CountInPieces(utf8, TextStatsCounter::Breaks::kAsGiven, rng);
    const TextStats asView = CountInPieces(utf8, TextStatsCounter::Breaks::kAsViewHolds, rng);
    const TextStats expectedAsView = testing::LiteralCountTextStats(WithViewBreaks(t));
    if (actual != expected || inPieces != expected || asView != expectedAsView) {
      ++failures;
      ADD_FAILURE() << "text \"" << Visible(t) << "\"\n  expected " << ::testing::PrintToString(expected)
                    << "\n  actual   " << ::testing::PrintToString(actual) << "\n  in pieces "
                    << ::testing::PrintToString(inPieces) << "\n  as a view "
                    << ::testing::PrintToString(asView) << " expected "
                    << ::testing::PrintToString(expectedAsView);
    }
    if (CountWords(utf8) != expected.WordCount) {
      ++failures;
      ADD_FAILURE() << "CountWords of \"" << Visible(t) << "\" is " << CountWords(utf8) << ", expected "
                    << expected.WordCount;
    }
  }
}

// Pieces cut where a counter must look across the cut: a CR and its LF, a character of
// two and of four bytes, a blank run that the end turns into outer blanks.
TEST(CountTextStats, CountsAcrossTheCutsOfItsPieces) {
  const struct {
    std::vector<std::string> pieces;
    TextStats expected;
  } cases[] = {
      {{"a\r", "\nb"}, {2, 2, 2, 2, 2, 2, 2}},
      {{"a\r", "", "\n", "\r\nb"}, {2, 3, 2, 2, 2, 2, 2}},
      {{"\xD0", "\xB6 \xF0\x9F", "\x98", "\x80"}, {1, 1, 1, 1, 2, 3, 3}},
      {{"ab  ", "\r", "\n  "}, {1, 2, 1, 2, 2, 2, 2}},
      {{"\xD0"}, {1, 1, 0, 0, 1, 1, 1}},  // a character cut at the end of the text
  };
  for (const auto& c : cases) {
    TextStatsCounter counter;
    std::string whole;
    for (const std::string& piece : c.pieces) {
      counter.Add(piece);
      whole += piece;
    }
    EXPECT_EQ(counter.Finish(), c.expected) << ::testing::PrintToString(c.pieces);
    EXPECT_EQ(CountTextStats(whole), c.expected) << ::testing::PrintToString(c.pieces);
  }
}

// The byte offset of character n of t.
std::size_t Utf8Offset(text::TextView t, std::size_t n) { return text::ToUtf8(t.substr(0, n)).size(); }

// Counts kept in step with thousands of random edits (insertions, removals and
// replacements of characters, CR and LF apart or as pairs, down to the empty text) match a
// whole count after every edit; a replacement is announced as a removal and an insertion
// before the counts are asked for, as an editor announces it.
TEST(LiveTextStats, MatchesAWholeCountAfterRandomEdits) {
  std::mt19937 rng(20261209);
  std::string utf8;
  text::Text chars;
  LiveTextStats live(
      [&](std::size_t from, std::size_t length) { return std::string_view(utf8).substr(from, length); });
  int failures = 0;
  for (int round = 0; round < 40 && failures < 5; ++round) {
    chars = round % 4 == 0 ? text::Text() : RandomText(rng);
    utf8 = text::ToUtf8(chars);
    live.Reset(CountTextStats(utf8));
    for (int edit = 0; edit < 100 && failures < 5; ++edit) {
      std::uniform_int_distribution<std::size_t> position(0, chars.size());
      std::size_t from = position(rng);
      std::size_t to = position(rng);
      if (from > to) std::swap(from, to);
      const int kind = static_cast<int>(rng() % 3);  // 0 insert, 1 remove, 2 replace
      if (kind == 0) to = from;
      text::Text inserted = kind == 1 ? text::Text() : RandomText(rng).substr(0, rng() % 8);
      const std::size_t at = Utf8Offset(chars, from);
      const std::size_t removed = Utf8Offset(chars, to) - at;
      if (removed > 0) {
        live.BeforeChange(utf8.size(), at, removed, 0);
        utf8.erase(at, removed);
      }
      const std::string insertedUtf8 = text::ToUtf8(inserted);
      if (!insertedUtf8.empty()) {
        live.BeforeChange(utf8.size(), at, 0, insertedUtf8.size());
        utf8.insert(at, insertedUtf8);
      }
      chars.replace(from, to - from, inserted);
      const std::optional<TextStats> counted = live.Current();
      const TextStats expected = CountTextStats(utf8);
      if (counted != expected) {
        ++failures;
        ADD_FAILURE() << "after an edit at " << from << " the text \"" << Visible(chars) << "\"\n  expected "
                      << ::testing::PrintToString(expected) << "\n  kept     "
                      << ::testing::PrintToString(counted);
        live.Reset(expected);
      }
    }
  }
}

// Where no seam lies within reach of a change the counts are no longer known (the window
// then counts the whole text), rather than stepped from a piece that is not one.
TEST(LiveTextStats, ForgetsWhenNoSeamIsWithinReach) {
  const struct {
    const char* name;
    std::string text;
    bool known;
  } cases[] = {
      {"lines of words and spaces",
       [] {
         std::string t;
         while (t.size() < 3 * LiveTextStats::kReach) t += "word word\r\n";
         return t;
       }(),
       true},
      {"every line indented",
       [] {
         std::string t;
         while (t.size() < 3 * LiveTextStats::kReach) t += " word word \r\n";
         return t;
       }(),
       false},
      {"indented lines with punctuation",
       [] {
         std::string t;
         while (t.size() < 3 * LiveTextStats::kReach) t += " word, word \r\n";
         return t;
       }(),
       true},
  };
  for (const auto& c : cases) {
    std::string t = c.text;
    LiveTextStats live(
        [&](std::size_t from, std::size_t length) { return std::string_view(t).substr(from, length); });
    live.Reset(CountTextStats(t));
    const std::size_t at = t.size() / 2;
    live.BeforeChange(t.size(), at, 0, 1);
    t.insert(at, "x");
    const std::optional<TextStats> counted = live.Current();
    EXPECT_EQ(counted.has_value(), c.known) << c.name;
    if (counted) {
      EXPECT_EQ(*counted, CountTextStats(t)) << c.name;
    }
  }
}

}  // namespace
}  // namespace skorlin::stats
