// SPDX-License-Identifier: GPL-3.0-or-later
// The line commands written the slow, obvious way: each a direct transcription of the
// command's definition on the whole text (searching the rest of the text for every line,
// deleting one space at a time). The fast versions must give the same text, counter and
// captions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/text.h"

namespace skorlin::lines::testing {

struct LiteralRun {
  text::Text text;
  long counter = 0;
  std::vector<std::string> captions;   // every progress caption, in order
  std::vector<std::int64_t> percents;  // the percentage of each caption (-1: none)
};

// nearest(part × 100 / whole) computed in floating point, rounding half to even.
std::int64_t LiteralPercent(std::uint64_t part, std::uint64_t whole);

// The line commands on a line list (lines as SplitLines gives them), every progress
// moment of the definition recorded.
LiteralRun LiteralTrim(const text::Lines& lines);
LiteralRun LiteralDeleteEmpty(const text::Lines& lines);
LiteralRun LiteralDeleteDoubleSpaces(text::Text wholeText);

// The duplicate scans on the whole text (JoinLines of the view's lines).
LiteralRun LiteralDeleteDuplicates(text::Text t);
LiteralRun LiteralDeleteAllDuplicates(text::Text t);
LiteralRun LiteralDeleteUnique(text::Text t, bool htmlView);

// Keeps a caption only when its percentage differs from that of the caption kept before
// it (how the commands ration their captions); with keepLast the last caption is kept
// whatever its percentage.
std::vector<std::string> Rationed(const LiteralRun& run, std::size_t alwaysShownAtStart, bool keepLast);

// The generator written out: seed := seed × 134775813 + 1, result the upper half of seed × n.
struct LiteralRandom {
  std::uint32_t seed;
  std::uint32_t Next(std::uint32_t n) {
    seed = static_cast<std::uint32_t>(static_cast<std::uint64_t>(seed) * 134775813ULL + 1ULL);
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) / 4294967296ULL);
  }
};

// Paragraph splitting on a line list with FindStr, DeleteRange and TrimLeadingBlanks.
text::Lines LiteralSplitParagraphs(text::Lines lines, int min, int max, LiteralRandom& random);

// The shuffle written out on a list of strings with the literal generator: one swap at
// every position, or (derived) at positions advancing by 1 to 3. finalSeed, when given,
// receives the generator's seed afterwards.
text::Lines LiteralShuffle(text::Lines lines, std::uint32_t seed, bool derived, std::uint32_t* finalSeed = nullptr);

}  // namespace skorlin::lines::testing
