// An open-addressing hash table from line text to group, filled in one pass.
#include "lines/line_groups.h"

#include <functional>

namespace skorlin::lines {

LineGroups GroupEqualLines(const LineViews& lines) {
  const std::size_t n = lines.size();
  LineGroups groups;
  groups.groupOf.resize(n);
  std::size_t capacity = 16;
  while (capacity < 2 * n) capacity *= 2;
  const std::size_t mask = capacity - 1;
  std::vector<std::size_t> slots(capacity, 0);  // group + 1; 0 marks a free slot
  std::vector<std::size_t> groupHash;
  const std::hash<text::TextView> hasher;
  for (std::size_t i = 0; i < n; ++i) {
    const text::TextView line = lines[i];
    const std::size_t hash = hasher(line);
    std::size_t slot = hash & mask;
    while (true) {
      const std::size_t entry = slots[slot];
      if (entry == 0) {
        const std::size_t group = groups.first.size();
        slots[slot] = group + 1;
        groups.first.push_back(i);
        groups.count.push_back(1);
        groupHash.push_back(hash);
        groups.groupOf[i] = group;
        break;
      }
      const std::size_t group = entry - 1;
      if (groupHash[group] == hash && lines[groups.first[group]] == line) {
        ++groups.count[group];
        groups.groupOf[i] = group;
        break;
      }
      slot = (slot + 1) & mask;
    }
  }
  return groups;
}

}  // namespace skorlin::lines
