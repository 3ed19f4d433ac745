// SPDX-License-Identifier: GPL-3.0-or-later
// Counting words in one pass: a word is counted at the first letter or digit of its run.
#include "stats/count_words.h"

#include <algorithm>
#include <limits>

#include "stats/stats_chars.h"
#include "text/utf8.h"

namespace skorlin::stats {

std::int32_t CountWords(std::string_view text) {
  std::int64_t count = 0;
  bool runHasStart = false;  // the current run of word characters already holds a word start
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char flags = StatsCharFlags(text::NextUtf8Char(text, i));
    if ((flags & kWordStart) != 0 && !runHasStart) {
      ++count;
      runHasStart = true;
    } else if ((flags & kWordBody) == 0) {
      runHasStart = false;
    }
  }
  return static_cast<std::int32_t>(std::min<std::int64_t>(count, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace skorlin::stats
