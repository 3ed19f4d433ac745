// SPDX-License-Identifier: GPL-3.0-or-later
// The quicksort scheme, the collation, the generator and the commands that reorder lines.
#include "lines/ordering.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "lines/literal_lines.h"
#include "lines/quick_sort.h"
#include "lines/test_support.h"

namespace skorlin::lines::testing {
namespace {

using ::testing::ElementsAre;

int CompareLength(const std::string& a, const std::string& b) {
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// The scheme as written, recursion and all.
template <typename Item, typename Compare>
void RecursiveQuickSort(std::vector<Item>& list, std::ptrdiff_t l, std::ptrdiff_t r, Compare compare) {
  std::ptrdiff_t i = 0;
  do {
    i = l;
    std::ptrdiff_t j = r;
    std::ptrdiff_t p = (l + r) / 2;
    do {
      while (compare(list[i], list[p]) < 0) ++i;
      while (compare(list[j], list[p]) > 0) --j;
      if (i <= j) {
        std::swap(list[i], list[j]);
        if (p == i) {
          p = j;
        } else if (p == j) {
          p = i;
        }
        ++i;
        --j;
      }
    } while (i <= j);
    if (l < j) RecursiveQuickSort(list, l, j, compare);
    l = i;
  } while (i < r);
}

TEST(QuickSortLines, EqualItemsComeOutInTheSchemesOrder) {
  struct Case {
    std::vector<std::string> in, out;
  } cases[] = {
      {{"ccc", "a", "bb"}, {"a", "bb", "ccc"}},
      {{"b", "a"}, {"a", "b"}},
      {{"x", "y", "z"}, {"z", "y", "x"}},
      {{"only"}, {"only"}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> list = c.in;
    QuickSortLines(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1, CompareLength);
    EXPECT_EQ(list, c.out);
  }
  // A part of the list: the items outside stay where they are.
  std::vector<std::string> part{"zzzz", "x", "y", "z", "a"};
  QuickSortLines(part, 1, 3, CompareLength);
  EXPECT_THAT(part, ElementsAre("zzzz", "z", "y", "x", "a"));
}

TEST(QuickSortLines, SameOrderAsTheRecursiveSchemeOnRandomLists) {
  std::mt19937 rng(3);
  for (int round = 0; round < 3000; ++round) {
    std::uniform_int_distribution<int> size(0, round % 50 == 0 ? 2000 : 40);
    std::uniform_int_distribution<int> value(0, round % 3 == 0 ? 3 : 1000);
    std::vector<std::pair<int, int>> list(static_cast<std::size_t>(size(rng)));
    for (std::size_t i = 0; i < list.size(); ++i) list[i] = {value(rng), static_cast<int>(i)};
    // Only the first member counts: equal items are told apart by the second.
    const auto compare = [](const std::pair<int, int>& a, const std::pair<int, int>& b) {
      return a.first < b.first ? -1 : (a.first > b.first ? 1 : 0);
    };
    std::vector<std::pair<int, int>> expected = list;
    if (!expected.empty())
      RecursiveQuickSort(expected, 0, static_cast<std::ptrdiff_t>(expected.size()) - 1, compare);
    QuickSortLines(list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1, compare);
    ASSERT_EQ(list, expected) << "round " << round;
    ASSERT_TRUE(
        std::is_sorted(list.begin(), list.end(), [&](auto& a, auto& b) { return compare(a, b) < 0; }));
  }
}

TEST(CompareLinesLocale, CaseIgnoredAlphabetKept) {
  for (const std::string locale : {"ru_RU", "root", ""}) {
    const LineCollator collator(locale);
    struct Case {
      std::string a, b;
      int sign;
    } cases[] = {
        {"а", "А", 0},     {"abc", "ABC", 0}, {"б", "в", -1},   {"я", "а", 1},   {"", "", 0},
        {"", "a", -1},     {"a", "", 1},      {"", "\x01", -1}, {"ё", "ж", -1},  {"е", "ё", -1},
        {"Ель", "ель", 0}, {"a", "b", -1},    {"Z", "a", 1},    {"x", "x ", -1}, {"яблоко", "Яблоко", 0},
    };
    for (const Case& c : cases) {
      const int result = collator.CompareLinesLocale(c.a, c.b);
      EXPECT_EQ((result > 0) - (result < 0), c.sign) << locale << ": " << c.a << " vs " << c.b;
    }
  }
}

TEST(CompareLinesLocale, SortKeysGiveTheCollatorsOrder) {
  const LineCollator collator("ru_RU");
  std::mt19937 rng(17);
  // A lone surrogate too, which a view may hold.
  const text::Text alphabet =
      U"аАбБеЕёЁжяЯaAbBzZ0 9-.,\t\x01éÉ₽🙂" + text::Text(1, U'\xD800');
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 5);
  const auto randomLine = [&] {
    text::Text line;
    for (int i = length(rng); i > 0; --i) line += alphabet[pick(rng)];
    return line;
  };
  // The key of a line's UTF-8 is the key of its characters.
  const auto key = [&](const text::Text& line) {
    std::vector<std::uint8_t> bytes;
    collator.SortKey(U8(line), bytes);
    std::vector<std::uint8_t> ofCharacters;
    collator.SortKey(text::TextView(line), ofCharacters);
    EXPECT_EQ(bytes, ofCharacters) << U8(line);
    return bytes;
  };
  for (int i = 0; i < 20000; ++i) {
    const text::Text a = randomLine();
    const text::Text b = randomLine();
    const std::vector<std::uint8_t> ka = key(a);
    const std::vector<std::uint8_t> kb = key(b);
    ASSERT_EQ(ka.back(), 0);
    ASSERT_EQ(std::count(ka.begin(), ka.end(), 0), 1);
    const int byKeys =
        std::strcmp(reinterpret_cast<const char*>(ka.data()), reinterpret_cast<const char*>(kb.data()));
    const int direct = collator.CompareLinesLocale(U8(a), U8(b));
    ASSERT_EQ((byKeys > 0) - (byKeys < 0), (direct > 0) - (direct < 0))
        << text::ToUtf8(a) << " | " << text::ToUtf8(b);
  }
  // Whole sorts: the keyed sort equals the scheme run with the collator's compare.
  for (int round = 0; round < 300; ++round) {
    text::Lines lines(static_cast<std::size_t>(round % 60));
    for (text::Text& line : lines) line = randomLine();
    text::Lines expected = lines;
    QuickSortLines(
        expected, 0, static_cast<std::ptrdiff_t>(expected.size()) - 1,
        [&](const text::Text& a, const text::Text& b) { return collator.CompareLinesLocale(U8(a), U8(b)); });
    ASSERT_EQ(Joined(SortLines(U8(text::JoinLines(lines)), collator)).text, U8(text::JoinLines(expected)))
        << "round " << round;
  }
  // A list long enough for its keys to be made on two threads, sorted and mirror-sorted,
  // against the scheme with the collator's compare: with each kind of break (the second
  // thread's lines go where the first half's, counted apart, end), an odd number of lines.
  text::Lines lines(40001);
  for (text::Text& line : lines) line = randomLine();
  const auto literalSort = [&](text::Lines list) {
    QuickSortLines(
        list, 0, static_cast<std::ptrdiff_t>(list.size()) - 1,
        [&](const text::Text& a, const text::Text& b) { return collator.CompareLinesLocale(U8(a), U8(b)); });
    return list;
  };
  const std::string sorted = U8(text::JoinLines(literalSort(lines)));
  text::Lines reversed = lines;
  for (text::Text& line : reversed) std::reverse(line.begin(), line.end());
  text::Lines mirrored = literalSort(reversed);
  for (text::Text& line : mirrored) std::reverse(line.begin(), line.end());
  const std::string mirrorSorted = U8(text::JoinLines(mirrored));
  // The breaks in turn; a lone CR is never followed by an LF, which would join the two.
  const struct {
    const char* name;
    std::vector<std::string> cycle;
  } breakings[] = {{"CR LF", {"\r\n"}}, {"LF", {"\n"}}, {"lone CR", {"\r"}}, {"mixed", {"\r\n", "\n", "\r"}}};
  for (const auto& breaking : breakings) {
    std::string list;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      list += U8(lines[i]) + breaking.cycle[i % breaking.cycle.size()];
    }
    ASSERT_GT(list.size(), std::size_t{64} << 10);
    SCOPED_TRACE(breaking.name);
    EXPECT_EQ(Joined(SortLines(list, collator)).text, sorted);
    EXPECT_EQ(Joined(MirrorSortLines(list, collator)).text, mirrorSorted);
  }
}

#ifndef _WIN32  // on Windows the user's locale is the system's setting, not the environment's
TEST(CompareLinesLocale, UserLocaleFromTheEnvironment) {
  struct Saved {
    const char* name;
    std::optional<std::string> value;
  } saved[] = {{"LC_ALL", {}}, {"LC_COLLATE", {}}, {"LANG", {}}};
  for (Saved& s : saved) {
    if (const char* v = std::getenv(s.name)) s.value = v;
  }
  const auto set = [](const char* all, const char* collate, const char* lang) {
    const auto put = [](const char* name, const char* value) {
      if (value == nullptr) {
        unsetenv(name);
      } else {
        setenv(name, value, 1);
      }
    };
    put("LC_ALL", all);
    put("LC_COLLATE", collate);
    put("LANG", lang);
  };
  struct Case {
    const char *all, *collate, *lang, *expected;
  } cases[] = {
      {nullptr, nullptr, "ru_RU.UTF-8", "ru_RU"},
      {"", "de_DE@euro", "ru_RU", "de_DE"},
      {"C", "ru_RU", nullptr, ""},
      {"C.UTF-8", nullptr, nullptr, ""},
      {nullptr, nullptr, "POSIX", ""},
      {nullptr, nullptr, nullptr, ""},
  };
  for (const Case& c : cases) {
    set(c.all, c.collate, c.lang);
    EXPECT_EQ(UserCollationLocale(), c.expected);
  }
  set(nullptr, nullptr, "C");
  EXPECT_EQ(LineCollator().LocaleName(), "root");  // C: case still ignored
  EXPECT_EQ(LineCollator().CompareLinesLocale("B", "a"), 1);
  EXPECT_EQ(LineCollator("no_SUCH_LOCALE_xx").CompareLinesLocale("A", "a"), 0);
  for (const Saved& s : saved) {
    if (s.value) {
      setenv(s.name, s.value->c_str(), 1);
    } else {
      unsetenv(s.name);
    }
  }
}
#endif

TEST(SortCommands, Cases) {
  const LineCollator collator("ru_RU");
  EXPECT_THAT(LinesOf(Joined(SortLines(ViewText({"б", "А", "в", "а"}), collator)).text),
              ElementsAre("а", "А", "б", "в"));
  EXPECT_THAT(LinesOf(Joined(SortLines(ViewText({"abc", "ABC"}), collator)).text), ElementsAre("ABC", "abc"));
  EXPECT_THAT(LinesOf(Joined(SortLines(ViewText({"ABC", "abc"}), collator)).text), ElementsAre("abc", "ABC"));
  EXPECT_THAT(LinesOf(Joined(SortLines(ViewText({"b", "", "a", ""}), collator)).text),
              ElementsAre("", "", "a", "b"));
  EXPECT_EQ(Joined(SortLines("", collator)).text, "");
  EXPECT_EQ(Joined(SortLines("x", collator)).caption, "");

  CaptionLog log;
  const CommandResult mirror =
      Joined(MirrorSortLines(ViewText({"кот", "рот", "слон"}), collator, log.Callback()));
  EXPECT_THAT(LinesOf(mirror.text), ElementsAre("слон", "кот", "рот"));
  EXPECT_EQ(mirror.caption, "Зерк. сорт. 100%");
  EXPECT_THAT(log.captions, ElementsAre("Зерк. сорт. 0%", "Зерк. сорт. 50%"));

  EXPECT_THAT(LinesOf(Joined(SortLinesByLength(ViewText({"ccc", "a", "bb"}))).text),
              ElementsAre("a", "bb", "ccc"));
  EXPECT_THAT(LinesOf(Joined(SortLinesByLength(ViewText({"b", "a"}))).text), ElementsAre("a", "b"));
  EXPECT_THAT(LinesOf(Joined(SortLinesByLength(ViewText({"x", "y", "z"}))).text), ElementsAre("z", "y", "x"));
  // Length counts characters, not bytes: "яя" is as long as "ab".
  EXPECT_THAT(LinesOf(Joined(SortLinesByLength(ViewText({"ccc", "яя", "d"}))).text),
              ElementsAre("d", "яя", "ccc"));
  EXPECT_THAT(LinesOf(Joined(SortLinesByLength(ViewText({"😀😀", "ab", "😀"}))).text),
              ElementsAre("😀", "ab", "😀😀"));

  EXPECT_THAT(LinesOf(Joined(InvertLines(ViewText({"a", "b", "c", "d"}))).text),
              ElementsAre("d", "c", "b", "a"));
  EXPECT_THAT(LinesOf(Joined(InvertLines(ViewText({"a", "b"}))).text), ElementsAre("b", "a"));
  EXPECT_THAT(LinesOf(Joined(InvertLines(ViewText({"a"}))).text), ElementsAre("a"));
  EXPECT_THAT(LinesOf(Joined(InvertLines("😀\r😀ж\n\xD0\xB6")).text), ElementsAre("\xD0\xB6", "😀ж", "😀"));
  EXPECT_EQ(Joined(InvertLines("")).text, "");
}

// A Russian word list sorts alike on ICU and on Windows: letters, case ignored, ё after е
// as a letter with a mark, Cyrillic before Latin. Punctuation and symbols do not: ICU has
// its own table for them, Windows puts the apostrophe and the hyphen before every other
// mark, a space after them, and ½ before 1 (docs/windows.md).
TEST(SortCommands, ARussianWordListSortsAlikeOnEveryPlatform) {
  const LineCollator collator("ru_RU");
  const std::vector<std::string> words = {"ёж",     "Ель",    "ель",   "ёлка",  "елка",  "Ежевика", "жук",
                                          "Яблоко", "яблоко", "apple", "Apple", "Zebra", "banana",  "Юла",
                                          "эхо",    "Щука",   "шило",  "Ёлка",  "ЁЖ",    "ежик",    "ёжик"};
  EXPECT_THAT(
      LinesOf(Joined(SortLines(ViewText(words), collator)).text),
      ElementsAre("ЁЖ", "ёж", "Ежевика", "ежик", "ёжик", "елка", "Ёлка", "ёлка", "ель", "Ель", "жук", "шило",
                  "Щука", "эхо", "Юла", "Яблоко", "яблоко", "Apple", "apple", "banana", "Zebra"));
  const std::vector<std::string> marks = {"ab", "a-b", "a b", "a'b", "a.b", "a1", "10",
                                          "9",  "½",   "1",   "01",  "(a)", "«a»"};
  const std::vector<std::string> sorted = LinesOf(Joined(SortLines(ViewText(marks), collator)).text);
#ifdef _WIN32
  EXPECT_THAT(sorted,
              ElementsAre("(a)", "«a»", "01", "½", "1", "10", "9", "a'b", "a-b", "a b", "a.b", "a1", "ab"));
#else
  EXPECT_THAT(sorted,
              ElementsAre("«a»", "(a)", "01", "1", "½", "10", "9", "a b", "a-b", "a.b", "a'b", "a1", "ab"));
#endif
}

TEST(RandomGenerator, TheSequenceOfTheFormula) {
  RandomGenerator random(0);
  const std::uint32_t expectedSeeds[] = {1, 134775814, 3698175007U};
  const std::uint32_t expectedValues[] = {0, 0, 8};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(random.RandomInt(10), expectedValues[i]);
    EXPECT_EQ(random.Seed(), expectedSeeds[i]);
  }
  random.SetSeed(5);
  EXPECT_EQ(random.RandomInt(0), 0U);
  EXPECT_EQ(random.Seed(), 5U * 134775813U + 1U);  // the seed advances for 0 too
  // The largest range: the upper half of seed × n.
  random.SetSeed(0xFFFFFFFFU);
  const std::uint32_t next = 0xFFFFFFFFU * 134775813U + 1U;
  EXPECT_EQ(random.RandomInt(0xFFFFFFFFU),
            static_cast<std::uint32_t>((std::uint64_t{next} * 0xFFFFFFFFU) >> 32));

  EXPECT_EQ(ClockSeed(0, 0, 0, 0), 0U);
  EXPECT_EQ(ClockSeed(1, 2, 3, 4), ((1U * 60 + 2) * 60 + 3) * 1000 + 4);
  EXPECT_EQ(ClockSeed(23, 59, 59, 999), 86399999U);
  random.RandomizeFromClock();
  EXPECT_LT(random.Seed(), 86400000U);
}

TEST(ShuffleLines, SameSwapsAsTheDefinition) {
  std::mt19937 rng(29);
  for (int round = 0; round < 500; ++round) {
    const text::Lines lines = text::SplitLines(RawText(rng, RandomLines(rng, 60, 3)));
    const std::uint32_t seed = static_cast<std::uint32_t>(rng());
    for (const bool derived : {false, true}) {
      RandomGenerator random(seed);
      const CommandResult r =
          Joined(ShuffleLines(U8(text::JoinLines(lines)), random, derived ? View::kHtml : View::kInput));
      std::uint32_t finalSeed = 0;
      EXPECT_EQ(r.text, U8(text::JoinLines(LiteralShuffle(lines, seed, derived, &finalSeed))));
      EXPECT_EQ(random.Seed(), finalSeed);
      EXPECT_EQ(r.caption, "Мешаем: 100%");
    }
  }
}

TEST(ShuffleLines, StepsAndCaptions) {
  // Two lines on a derived view: one swap step at position 0 (two draws); one line: none.
  RandomGenerator two(0);
  Joined(ShuffleLines(ViewText({"a", "b"}), two, View::kFormatted));
  RandomGenerator expected(0);
  expected.RandomInt(2);
  expected.RandomInt(3);
  EXPECT_EQ(two.Seed(), expected.Seed());
  RandomGenerator one(0);
  EXPECT_EQ(Joined(ShuffleLines(ViewText({"a"}), one, View::kHtml)).text, "a\r\n");
  EXPECT_EQ(one.Seed(), 0U);
  // The input view: every position draws once.
  RandomGenerator input(0);
  Joined(ShuffleLines(ViewText({"a", "b", "c"}), input, View::kInput));
  EXPECT_EQ(input.Seed(), 3698175007U);

  CaptionLog log;
  RandomGenerator random(1);
  Joined(ShuffleLines(ViewText(std::vector<std::string>(21, "x")), random, View::kInput, log.Callback()));
  EXPECT_THAT(log.captions, ElementsAre("Мешаем: 0%", "Мешаем: 50%", "Мешаем: 100%"));
}

}  // namespace
}  // namespace skorlin::lines::testing
