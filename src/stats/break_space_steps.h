// SPDX-License-Identifier: GPL-3.0-or-later
// The line-break and space rules of the statistics as a small automaton: one table step
// per character, so the counter needs no branches for them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace skorlin::stats {

// What the rules see of a character of the trimmed text. A CR LF pair is one step.
enum BreakClass : unsigned char { kOtherChar = 0, kSpaceChar = 1, kLoneCr = 2, kLf = 3, kCrLfPair = 4 };
inline constexpr std::size_t kBreakClasses = 5;

// The automaton's state: the classes of the last two characters left once the CR LF
// pairs are removed, whether the latest run of spaces was already left out, and whether
// the previous step was a pair.
inline constexpr std::size_t kBreakStates = 64;
inline constexpr unsigned char kBreakStart = 0;  // nothing seen yet

struct BreakStep {
  unsigned char next;       // the state after the character
  unsigned char pairs;      // 1 for a CR LF pair
  unsigned char breakRuns;  // 1 for a pair that starts a run of pairs
  unsigned char dropped;    // spaces the collapsed count leaves out (0 or 1)
};

// The step for every state and class, at index state * kBreakClasses + class.
const std::array<BreakStep, kBreakStates * kBreakClasses>& BreakStepTable();

}  // namespace skorlin::stats
