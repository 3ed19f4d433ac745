// SPDX-License-Identifier: GPL-3.0-or-later
// What changed between a line and its new form, character by character: the edit script
// of the two, and the stretches of the new form a reader should look at.
#pragma once

#include <cstddef>
#include <vector>

#include "text/sequence_diff.h"
#include "text/text.h"

namespace skorlin::text {

// The script that turns before into after with the fewest characters deleted and inserted,
// when the two differ, past the ends they share, by at most kMaxExactEdits characters and
// finding that takes no more than about kExactWork steps (the steps grow with the length
// times the characters deleted and inserted). Past either limit, a line that changed all
// over or a very long one, the script of DiffSequences: found in time about proportional
// to the length, correct but not always the shortest.
inline constexpr std::size_t kMaxExactEdits = 256;
inline constexpr std::size_t kExactWork = std::size_t{1} << 22;
EditScript DiffCharacters(TextView before, TextView after);

// A stretch of after that differs from before: length characters from begin (0-based)
// inserted or put in place of others; with length 0, the place where characters of before
// were deleted and nothing put instead.
struct CharChange {
  std::size_t begin = 0;
  std::size_t length = 0;
  bool operator==(const CharChange&) const = default;
};

// The changes of after against before by DiffCharacters, in the order of after; none when
// the two are equal.
std::vector<CharChange> CharChanges(TextView before, TextView after);

// Appends CharChanges(before, after) to changes with begin and length counted in bytes of
// after's UTF-8 form, after starting at byte firstByte of the text the changes are for.
void AppendUtf8CharChanges(TextView before, TextView after, std::size_t firstByte,
                           std::vector<CharChange>& changes);

}  // namespace skorlin::text
