// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the line commands on a generated keyword list of a million lines: about 30% of
// the lines repeat earlier ones, Cyrillic and Latin words mixed.
#include <benchmark/benchmark.h>

#include <random>

#include "lines/duplicates.h"
#include "lines/ordering.h"
#include "lines/paragraphs.h"
#include "lines/whitespace.h"
#include "text/line_list.h"
#include "text/text.h"

namespace {

using skorlin::text::Text;
namespace lines = skorlin::lines;

Text MakeKeywordList(std::size_t count) {
  std::mt19937 rng(20261208);
  const std::u32string cyrillic = U"абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
  const std::u32string latin = U"abcdefghijklmnopqrstuvwxyz";
  std::vector<Text> vocabulary;
  for (int i = 0; i < 60000; ++i) {
    const std::u32string& letters = rng() % 10 < 7 ? cyrillic : latin;
    Text word;
    for (std::size_t n = 3 + rng() % 9; n > 0; --n) word += letters[rng() % letters.size()];
    if (rng() % 10 == 0) word[0] = skorlin::text::UpperChar(word[0]);
    vocabulary.push_back(word);
  }
  std::vector<std::pair<std::size_t, std::size_t>> written;  // where each new line starts
  Text list;
  for (std::size_t i = 0; i < count; ++i) {
    if (!written.empty() && rng() % 10 < 3) {
      const auto [start, length] = written[rng() % written.size()];
      list.append(list, start, length);
    } else {
      const std::size_t start = list.size();
      for (std::size_t w = 2 + rng() % 5; w > 0; --w) {
        list += vocabulary[rng() % vocabulary.size()];
        if (w > 1) list += U' ';
      }
      written.emplace_back(start, list.size() - start);
    }
    list += U"\r\n";
  }
  return list;
}

// The list as a view hands it to the commands: UTF-8.
const std::string& KeywordList() {
  static const std::string list = skorlin::text::ToUtf8(MakeKeywordList(1'000'000));
  return list;
}

void BM_SplitAndJoin(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(skorlin::text::WholeText(KeywordList()));
}
void BM_Trim(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lines::TrimLineBlanks(KeywordList()));
}
void BM_CollapseSpaces(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lines::DeleteDoubleSpaces(KeywordList()));
}
void BM_Dedupe(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lines::DeleteDuplicateLines(KeywordList()));
}
void BM_DeleteRepeated(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lines::DeleteAllDuplicateLines(KeywordList()));
}
void BM_DeleteUnique(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lines::DeleteUniqueLines(KeywordList(), lines::View::kInput));
}
void BM_Sort(benchmark::State& state) {
  const lines::LineCollator collator("ru_RU");
  for (auto _ : state) benchmark::DoNotOptimize(lines::SortLines(KeywordList(), collator));
}
void BM_SortMirror(benchmark::State& state) {
  const lines::LineCollator collator("ru_RU");
  for (auto _ : state) benchmark::DoNotOptimize(lines::MirrorSortLines(KeywordList(), collator));
}
void BM_SortByLength(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lines::SortLinesByLength(KeywordList()));
}
void BM_Shuffle(benchmark::State& state) {
  lines::RandomGenerator random(1);
  for (auto _ : state)
    benchmark::DoNotOptimize(lines::ShuffleLines(KeywordList(), random, lines::View::kInput));
}
void BM_Invert(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lines::InvertLines(KeywordList()));
}
void BM_SplitParagraphs(benchmark::State& state) {
  // Long lines: the keyword list joined into lines of about 4,000 characters with periods.
  static const std::string text = [] {
    std::string t = KeywordList();
    std::size_t n = 0;
    for (auto& c : t) {
      if (c == '\r') c = '.';
      if (c == '\n') c = ++n % 100 == 0 ? '\n' : ' ';
    }
    return t;
  }();
  lines::RandomGenerator random(1);
  for (auto _ : state) benchmark::DoNotOptimize(lines::SplitParagraphs(text, 250, 400, random));
}

BENCHMARK(BM_SplitAndJoin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Trim)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CollapseSpaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dedupe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteRepeated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteUnique)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortMirror)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByLength)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shuffle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Invert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitParagraphs)->Unit(benchmark::kMillisecond);

}  // namespace
