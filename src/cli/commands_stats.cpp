// SPDX-License-Identifier: GPL-3.0-or-later
// stats: the seven texts of the statistics panel after a change (or, with --json, the
// counts and both prices as numbers), for the input as a view holds it.
#include <memory>
#include <string>

#include "cli/command.h"
#include "stats/labels.h"
#include "stats/price.h"
#include "stats/rate.h"
#include "stats/text_stats.h"
#include "text/encoding.h"
#include "text/utf8.h"

namespace skorlin::cli {
namespace {

text::Text Ascii(const std::string& s) { return text::Text(s.begin(), s.end()); }

text::Text StatsJson(const stats::TextStats& s, const stats::Prices& prices) {
  const auto field = [](const char* name, std::int32_t value) {
    return U"\"" + Ascii(name) + U"\": " + Ascii(std::to_string(value)) + U", ";
  };
  text::Text json = U"{";
  json += field("LineCount", s.LineCount);
  json += field("AllLineCount", s.AllLineCount);
  json += field("WordCount", s.WordCount);
  json += field("LetterCount", s.LetterCount);
  json += field("CharCount", s.CharCount);
  json += field("SpacedCount", s.SpacedCount);
  json += field("SpacedAllCount", s.SpacedAllCount);
  // JSON numbers take the decimal point, whatever the locale says.
  json += U"\"CharPrice\": " + stats::FormatPrice(prices.ofChars, U".") + U", ";
  json += U"\"SpacedPrice\": " + stats::FormatPrice(prices.ofSpaced, U".") + U"}\r\n";
  return json;
}

// The counts of the input, read in pieces with its line breaks as a view holds them.
class StatsConsumer : public PieceConsumer {
 public:
  explicit StatsConsumer(const Invocation& invocation)
      : rate_(text::DecodeAuto(invocation.Option("--rate", stats::kDefaultRateText)).text),
        separator_(text::DecodeAuto(invocation.decimalSeparator).text),
        json_(invocation.HasOption("--json")) {}

  void Add(std::string_view utf8) override { counter_.Add(utf8); }

  text::CommandResult Finish() override {
    const stats::TextStats counts = counter_.Finish();
    text::Text out;
    if (json_) {
      out = StatsJson(counts, stats::PricesOf(counts, stats::ParseRate(rate_, separator_)));
    } else {
      const stats::PanelLabels labels = stats::ChangeLabels(counts, rate_, separator_);
      for (const text::Text* label :
           {&labels.counts.lbStr, &labels.counts.lbSl, &labels.counts.lbBukv, &labels.counts.lbZn,
            &labels.counts.lbFull, &labels.lbCena, &labels.lbCena2}) {
        out += *label + U"\r\n";
      }
    }
    text::CommandResult result;
    text::AppendUtf8(result.text, out);
    return result;
  }

 private:
  text::Text rate_;
  text::Text separator_;
  bool json_;
  stats::TextStatsCounter counter_{stats::TextStatsCounter::Breaks::kAsViewHolds};
};

const bool kRegistered = RegisterCommand({
    .order = 40,
    .name = "stats",
    .synopsis = "[--rate TEXT] [--json]",
    .summary = "the seven counts and two prices of the statistics panel",
    .options =
        {
            {.name = "--rate",
             .valueName = "TEXT",
             .help = std::string("the price per 1000 characters, as typed into the rate field (default \"") +
                     stats::kDefaultRateText + "\")",
             .takes = "a number such as 0,8 or 1.5",
             .accepts =
                 [](const std::string& value, const Invocation& invocation) {
                   return stats::ReadRate(text::DecodeAuto(value).text,
                                          text::DecodeAuto(invocation.decimalSeparator).text)
                       .has_value();
                 }},
            {"--json", "", "the counts and both prices as one JSON object"},
        },
    .consume = [](const Invocation& invocation) -> std::unique_ptr<PieceConsumer> {
      return std::make_unique<StatsConsumer>(invocation);
    },
    .readsPastNul = true,
});

}  // namespace
}  // namespace skorlin::cli
