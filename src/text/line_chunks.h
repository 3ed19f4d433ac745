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

// work(first, last, out) appends to out the result of the lines [first, last) of lines.
using LineRunWork = std::function<void(std::size_t first, std::size_t last, std::string& out)>;

// Whether the lines may be cut into two runs before line i (work that reads several lines
// together is cut only between them).
using LineCut = std::function<bool(std::size_t i)>;

// The results of work over every line of lines, in order; on two threads when the lines
// hold at least kParallelBytes, the machine has a second core and mayCut (when given)
// allows a cut at or after the middle.
std::string WorkOnLines(const std::vector<std::string_view>& lines, const LineRunWork& work,
                        const LineCut& mayCut = nullptr);

inline constexpr std::size_t kParallelBytes = std::size_t{1} << 18;

}  // namespace skorlin::text
