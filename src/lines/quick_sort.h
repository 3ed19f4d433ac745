// SPDX-License-Identifier: GPL-3.0-or-later
// The quicksort every sort of the program uses. It is not stable, and the order in which
// it leaves equal items is part of a sort's result, so this exact scheme is kept: Hoare
// partitioning around the item standing at the middle index, the pivot's index followed
// through exchanges.
#pragma once

#include <cstddef>
#include <future>
#include <thread>
#include <utility>
#include <vector>

namespace skorlin::lines {

// One partition of the scheme over items lo to hi (lo < hi): the items before the returned
// first (up to it) and from the returned second on are then sorted apart.
template <typename List, typename Compare>
std::pair<std::ptrdiff_t, std::ptrdiff_t> PartitionLines(List& list, std::ptrdiff_t lo, std::ptrdiff_t hi,
                                                         Compare& compare) {
  std::ptrdiff_t i = lo;
  std::ptrdiff_t j = hi;
  std::ptrdiff_t p = lo + (hi - lo) / 2;
  do {
    while (compare(list[i], list[p]) < 0) ++i;
    while (compare(list[j], list[p]) > 0) --j;
    if (i <= j) {
      if (i != j) std::swap(list[i], list[j]);
      if (p == i) {
        p = j;
      } else if (p == j) {
        p = i;
      }
      ++i;
      --j;
    }
  } while (i <= j);
  return {j, i};
}

// Sorts items left to right (inclusive) of list (a std::vector or a std::span) in place;
// compare(a, b) is negative, 0 or positive and must be a consistent order. Ranges of fewer
// than two items stay as they are. The two parts of a partition are independent, so they
// are kept on an explicit stack rather than in recursion: no input, however unlucky, can
// exhaust the call stack.
template <typename List, typename Compare>
void QuickSortLines(List& list, std::ptrdiff_t left, std::ptrdiff_t right, Compare compare) {
  if (left < 0 || right >= static_cast<std::ptrdiff_t>(list.size())) return;
  std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> pending;
  if (left < right) pending.emplace_back(left, right);
  while (!pending.empty()) {
    const auto [lo, hi] = pending.back();
    pending.pop_back();
    const auto [j, i] = PartitionLines(list, lo, hi, compare);
    // The larger part waits on the stack, so the stack holds no more than log2(n) ranges.
    std::pair<std::ptrdiff_t, std::ptrdiff_t> first{lo, j};
    std::pair<std::ptrdiff_t, std::ptrdiff_t> second{i, hi};
    if (j - lo < hi - i) std::swap(first, second);
    if (first.first < first.second) pending.push_back(first);
    if (second.first < second.second) pending.push_back(second);
  }
}

// QuickSortLines of a whole list, the two parts of its first partition sorted on two
// threads (each with a copy of compare) when the list is long: they share no item, so the
// result is the one thread's.
template <typename List, typename Compare>
void QuickSortLinesOnTwoThreads(List& list, Compare compare) {
  constexpr std::size_t kTwoThreadItems = 16384;
  const auto last = static_cast<std::ptrdiff_t>(list.size()) - 1;
  if (list.size() < kTwoThreadItems || std::thread::hardware_concurrency() < 2) {
    QuickSortLines(list, 0, last, compare);
    return;
  }
  const auto [j, i] = PartitionLines(list, 0, last, compare);
  std::future<void> lower =
      std::async(std::launch::async, [&list, compare, j = j] { QuickSortLines(list, 0, j, compare); });
  if (i < last) QuickSortLines(list, i, last, compare);
  lower.get();
}

}  // namespace skorlin::lines
