// The closing table of fixed replacements.
#include "format/closing_replacements.h"

#include <cstdint>

#include "format/collapse_spaces.h"
#include "text/toolkit.h"

namespace skorlin::format {
namespace {

// A line has few of the characters the rows look for: a 64-bit mask of the characters
// present (several characters share a bit) tells which rows cannot match at all, so their
// search is skipped. The mask may claim too much, never too little.
constexpr std::uint64_t MaskOf(text::TextView s) {
  std::uint64_t mask = 0;
  for (const text::Char c : s) mask |= std::uint64_t{1} << (c & 63u);
  return mask;
}

struct RowMasks {
  std::uint64_t find;
  std::uint64_t repl;
};

constexpr std::array<RowMasks, kClosingReplacements.size()> MakeRowMasks() {
  std::array<RowMasks, kClosingReplacements.size()> masks{};
  for (std::size_t r = 0; r < masks.size(); ++r) {
    masks[r] = {MaskOf(kClosingReplacements[r].find), MaskOf(kClosingReplacements[r].repl)};
  }
  return masks;
}

constexpr auto kRowMasks = MakeRowMasks();

}  // namespace

void ApplyReplacementRow(text::Text& s, const ReplacementRow& row) {
  if (text::FindStr(row.find, s, 1) == 0) return;
  if (row.mode == ReplaceMode::kAll) {
    s = text::ReplaceAll(s, row.find, row.repl);
  } else {
    s = ReplaceUntilGone(s, row.find, row.repl);
  }
}

void ClosingReplacementsPass(text::Text& s) {
  std::uint64_t present = MaskOf(s);
  for (std::size_t r = 0; r < kClosingReplacements.size(); ++r) {
    if ((kRowMasks[r].find & present) != kRowMasks[r].find) continue;
    ApplyReplacementRow(s, kClosingReplacements[r]);
    // A replacement may bring in characters the line did not have ("КП/б/" gives brackets).
    present |= kRowMasks[r].repl;
  }
}

}  // namespace skorlin::format
