// An open-addressing hash table from line text to group, filled in one pass.
#include "lines/line_groups.h"

#include <functional>

namespace skorlin::lines {

LineGroups GroupEqualLines(const LineViews& lines) {
  const std::size_t n = lines.size();
  LineGroups groups;
  groups.groupOf.resize(n);
  groups.first.reserve(n);
  groups.count.reserve(n);
  std::size_t capacity = 16;
  while (capacity < 2 * n) capacity *= 2;
  const std::size_t mask = capacity - 1;
  // A slot keeps the full hash and the first line of its group, so that a probe reads
  // a line's text only when the hashes agree, and then with a single memory access.
  struct Slot {
    std::size_t hash;
    std::size_t groupPlusOne;  // 0 marks a free slot
    text::TextView line;
  };
  std::vector<Slot> slots(capacity, Slot{0, 0, {}});
  // The hashes first, in one sequential pass; then the probes, each slot fetched from
  // memory a few lines ahead of its use, so that the table's cache misses overlap.
  std::vector<std::size_t> hashes(n);
  const std::hash<text::TextView> hasher;
  for (std::size_t i = 0; i < n; ++i) hashes[i] = hasher(lines[i]);
  constexpr std::size_t kAhead = 16;
  for (std::size_t i = 0; i < n; ++i) {
    if (i + kAhead < n) __builtin_prefetch(&slots[hashes[i + kAhead] & mask]);
    const text::TextView line = lines[i];
    const std::size_t hash = hashes[i];
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      Slot& entry = slots[slot];
      if (entry.groupPlusOne == 0) {
        const std::size_t group = groups.first.size();
        entry = {hash, group + 1, line};
        groups.first.push_back(i);
        groups.count.push_back(1);
        groups.groupOf[i] = group;
        break;
      }
      const std::size_t group = entry.groupPlusOne - 1;
      if (entry.hash == hash && entry.line == line) {
        ++groups.count[group];
        groups.groupOf[i] = group;
        break;
      }
    }
  }
  return groups;
}

}  // namespace skorlin::lines
