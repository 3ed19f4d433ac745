// SPDX-License-Identifier: GPL-3.0-or-later
// An edit script that turns one sequence into another, for sequences whose items mostly
// change in place: a text against its formatted form, whose lines correspond one to one
// apart from blank lines dropped at the ends. Items are compared as numbers (characters, or
// lines numbered so that equal lines get equal numbers).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace skorlin::text {

enum class EditOp : unsigned char { kKeep, kDelete, kInsert };

// count items kept (the same in both), deleted from the first or inserted from the second.
struct EditRun {
  EditOp op;
  std::size_t count;
  bool operator==(const EditRun&) const = default;
};

// Runs in order; between two kept runs the deletions come first, then the insertions.
using EditScript = std::vector<EditRun>;

// The items the two have in common at both ends are kept, and so are the items that occur
// exactly once in each, taken in an order both share; between those anchors the items are
// paired in order, at the shift that pairs the most equal items, the longer side's extra
// items left out at its ends. Time and memory grow about in proportion to the lengths
// (never with their product); the script is not always the shortest one.
EditScript DiffSequences(std::span<const std::uint32_t> before, std::span<const std::uint32_t> after);

}  // namespace skorlin::text
