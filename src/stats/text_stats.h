// SPDX-License-Identifier: GPL-3.0-or-later
// The seven counts of the statistics panel.
#pragma once

#include <cstdint>
#include <string_view>

#include "stats/break_space_steps.h"
#include "stats/stats_chars.h"
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

// Counts a text in one pass over its characters (UTF-8). Blanks (codes 0 to 32) at the
// very start and end of the text count for AllLineCount and nothing else. Between them, a
// run of empty lines counts as one line break; spaces that touch a line break (once a lone
// CR and a lone LF meet across a removed break) are not counted by SpacedCount. Counts
// saturate at the largest 32-bit value.
TextStats CountTextStats(std::string_view text);

// CountTextStats of a text handed over in pieces cut anywhere (a character, or a CR and
// the LF after it, may lie across two pieces), in constant memory. With kAsViewHolds every
// line break of any kind (CR LF, a lone CR, a lone LF) counts as the CR LF a view would
// hold in its place.
class TextStatsCounter {
 public:
  enum class Breaks { kAsGiven, kAsViewHolds };
  explicit TextStatsCounter(Breaks breaks = Breaks::kAsGiven) : viewBreaks_(breaks == Breaks::kAsViewHolds) {}

  void Add(std::string_view utf8);
  TextStats Finish();

 private:
  struct Counts {
    std::int64_t pairs = 0;      // CR LF pairs
    std::int64_t breakRuns = 0;  // runs of consecutive CR LF pairs
    std::int64_t dropped = 0;    // spaces the collapsed count leaves out
    std::int64_t letters = 0;
    std::int64_t printable = 0;
    std::int64_t words = 0;
    std::int64_t characters = 0;  // of the text between its outer blanks, pairs included
  };

  void Character(text::Char c);
  // Counts the characters from utf8[i] on that are above 32 and neither spaces nor line
  // breaks (ASCII or two bytes long), as Character would, without its checks for blanks
  // and a waiting CR; returns where the first other character begins. Counts nothing
  // before the text has begun or while a CR waits.
  std::size_t CountPlainRun(std::string_view utf8, std::size_t i);
  void LineBreak(BreakClass breakClass);
  void Counted(unsigned flags, BreakClass breakClass, std::int64_t characters, bool blank);

  bool viewBreaks_;
  bool started_ = false;    // a character above 32 has been seen: the counted text began
  bool inBlanks_ = false;   // the last character was a blank: it may belong to the outer end
  bool pendingCr_ = false;  // a CR whose next character is still to come
  Counts counts_;
  Counts beforeBlanks_;  // the counts before the latest run of blanks
  std::int64_t leadingPairs_ = 0;
  const BreakStep* steps_ = BreakStepTable().data();
  const unsigned char* charTable_ = StatsCharTable().data();  // read at every character
  unsigned state_ = kBreakStart;
  unsigned runHasStart_ = 0;
  char carry_[4] = {};  // the start of a character the last piece cut
  std::size_t carried_ = 0;
};

}  // namespace skorlin::stats
