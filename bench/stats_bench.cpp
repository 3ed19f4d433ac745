// SPDX-License-Identifier: GPL-3.0-or-later
// Counting the statistics of a large text, the work done on every change of a view.
// SKORLIN_BENCH_TEXT=FILE counts that file (read and decoded as skorlin-cli reads it);
// otherwise a generated Russian text of 30 MB in UTF-8 is counted.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

#include "stats/text_stats.h"
#include "text/encoding.h"
#include "text/text_file.h"

namespace {

using namespace skorlin;

// Words, punctuation, double spaces, tabs and empty lines, until utf8Size bytes in UTF-8.
text::Text GeneratedText(std::size_t utf8Size) {
  const text::Text words[] = {U"договор", U"между", U"ООО",   U"«Ромашка»", U"и",    U"ИП",   U"Иванов",
                              U"—",       U"№",     U"5",     U"г.",        U"Ёлка", U"test", U"из-за",
                              U"30,5",    U"т.е.",  U"ёжик,", U"(см.",      U"ниже)"};
  std::mt19937 random(1);
  text::Text text;
  std::size_t bytes = 0;
  while (bytes < utf8Size) {
    const text::Text& word = words[random() % std::size(words)];
    text += word;
    for (const text::Char c : word) bytes += c < 0x80 ? 1 : 2;
    const unsigned gap = random() % 40;
    const text::TextView separator = gap == 0   ? U"\r\n\r\n"
                                     : gap < 4  ? U"\r\n"
                                     : gap == 4 ? U"  "
                                     : gap == 5 ? U"\t"
                                                : U" ";
    text += separator;
    bytes += separator.size();
  }
  return text;
}

std::string InputBytes() {
  if (const char* file = std::getenv("SKORLIN_BENCH_TEXT")) return text::ReadFileBytes(file);
  return text::EncodeUtf8(GeneratedText(30u << 20));
}

const std::string& Bytes() {
  static const std::string bytes = InputBytes();
  return bytes;
}

// The text as a view hands it over: UTF-8.
const std::string& Sample() {
  static const std::string sample = text::DecodeToUtf8(Bytes(), text::DetectEncoding(Bytes()));
  return sample;
}

// The count alone, on the text a view holds.
void BM_CountTextStats(benchmark::State& state) {
  const std::string& t = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(stats::CountTextStats(t));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bytes().size()));
}
BENCHMARK(BM_CountTextStats)->Unit(benchmark::kMillisecond);

// What skorlin-cli stats does with the bytes: the count in blocks of 1 MB, every line
// break as a view holds it.
void BM_CountInBlocks(benchmark::State& state) {
  const std::string& t = Sample();
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  for (auto _ : state) {
    stats::TextStatsCounter counter(stats::TextStatsCounter::Breaks::kAsViewHolds);
    for (std::size_t at = 0; at < t.size(); at += kBlock) counter.Add(std::string_view(t).substr(at, kBlock));
    benchmark::DoNotOptimize(counter.Finish());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * t.size()));
}
BENCHMARK(BM_CountInBlocks)->Unit(benchmark::kMillisecond);

}  // namespace
