// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/replacements.h"

#include <array>
#include <utility>

#include "text/toolkit.h"

namespace skorlin::html {

namespace {

// Which characters a text may hold, by their low eight bits. A row can match only where
// the text holds every character of its find, so a row with an absent character is
// skipped without a search; most rows find nothing in most lines.
class CharFilter {
 public:
  explicit CharFilter(text::TextView s) { Add(s); }
  void Add(text::TextView s) {
    for (text::Char c : s) seen_[c & 0xFF] = true;
  }
  bool MayHold(text::TextView find) const {
    for (text::Char c : find) {
      if (!seen_[c & 0xFF]) return false;
    }
    return true;
  }

 private:
  std::array<bool, 256> seen_{};
};

}  // namespace

void ApplyReplacements(text::Text& s, std::span<const Replacement> rows) {
  CharFilter filter(s);
  for (const Replacement& row : rows) {
    if (row.find.empty() || !filter.MayHold(row.find)) continue;
    if (text::FindStr(row.find, s) == 0) continue;
    s = text::ReplaceAll(s, row.find, row.replace);
    // Replacing takes characters away only besides the ones it brings in.
    filter.Add(row.replace);
  }
}

void PutEntities(text::Text& s, const std::vector<std::size_t>& positions, text::TextView entity) {
  if (positions.empty()) return;
  text::Text result;
  result.reserve(s.size() + positions.size() * entity.size());
  std::size_t from = 0;  // 0-based index of the first character not yet copied
  for (std::size_t p : positions) {
    result.append(s, from, p - 1 - from);
    result.append(entity);
    from = p;
  }
  result.append(s, from);
  s = std::move(result);
}

}  // namespace skorlin::html
