// SPDX-License-Identifier: GPL-3.0-or-later
// Counting a text in one pass over its characters, in pieces.
//
// The counts are defined on the text with its outer blanks trimmed ("the core"), with every
// run of CR LF pairs in it taken as one line break. Lines: one plus the number of such
// runs. Characters without line breaks: the core without its CR LF pairs. With spaces
// collapsed: that, with every run of spaces counted once, and a space dropped when it
// stands right after or right before a CR LF that appears only once the pairs are gone
// (a lone CR, a removed pair, a lone LF). Words never contain blanks, so they all lie
// in the core.
//
// The leading blanks are skipped as they come. A run of blanks after the core began is
// counted as if more core follows, with the counts before it kept aside: if the text ends
// in it, those counts are the core's.
#include "stats/text_stats.h"

#include <algorithm>
#include <limits>

#include "stats/stats_chars.h"
#include "text/utf8.h"

namespace skorlin::stats {
namespace {

std::int32_t Saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

// The bytes a character announces by its first byte (1 for ASCII and for bytes that start
// no sequence).
std::size_t AnnouncedBytes(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
}

// A CR or an LF: no letter, no printable character, and the end of any word.
constexpr unsigned kBreakFlags = 0;

}  // namespace

// The steps of one character are inlined into the loop of Add by force: left to itself the
// compiler calls them, and the calls cost a quarter of the count of a long text.
[[gnu::always_inline]] inline void TextStatsCounter::Counted(unsigned flags, BreakClass breakClass,
                                                             std::int64_t characters, bool blank) {
  if (blank) {
    if (!inBlanks_) {
      beforeBlanks_ = counts_;
      inBlanks_ = true;
    }
  } else {
    inBlanks_ = false;
  }
  counts_.letters += flags & kLetter;
  counts_.printable += (flags & kPrintable) != 0;
  // A word is counted at the first letter or digit of a run of word characters; written
  // without branches, as word boundaries come too often to predict.
  const unsigned start = (flags & kWordStart) != 0;
  counts_.words += start & (runHasStart_ ^ 1u);
  runHasStart_ = (runHasStart_ | start) & ((flags & kWordBody) != 0);
  counts_.characters += characters;
  const BreakStep& step = steps_[state_ * kBreakClasses + breakClass];
  state_ = step.next;
  counts_.pairs += step.pairs;
  counts_.breakRuns += step.breakRuns;
  counts_.dropped += step.dropped;
}

[[gnu::always_inline]] inline void TextStatsCounter::LineBreak(BreakClass breakClass) {
  if (!started_) {
    if (breakClass == kCrLfPair) ++leadingPairs_;
    return;
  }
  Counted(kBreakFlags, breakClass, breakClass == kCrLfPair ? 2 : 1, true);
}

[[gnu::always_inline]] inline void TextStatsCounter::Character(text::Char c) {
  if (pendingCr_) {
    pendingCr_ = false;
    if (c == U'\n') {
      LineBreak(kCrLfPair);
      return;
    }
    LineBreak(viewBreaks_ ? kCrLfPair : kLoneCr);
  }
  if (c == U'\r') {
    pendingCr_ = true;
    return;
  }
  if (c == U'\n') {
    LineBreak(viewBreaks_ ? kCrLfPair : kLf);
    return;
  }
  const bool blank = text::IsBlank(c);
  if (!started_) {
    if (blank) return;
    started_ = true;
  }
  const unsigned flags = c < kStatsTableSize ? charTable_[c] : StatsCharFlagsSlow(c);
  Counted(flags, static_cast<BreakClass>(flags >> kBreakClassShift), 1, blank);
}

std::size_t TextStatsCounter::CountPlainRun(std::string_view utf8, std::size_t i) {
  // Once the text has begun and no CR waits for the character after it.
  if (!started_ || pendingCr_) return i;
  Counts run;
  unsigned runHasStart = runHasStart_;
  unsigned state = state_;
  const std::size_t from = i;
  const std::size_t size = utf8.size();
  while (i < size) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    text::Char c = lead;
    std::size_t length = 1;
    if (lead >= 0x80) {
      // Two bytes, whole within the piece, as NextUtf8Char reads them; any other form goes
      // the general way.
      if (lead < 0xC2 || lead >= 0xE0 || i + 1 >= size || !text::IsUtf8Continuation(utf8[i + 1]) ||
          (i + 2 < size && text::IsUtf8Continuation(utf8[i + 2]))) {
        break;
      }
      c = (text::Char{lead & 0x1Fu} << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      length = 2;
    }
    if (text::IsBlank(c)) break;
    const unsigned flags = charTable_[c];  // below 0x800, within the table
    if ((flags >> kBreakClassShift) != kOtherChar) break;
    run.letters += flags & kLetter;
    run.printable += (flags & kPrintable) != 0;
    const unsigned start = (flags & kWordStart) != 0;
    run.words += start & (runHasStart ^ 1u);
    runHasStart = (runHasStart | start) & ((flags & kWordBody) != 0);
    ++run.characters;
    const BreakStep& step = steps_[state * kBreakClasses + kOtherChar];
    state = step.next;
    run.pairs += step.pairs;
    run.breakRuns += step.breakRuns;
    run.dropped += step.dropped;
    i += length;
  }
  if (i == from) return i;
  // A character above 32 ends any run of blanks.
  inBlanks_ = false;
  counts_.pairs += run.pairs;
  counts_.breakRuns += run.breakRuns;
  counts_.dropped += run.dropped;
  counts_.letters += run.letters;
  counts_.printable += run.printable;
  counts_.words += run.words;
  counts_.characters += run.characters;
  runHasStart_ = runHasStart;
  state_ = state;
  return i;
}

void TextStatsCounter::Add(std::string_view utf8) {
  std::size_t i = 0;
  if (carried_ > 0) {
    // The rest of the character the last piece cut.
    while (i < utf8.size() && carried_ < AnnouncedBytes(carry_[0]) && text::IsUtf8Continuation(utf8[i])) {
      carry_[carried_++] = utf8[i++];
    }
    if (i == utf8.size() && carried_ < AnnouncedBytes(carry_[0])) return;
    std::size_t k = 0;
    const std::string_view character(carry_, carried_);
    carried_ = 0;
    Character(text::NextUtf8Char(character, k));
  }
  while (i < utf8.size()) {
    i = CountPlainRun(utf8, i);
    if (i == utf8.size()) break;
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x80) {
      Character(byte);
      ++i;
      continue;
    }
    // A character cut by the end of the piece waits for the rest.
    const std::size_t announced = AnnouncedBytes(utf8[i]);
    if (announced > utf8.size() - i) {
      std::size_t end = i + 1;
      while (end < utf8.size() && text::IsUtf8Continuation(utf8[end])) ++end;
      if (end == utf8.size()) {
        carried_ = end - i;
        std::copy(utf8.begin() + static_cast<std::ptrdiff_t>(i), utf8.end(), carry_);
        return;
      }
    }
    Character(text::NextUtf8Char(utf8, i));
  }
}

TextStats TextStatsCounter::Finish() {
  if (carried_ > 0) {
    std::size_t k = 0;
    const std::string_view character(carry_, carried_);
    carried_ = 0;
    Character(text::NextUtf8Char(character, k));
  }
  if (pendingCr_) {
    pendingCr_ = false;
    LineBreak(viewBreaks_ ? kCrLfPair : kLoneCr);
  }
  // The pairs of the trailing blanks count for all lines only.
  const std::int64_t allPairs = leadingPairs_ + counts_.pairs;
  const Counts core = inBlanks_ ? beforeBlanks_ : counts_;
  TextStats stats;
  stats.AllLineCount = Saturate(1 + allPairs);
  stats.LineCount = Saturate(1 + core.breakRuns);
  stats.WordCount = Saturate(core.words);
  stats.LetterCount = Saturate(core.letters);
  stats.CharCount = Saturate(core.printable);
  const std::int64_t spacedAll = core.characters - 2 * core.pairs;
  stats.SpacedAllCount = Saturate(spacedAll);
  stats.SpacedCount = Saturate(spacedAll - core.dropped);
  return stats;
}

TextStats CountTextStats(std::string_view text) {
  TextStatsCounter counter;
  counter.Add(text);
  return counter.Finish();
}

}  // namespace skorlin::stats
