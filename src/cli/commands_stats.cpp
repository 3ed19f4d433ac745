// stats: the seven texts of the statistics panel after a change (or, with --json, the
// counts and both prices as numbers), for the input as a view holds it.
#include <string>

#include "cli/command.h"
#include "stats/crlf_breaks.h"
#include "stats/labels.h"
#include "stats/price.h"
#include "stats/rate.h"
#include "stats/text_stats.h"
#include "text/encoding.h"

namespace skorlin::cli {
namespace {

// The rate field's text when the program is new.
constexpr const char* kDefaultRate = "0,8";

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

CommandResult RunStats(const Invocation& invocation) {
  const text::Text rate = text::DecodeAuto(invocation.Option("--rate", kDefaultRate)).text;
  const text::Text separator = text::DecodeAuto(invocation.decimalSeparator).text;
  const stats::TextStats counts = stats::CountTextStats(stats::WithCrLfBreaks(invocation.text));

  CommandResult result;
  if (invocation.HasOption("--json")) {
    result.output = StatsJson(counts, stats::PricesOf(counts, stats::ParseRate(rate, separator)));
    return result;
  }
  const stats::PanelLabels labels = stats::ChangeLabels(counts, rate, separator);
  text::Text out;
  for (const text::Text* label :
       {&labels.counts.lbStr, &labels.counts.lbSl, &labels.counts.lbBukv, &labels.counts.lbZn,
        &labels.counts.lbFull, &labels.lbCena, &labels.lbCena2}) {
    out += *label + U"\r\n";
  }
  result.output = std::move(out);
  return result;
}

const bool kRegistered = RegisterCommand({
    40,
    "stats",
    "[--rate TEXT] [--json]",
    "the seven counts and two prices of the statistics panel",
    {
        {"--rate", "TEXT", "the price per 1000 characters, as typed into the rate field (default \"0,8\")"},
        {"--json", "", "the counts and both prices as one JSON object"},
    },
    0,
    RunStats,
    true,
});

}  // namespace
}  // namespace skorlin::cli
