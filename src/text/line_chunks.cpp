// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_chunks.h"

#include <future>
#include <thread>

namespace skorlin::text {

std::size_t WorkInTwoRuns(std::size_t count, const std::function<std::size_t(std::size_t)>& sizeOf,
                          const LineCut& mayCut, const RunWork& work) {
  std::size_t total = 0;
  for (std::size_t i = 0; i < count; ++i) total += sizeOf(i) + 1;
  std::size_t middle = count;
  if (total >= kParallelBytes && std::thread::hardware_concurrency() >= 2) {
    // The first place, where half of the text lies before or later, that mayCut allows.
    std::size_t before = 0;
    for (std::size_t i = 0; i < count && middle == count; ++i) {
      if (before >= total / 2 && (!mayCut || mayCut(i))) middle = i;
      before += sizeOf(i) + 1;
    }
  }
  if (middle == count) {
    work(0, count, 0);
    return 1;
  }
  // The future waits for the second run however the first one ends, and hands on what the
  // second one threw.
  std::future<void> secondRun = std::async(std::launch::async, [&] { work(middle, count, 1); });
  work(0, middle, 0);
  secondRun.get();
  return 2;
}

std::string WorkOnLines(const std::vector<std::string_view>& lines, const LineRunWork& work,
                        const LineCut& mayCut) {
  std::string outs[2];
  const std::size_t runs = WorkInTwoRuns(
      lines.size(), [&lines](std::size_t i) { return lines[i].size(); }, mayCut,
      [&](std::size_t first, std::size_t last, std::size_t run) { work(first, last, outs[run]); });
  if (runs == 2) outs[0] += outs[1];
  return std::move(outs[0]);
}

}  // namespace skorlin::text
