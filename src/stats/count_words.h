// SPDX-License-Identifier: GPL-3.0-or-later
// The word count of the statistics panel.
#pragma once

#include <cstdint>
#include <string_view>

namespace skorlin::stats {

// The number of words of a text (UTF-8): maximal runs of letters, digits, hyphens and
// underscores that hold at least one letter or digit. "a-b", "a_b" and "-abc" are one word
// each; a run of hyphens and underscores alone is no word; every other character separates
// words. Saturates at the largest 32-bit count.
std::int32_t CountWords(std::string_view text);

}  // namespace skorlin::stats
