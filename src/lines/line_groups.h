// SPDX-License-Identifier: GPL-3.0-or-later
// Equal lines of a text found by hashing, in time linear in the text.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

#include "text/huge_pages.h"
#include "text/line_list.h"

namespace skorlin::lines {

// The lines of a text grouped by their bytes: lines that are equal byte for byte (and so
// character for character) share a group. Offset holds a position in the text and a count
// of lines (see WithOffsetsFor). Each line's group is noted as the lines are grouped, so a
// second walk over the lines finds it by the line's number without hashing it again.
template <typename Offset>
class LineGroups {
 public:
  struct Group {
    Offset start;        // where its first line begins in the text
    Offset count;        // how many lines it has
    std::uint32_t hash;  // of its lines' bytes
  };

  explicit LineGroups(std::string_view text) : text_(text) {
    std::size_t lines = 0;
    text::ForEachLine(text, [&lines](std::string_view) { ++lines; });
    std::size_t capacity = 16;
    while (capacity < 2 * lines) capacity *= 2;
    mask_ = capacity - 1;
    text::ReserveLarge(slots_, capacity);
    slots_.assign(capacity, 0);
    text::ReserveLarge(groups_, lines);
    text::ReserveLarge(groupOfLine_, lines);
    text::ForEachLine(text, [this](std::string_view line) { Add(line); });
  }

  std::size_t LineCount() const { return groupOfLine_.size(); }
  // The group of the text's line number (0-based).
  const Group& OfLine(std::size_t number) const { return groups_[groupOfLine_[number]]; }
  // Whether a line of the text is the first of its group.
  bool IsFirst(std::string_view line, const Group& group) const {
    return static_cast<Offset>(line.data() - text_.data()) == group.start;
  }

 private:
  static std::uint32_t Hash(std::string_view line) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>()(line));
  }

  // Whether the first line of group is line: the same bytes, ending where line ends.
  bool Holds(const Group& group, std::string_view line) const {
    if (text_.size() - group.start < line.size()) return false;
    if (std::memcmp(text_.data() + group.start, line.data(), line.size()) != 0) return false;
    const std::size_t end = group.start + line.size();
    return end == text_.size() || text_[end] == '\r' || text_[end] == '\n' || text_[end] == '\0';
  }

  // The slot of line's group, or the free slot where it belongs.
  std::size_t Find(std::string_view line, std::uint32_t hash) const {
    for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
      const Offset entry = slots_[slot];
      if (entry == 0) return slot;
      const Group& group = groups_[entry - 1];
      if (group.hash == hash && Holds(group, line)) return slot;
    }
  }

  void Add(std::string_view line) {
    const std::uint32_t hash = Hash(line);
    const std::size_t slot = Find(line, hash);
    if (slots_[slot] != 0) {
      ++groups_[slots_[slot] - 1].count;
      groupOfLine_.push_back(static_cast<Offset>(slots_[slot] - 1));
      return;
    }
    groupOfLine_.push_back(static_cast<Offset>(groups_.size()));
    groups_.push_back({static_cast<Offset>(line.data() - text_.data()), 1, hash});
    slots_[slot] = static_cast<Offset>(groups_.size());
  }

  std::string_view text_;
  std::size_t mask_ = 0;
  std::vector<Offset> slots_;  // a group's index plus one; 0 marks a free slot
  std::vector<Group> groups_;
  std::vector<Offset> groupOfLine_;  // the index of each line's group, in the lines' order
};

}  // namespace skorlin::lines
