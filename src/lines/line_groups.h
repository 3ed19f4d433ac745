// Equal lines found by hashing, in time linear in the text.
#pragma once

#include <cstddef>
#include <vector>

#include "lines/line_views.h"

namespace skorlin::lines {

// Lines that are equal character for character share a group; groups are numbered in the
// order of their first occurrence.
struct LineGroups {
  std::vector<std::size_t> groupOf;  // per line: its group
  std::vector<std::size_t> first;    // per group: the index of its first line
  std::vector<std::size_t> count;    // per group: how many lines it has

  bool IsFirst(std::size_t line) const { return first[groupOf[line]] == line; }
  std::size_t CountOf(std::size_t line) const { return count[groupOf[line]]; }
};

LineGroups GroupEqualLines(const LineViews& lines);

}  // namespace skorlin::lines
