// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the HTML view over a generated messy Russian text of several megabytes (the
// same text as the formatted-view benchmark), and of the line converter alone.
#include <benchmark/benchmark.h>

#include "format/normalize_line.h"
#include "html/convert_line.h"
#include "html/html_view.h"
#include "messy_text.h"
#include "text/line_list.h"
#include "text/text.h"

namespace {

using skorlin::text::Text;

using skorlin::bench::Sample;
using skorlin::bench::Utf8Size;

// Bytes processed: the size of the text as a UTF-8 file; the counter "chars/s" is the size
// as a Windows-1251 file (one byte a character).
void BM_HtmlView(benchmark::State& state) {
  const Text& text = Sample();
  static const std::size_t utf8Size = Utf8Size(text);
  const skorlin::html::HtmlViewOptions options;
  for (auto _ : state) {
    Text view = skorlin::html::HtmlView(text, options);
    benchmark::DoNotOptimize(view.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * utf8Size));
  state.counters["chars/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * text.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HtmlView)->Unit(benchmark::kMillisecond);

// The converter alone (with its own normalization), on lines normalized once already, as
// the HTML view hands them on.
void BM_ConvertLineToHtml(benchmark::State& state) {
  skorlin::text::Lines lines = skorlin::text::SplitLines(Sample());
  std::size_t utf8Size = 0;
  for (Text& line : lines) {
    line = skorlin::format::NormalizeLine(line);
    utf8Size += Utf8Size(line);
  }
  for (auto _ : state) {
    for (const Text& line : lines) {
      Text html = skorlin::html::ConvertLineToHtml(line, 2, true, true);
      benchmark::DoNotOptimize(html.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * utf8Size));
}
BENCHMARK(BM_ConvertLineToHtml)->Unit(benchmark::kMillisecond);

}  // namespace
