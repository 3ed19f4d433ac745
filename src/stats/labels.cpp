// SPDX-License-Identifier: GPL-3.0-or-later
// Label texts of the statistics panel, in the panel's order.
#include "stats/labels.h"

#include <string>

#include "stats/format_kilo.h"

namespace skorlin::stats {
namespace {

text::Text Number(std::int64_t n) {
  const std::string digits = std::to_string(n);
  return text::Text(digits.begin(), digits.end());
}

// "caption" and the count, then " (other)" when the other count differs.
text::Text WithOther(text::TextView caption, std::int32_t count, std::int32_t other) {
  text::Text label(caption);
  label += Number(count);
  if (other != count) label += U" (" + Number(other) + U")";
  return label;
}

// The labels both writers share; lbZn and lbFull are filled in by each.
CountLabels CommonLabels(const TextStats& stats) {
  CountLabels labels;
  labels.lbStr = WithOther(U"Строк: ", stats.LineCount, stats.AllLineCount);
  labels.lbSl = U"Слов: " + Number(stats.WordCount);
  labels.lbBukv = U"Букв: " + Number(stats.LetterCount);
  labels.lbZn = U"Знаков: " + Number(stats.CharCount);
  return labels;
}

}  // namespace

Prices PricesOf(const TextStats& stats, const Rate& rate) {
  return {PriceOf(stats.CharCount, rate), PriceOf(stats.SpacedCount, rate)};
}

PanelLabels ChangeLabels(const TextStats& stats, text::TextView rateText, text::TextView decimalSeparator) {
  PanelLabels labels;
  labels.counts = CommonLabels(stats);
  if (stats.CharCount > 1000) {
    labels.counts.lbZn += U" (" + FormatKilo(stats.CharCount, decimalSeparator) + U" k)";
  }
  labels.counts.lbFull = WithOther(U"С пробелами: ", stats.SpacedCount, stats.SpacedAllCount);
  const Prices prices = PricesOf(stats, ParseRate(rateText, decimalSeparator));
  labels.lbCena = U"Цена: " + FormatPrice(prices.ofChars, decimalSeparator);
  labels.lbCena2 = U"Цена: " + FormatPrice(prices.ofSpaced, decimalSeparator);
  return labels;
}

CountLabels RebuildLabels(const TextStats& stats) {
  CountLabels labels = CommonLabels(stats);
  labels.lbFull = WithOther(U"Знаков и пробелов: ", stats.SpacedCount, stats.SpacedAllCount);
  return labels;
}

}  // namespace skorlin::stats
