// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the formatted view over a generated messy Russian text of several megabytes:
// quotes, dashes, numero signs, years, initials, abbreviations, URLs, tabs.
#include <benchmark/benchmark.h>

#include "format/formatted_view.h"
#include "format/normalize_line.h"
#include "messy_text.h"
#include "text/line_list.h"
#include "text/text.h"
#include "text/unified_diff.h"

namespace {

using skorlin::text::Text;

using skorlin::bench::Sample;
using skorlin::bench::Utf8Size;

// Bytes processed: the size of the text as a UTF-8 file; the counter "chars/s" is the size
// as a Windows-1251 file (one byte a character).
void BM_FormattedView(benchmark::State& state) {
  const Text& text = Sample();
  static const std::size_t utf8Size = Utf8Size(text);
  for (auto _ : state) {
    Text view = skorlin::format::FormattedView(text);
    benchmark::DoNotOptimize(view.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * utf8Size));
  state.counters["chars/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * text.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FormattedView)->Unit(benchmark::kMillisecond);

// The normalizer alone, on the lines already split.
void BM_NormalizeLines(benchmark::State& state) {
  const skorlin::text::Lines lines = skorlin::text::SplitLines(Sample());
  std::size_t utf8Size = 0;
  for (const Text& line : lines) utf8Size += Utf8Size(line);
  for (auto _ : state) {
    for (const Text& line : lines) {
      Text normalized = skorlin::format::NormalizeLine(line);
      benchmark::DoNotOptimize(normalized.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * utf8Size));
}
BENCHMARK(BM_NormalizeLines)->Unit(benchmark::kMillisecond);

// The diff of the text against its formatted view (format --diff), the view made once.
void BM_FormattedViewDiff(benchmark::State& state) {
  const std::string before = skorlin::text::ToUtf8(Sample());
  const std::string after = skorlin::text::ToUtf8(skorlin::format::FormattedView(Sample()));
  for (auto _ : state) {
    std::string diff = skorlin::text::UnifiedDiff(before, after, "a", "a");
    benchmark::DoNotOptimize(diff.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * before.size()));
}
BENCHMARK(BM_FormattedViewDiff)->Unit(benchmark::kMillisecond);

}  // namespace
