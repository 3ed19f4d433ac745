// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the statistics panel's labels.
#pragma once

#include "stats/price.h"
#include "stats/text_stats.h"
#include "text/text.h"

namespace skorlin::stats {

// The five count labels, by the names of the panel's labels.
struct CountLabels {
  text::Text lbStr;   // lines
  text::Text lbSl;    // words
  text::Text lbBukv;  // letters
  text::Text lbZn;    // characters
  text::Text lbFull;  // characters and spaces

  bool operator==(const CountLabels&) const = default;
};

// The seven labels a change of a view (or of the rate) writes.
struct PanelLabels {
  CountLabels counts;
  text::Text lbCena;   // the price of the characters
  text::Text lbCena2;  // the price of the characters with spaces

  bool operator==(const PanelLabels&) const = default;
};

// The two prices of a text's counts at a rate.
struct Prices {
  Price ofChars;   // of CharCount
  Price ofSpaced;  // of SpacedCount
};

Prices PricesOf(const TextStats& stats, const Rate& rate);

// The labels after a change: the character count gets its size in thousands when above
// 1000 ("Знаков: 1001 (1 k)"), the last count label reads "С пробелами: ", and both prices
// are worked out from the rate text.
PanelLabels ChangeLabels(const TextStats& stats, text::TextView rateText, text::TextView decimalSeparator);

// The count labels a rebuild of a derived view writes: no size in thousands, the last
// label reads "Знаков и пробелов: ". Rebuilds leave the price labels alone.
CountLabels RebuildLabels(const TextStats& stats);

}  // namespace skorlin::stats
