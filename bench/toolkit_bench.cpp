// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's searches and replacements on a large text.
#include <benchmark/benchmark.h>

#include <random>

#include "text/toolkit.h"

namespace {

using namespace skorlin::text;

Text LargeText(std::size_t size) {
  const Text words[] = {U"договор", U"между", U"ООО", U"«Ромашка»", U"и", U"ИП", U"Иванов", U"—", U"№", U"5",
                        U"г.", U"Ёлка", U"test", U"  ", U"\t"};
  std::mt19937 random(1);
  Text text;
  while (text.size() < size) {
    text += words[random() % std::size(words)];
    text += random() % 12 == 0 ? U"\r\n" : U" ";
  }
  return text;
}

const Text& Sample() {
  static const Text text = LargeText(8 << 20);
  return text;
}

void BM_FindStrMissing(benchmark::State& state) {
  const Text& s = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(FindStr(U"Петров", s, 1));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
}
BENCHMARK(BM_FindStrMissing);

void BM_FindStrNoCaseMissing(benchmark::State& state) {
  const Text& s = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(FindStrNoCase(U"петров", s, 1));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
}
BENCHMARK(BM_FindStrNoCaseMissing);

void BM_ReplaceAllSpaces(benchmark::State& state) {
  const Text& s = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceAll(s, U"  ", U" "));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
}
BENCHMARK(BM_ReplaceAllSpaces);

void BM_ReplaceAllNoCase(benchmark::State& state) {
  const Text& s = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceAllNoCase(s, U"ёлка", U"ель"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.size()));
}
BENCHMARK(BM_ReplaceAllNoCase);

}  // namespace
