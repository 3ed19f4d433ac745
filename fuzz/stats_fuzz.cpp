// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics panel on any text and any rate: the one-pass counters against the
// step-by-step definition, the price of every count at the typed rate, the labels.
// Byte 0: the decimal separator and how the text is read; then the rate text (length
// byte first); then a figure for the size in thousands; the rest is the text.
#include <climits>
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "stats/format_kilo.h"
#include "stats/labels.h"
#include "stats/literal_stats.h"
#include "stats/price.h"
#include "stats/rate.h"
#include "stats/text_stats.h"
#include "text/utf8.h"

namespace {

using skorlin::text::Text;
using skorlin::text::TextView;

// A price or figure for the user: an optional minus, digits, at most one separator
// with digits on both sides.
bool IsFigure(TextView s, TextView separator) {
  if (!s.empty() && s[0] == U'-') s.remove_prefix(1);
  const std::size_t at = separator.empty() ? TextView::npos : s.find(separator);
  TextView whole = s.substr(0, at);
  TextView decimals = at == TextView::npos ? TextView() : s.substr(at + separator.size());
  const auto digits = [](TextView d) {
    if (d.empty()) return false;
    for (const char32_t c : d)
      if (c < U'0' || c > U'9') return false;
    return true;
  };
  return digits(whole) && (at == TextView::npos || (digits(decimals) && decimals.back() != U'0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skorlin;
  fuzzing::FuzzInput in(data, size);
  const std::uint8_t mode = in.Byte();
  static const TextView kSeparators[] = {U",", U".", U"", U" ", U"\u00a0", U",,", U"·"};
  const TextView separator = kSeparators[mode % std::size(kSeparators)];
  const Text rateText = fuzzing::BytesAsText(in.Piece(64));
  const auto kilo = static_cast<std::int32_t>(in.Uint32());
  const std::string utf8 = fuzzing::Utf8Of(in.Rest(), (mode & 0x80) != 0);
  const Text text = text::DecodeUtf8(utf8);

  const stats::TextStats counts = stats::CountTextStats(utf8);
  if (text.size() < 4096) FUZZ_CHECK(counts == stats::testing::LiteralCountTextStats(text));
  FUZZ_CHECK(counts.LineCount >= 1 && counts.LineCount <= counts.AllLineCount);
  FUZZ_CHECK(counts.LetterCount <= counts.CharCount && counts.CharCount <= counts.SpacedCount);
  FUZZ_CHECK(counts.SpacedCount <= counts.SpacedAllCount);
  FUZZ_CHECK(static_cast<std::size_t>(counts.SpacedAllCount) <= text.size());
  FUZZ_CHECK(counts.WordCount >= 0 && static_cast<std::size_t>(counts.WordCount) <= text.size());
  // The same text in pieces cut at every fifth byte (inside characters, between CR and LF).
  stats::TextStatsCounter pieces;
  for (std::size_t at = 0; at < utf8.size(); at += 5) pieces.Add(std::string_view(utf8).substr(at, 5));
  FUZZ_CHECK(pieces.Finish() == counts);

  const std::optional<stats::Rate> rate = stats::ReadRate(rateText, separator);
  const stats::Rate parsed = stats::ParseRate(rateText, separator);
  FUZZ_CHECK(rate ? parsed == *rate : parsed == stats::Rate());
  for (const std::int32_t count : {counts.CharCount, counts.SpacedCount, 0, 1, INT32_MAX, kilo}) {
    const stats::Price price = stats::PriceOf(count, parsed);
    FUZZ_CHECK(!price.hundredths.empty() && (price.hundredths == "0" || price.hundredths[0] != '0'));
    // Nothing costs nothing at any rate, and zero is written without a sign.
    if (count == 0 || parsed.digits.empty()) FUZZ_CHECK(price.hundredths == "0");
    if (!separator.empty()) {
      const Text shown = stats::FormatPrice(price, separator);
      FUZZ_CHECK(IsFigure(shown, separator) && shown != U"-0");
    }
  }
  if (separator == U",") {
    const Text figure = stats::FormatKilo(kilo, separator);
    FUZZ_CHECK(IsFigure(figure, separator));
  }

  const stats::PanelLabels labels = stats::ChangeLabels(counts, rateText, separator);
  FUZZ_CHECK(!labels.counts.lbStr.empty() && !labels.lbCena.empty() && !labels.lbCena2.empty());
  const stats::CountLabels rebuilt = stats::RebuildLabels(counts);
  FUZZ_CHECK(rebuilt.lbStr == labels.counts.lbStr && rebuilt.lbSl == labels.counts.lbSl);
  return 0;
}
