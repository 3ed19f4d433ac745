// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_chunks.h"

#include <future>
#include <thread>

namespace skorlin::text {
namespace {

// The first line of the second run: the first place, where half of the bytes lie before or
// later, that mayCut allows; lines.size() when there is none.
std::size_t Middle(const std::vector<std::string_view>& lines, std::size_t bytes, const LineCut& mayCut) {
  std::size_t before = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (before >= bytes / 2 && (!mayCut || mayCut(i))) return i;
    before += lines[i].size() + 1;
  }
  return lines.size();
}

}  // namespace

std::string WorkOnLines(const std::vector<std::string_view>& lines, const LineRunWork& work,
                        const LineCut& mayCut) {
  std::size_t bytes = 0;
  for (const std::string_view line : lines) bytes += line.size() + 1;
  std::string out;
  if (bytes < kParallelBytes || std::thread::hardware_concurrency() < 2) {
    work(0, lines.size(), out);
    return out;
  }
  const std::size_t middle = Middle(lines, bytes, mayCut);
  std::string second;
  // The future waits for the second run however the first one ends, and hands on what the
  // second one threw.
  std::future<void> secondRun = std::async(std::launch::async, [&] { work(middle, lines.size(), second); });
  work(0, middle, out);
  secondRun.get();
  out += second;
  return out;
}

}  // namespace skorlin::text
