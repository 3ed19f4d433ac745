// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's label texts after a change and after a rebuild, and the view's line breaks.
#include "stats/labels.h"

#include <gtest/gtest.h>

#include "stats/text_stats.h"

namespace skorlin::stats {
namespace {

struct LabelCase {
  text::Text text;
  const char32_t* rate;
  std::vector<text::Text> change;   // lbStr, lbSl, lbBukv, lbZn, lbFull, lbCena, lbCena2
  std::vector<text::Text> rebuild;  // lbStr, lbSl, lbBukv, lbZn, lbFull
};

std::vector<text::Text> Seven(const PanelLabels& l) {
  return {l.counts.lbStr,  l.counts.lbSl, l.counts.lbBukv, l.counts.lbZn,
          l.counts.lbFull, l.lbCena,      l.lbCena2};
}
std::vector<text::Text> Five(const CountLabels& l) { return {l.lbStr, l.lbSl, l.lbBukv, l.lbZn, l.lbFull}; }

TEST(Labels, AfterAChangeAndAfterARebuild) {
  const LabelCase cases[] = {
      {U"",
       U"0,8",
       {U"Строк: 1", U"Слов: 0", U"Букв: 0", U"Знаков: 0", U"С пробелами: 0", U"Цена: 0", U"Цена: 0"},
       {U"Строк: 1", U"Слов: 0", U"Букв: 0", U"Знаков: 0", U"Знаков и пробелов: 0"}},
      {U"a\r\n\r\n\r\nb",
       U"0,8",
       {U"Строк: 2 (4)", U"Слов: 2", U"Букв: 2", U"Знаков: 2", U"С пробелами: 2", U"Цена: 0", U"Цена: 0"},
       {U"Строк: 2 (4)", U"Слов: 2", U"Букв: 2", U"Знаков: 2", U"Знаков и пробелов: 2"}},
      {U"a  b\r\n",
       U"50",
       {U"Строк: 1 (2)", U"Слов: 2", U"Букв: 2", U"Знаков: 2", U"С пробелами: 3 (4)", U"Цена: 0,1",
        U"Цена: 0,15"},
       {U"Строк: 1 (2)", U"Слов: 2", U"Букв: 2", U"Знаков: 2", U"Знаков и пробелов: 3 (4)"}},
      {text::Text(1000, U'ж'),
       U"0,8",
       {U"Строк: 1", U"Слов: 1", U"Букв: 1000", U"Знаков: 1000", U"С пробелами: 1000", U"Цена: 0,8",
        U"Цена: 0,8"},
       {U"Строк: 1", U"Слов: 1", U"Букв: 1000", U"Знаков: 1000", U"Знаков и пробелов: 1000"}},
      {text::Text(1001, U'1'),
       U"0.8",
       {U"Строк: 1", U"Слов: 1", U"Букв: 0", U"Знаков: 1001 (1 k)", U"С пробелами: 1001", U"Цена: 0,8",
        U"Цена: 0,8"},
       {U"Строк: 1", U"Слов: 1", U"Букв: 0", U"Знаков: 1001", U"Знаков и пробелов: 1001"}},
      {text::Text(1350, U'x') + U"  " + text::Text(650, U'x'),
       U"0,7",
       {U"Строк: 1", U"Слов: 2", U"Букв: 2000", U"Знаков: 2000 (2 k)", U"С пробелами: 2001 (2002)",
        U"Цена: 1,4", U"Цена: 1,4"},
       {U"Строк: 1", U"Слов: 2", U"Букв: 2000", U"Знаков: 2000", U"Знаков и пробелов: 2001 (2002)"}},
      {text::Text(1250, U'x'),
       U"не число",
       {U"Строк: 1", U"Слов: 1", U"Букв: 1250", U"Знаков: 1250 (1,2 k)", U"С пробелами: 1250", U"Цена: 0",
        U"Цена: 0"},
       {U"Строк: 1", U"Слов: 1", U"Букв: 1250", U"Знаков: 1250", U"Знаков и пробелов: 1250"}},
  };
  for (const LabelCase& c : cases) {
    const TextStats stats = CountTextStats(text::ToUtf8(c.text));
    EXPECT_EQ(Seven(ChangeLabels(stats, c.rate, U",")), c.change) << text::ToUtf8(c.text.substr(0, 20));
    EXPECT_EQ(Five(RebuildLabels(stats)), c.rebuild) << text::ToUtf8(c.text.substr(0, 20));
  }
}

TEST(Labels, PricesAndKiloUseTheGivenSeparator) {
  const PanelLabels labels = ChangeLabels(CountTextStats(std::string(1350, 'x')), U"0,7", U".");
  EXPECT_EQ(labels.counts.lbZn, U"Знаков: 1350 (1.4 k)");
  EXPECT_EQ(labels.lbCena, U"Цена: 0.94");
}

// Counting the breaks as a view holds them: every break counts as the CR LF in its place.
TEST(TextStatsCounter, EveryBreakCountsAsCrLfAsAViewHoldsIt) {
  const struct {
    text::Text in;
    text::Text out;
  } cases[] = {
      {U"", U""},
      {U"a", U"a"},
      {U"a\nb", U"a\r\nb"},
      {U"a\rb", U"a\r\nb"},
      {U"a\r\nb\r\n", U"a\r\nb\r\n"},
      {U"a\n\rb", U"a\r\n\r\nb"},
      {U"\r\r\n\n", U"\r\n\r\n\r\n"},
      {U"a\n", U"a\r\n"},
  };
  for (const auto& c : cases) {
    TextStatsCounter counter(TextStatsCounter::Breaks::kAsViewHolds);
    counter.Add(text::ToUtf8(c.in));
    EXPECT_EQ(counter.Finish(), CountTextStats(text::ToUtf8(c.out))) << text::ToUtf8(c.in);
  }
}

}  // namespace
}  // namespace skorlin::stats
