// The seven counts of the statistics panel.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace skorlin::stats {

// The counts of one text. A line ends at CR LF or at the end of the text (lone CR and LF
// end no line); the empty text has one line.
struct TextStats {
  std::int32_t LineCount = 1;       // lines, without the empty lines between lines
  std::int32_t AllLineCount = 1;    // all lines, empty ones included
  std::int32_t WordCount = 0;       // words (see CountWords)
  std::int32_t LetterCount = 0;     // letters
  std::int32_t CharCount = 0;       // characters other than tab, LF, CR and space
  std::int32_t SpacedCount = 0;     // characters without line breaks, a run of spaces as one
  std::int32_t SpacedAllCount = 0;  // characters without line breaks, every space

  bool operator==(const TextStats&) const = default;
};

// Counts a text in one pass. Blanks (codes 0 to 32) at the very start and end of the text
// count for AllLineCount and nothing else. Between them, a run of empty lines counts as
// one line break; spaces that touch a line break (once a lone CR and a lone LF meet across
// a removed break) are not counted by SpacedCount. Counts saturate at the largest 32-bit value.
TextStats CountTextStats(text::TextView text);

}  // namespace skorlin::stats
