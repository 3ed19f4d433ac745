// SPDX-License-Identifier: GPL-3.0-or-later
// Work over the lines of a large text shared between two threads: the lines are cut into
// two runs of about the same size, each run is worked on by itself, and the results are
// joined in order. Each line's result depends on that line alone, so the result is the
// same as one walk over all the lines.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace skorlin::text {

// The size of a text, in units, from which work on it is shared between two threads.
inline constexpr std::size_t kParallelBytes = std::size_t{1} << 18;

// work(first, last, out) appends to out the result of the lines [first, last) of lines.
using LineRunWork = std::function<void(std::size_t first, std::size_t last, std::string& out)>;

// Whether the lines may be cut into two runs before line i (work that reads several lines
// together is cut only between them).
using LineCut = std::function<bool(std::size_t i)>;

// work(first, last, run) does its work on the items [first, last) into its own result run
// (0 or 1).
using RunWork = std::function<void(std::size_t first, std::size_t last, std::size_t run)>;

// Runs work over the items [0, count) in one run (run 0), or in two at once on two threads
// (runs 0 and 1, in the order of the items) when the items, sized by sizeOf, hold at least
// kParallelBytes, the machine has a second core and mayCut (when given) allows a cut at or
// after the middle. Returns the number of runs.
std::size_t WorkInTwoRuns(std::size_t count, const std::function<std::size_t(std::size_t)>& sizeOf,
                          const LineCut& mayCut, const RunWork& work);

// The results of work over every line of lines, in order; on two threads when the lines
// hold at least kParallelBytes, the machine has a second core and mayCut (when given)
// allows a cut at or after the middle.
std::string WorkOnLines(const std::vector<std::string_view>& lines, const LineRunWork& work,
                        const LineCut& mayCut = nullptr);

}  // namespace skorlin::text
