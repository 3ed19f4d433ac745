// SPDX-License-Identifier: GPL-3.0-or-later
// The URL commands on a list of 1,000,000 addresses (about 50 MB of text).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "text/line_list.h"
#include "text/text.h"
#include "urls/cut_urls.h"
#include "urls/http_prefix.h"
#include "urls/insert_links.h"
#include "urls/keep_urls.h"

namespace {

using namespace skorlin;
using text::Text;

// One address per line, with and without the scheme, with paths of varied depth.
Text UrlList(std::size_t lines) {
  const Text hosts[] = {U"example.com", U"www.site.ru", U"files.host.net", U"пример.рф"};
  const Text dirs[] = {U"/news", U"/docs/2024", U"/a/b/c", U"", U"/img"};
  const Text files[] = {U"/index.html", U"/page.php?id=15&x=2", U"/", U"", U"/photo.jpg"};
  std::mt19937 random(1);
  Text list;
  for (std::size_t i = 0; i < lines; ++i) {
    if (random() % 4 != 0) list += (random() % 8 == 0) ? U"HTTP://" : U"http://";
    list += hosts[random() % std::size(hosts)];
    list += dirs[random() % std::size(dirs)];
    list += files[random() % std::size(files)];
    list += U"\r\n";
  }
  return list;
}

// The list as a view hands it to the commands: UTF-8.
const std::string& Sample() {
  static const std::string list = text::ToUtf8(UrlList(1'000'000));
  return list;
}

template <text::CommandResult (*Command)(std::string_view)>
void BM_Command(benchmark::State& state) {
  const std::string& list = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(Command(list));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 1'000'000);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}
BENCHMARK(BM_Command<urls::KeepDomain>)->Name("KeepDomain/1M lines")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Command<urls::KeepUrls>)->Name("KeepUrls/1M lines")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Command<urls::KeepDomainWithFolder>)
    ->Name("KeepDomainWithFolder/1M lines")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Command<urls::KeepFileName>)->Name("KeepFileName/1M lines")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Command<urls::AddHttp>)->Name("AddHttp/1M lines")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Command<urls::RemoveHttp>)->Name("RemoveHttp/1M lines")->Unit(benchmark::kMillisecond);

void BM_InsertUrls(benchmark::State& state) {
  const std::string& list = Sample();
  const std::string clipboard = "http://a.ru\r\nhttp://b.ru\r\nhttp://c.ru\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(urls::InsertUrls(list, clipboard));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 1'000'000);
}
BENCHMARK(BM_InsertUrls)->Name("InsertUrls/1M lines")->Unit(benchmark::kMillisecond);

// The share of every line command spent on splitting the view into lines and joining them.
void BM_SplitAndJoinOnly(benchmark::State& state) {
  const std::string& list = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(text::WholeText(list));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 1'000'000);
}
BENCHMARK(BM_SplitAndJoinOnly)->Name("SplitAndJoinOnly/1M lines")->Unit(benchmark::kMillisecond);

}  // namespace
