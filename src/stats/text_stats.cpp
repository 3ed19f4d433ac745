// Counting a text in one pass over its characters.
//
// The counts are defined on the text with its outer blanks trimmed ("the core"), with every
// run of CR LF pairs in it taken as one line break. Lines: one plus the number of such
// runs. Characters without line breaks: the core without its CR LF pairs. With spaces
// collapsed: that, with every run of spaces counted once, and a space dropped when it
// stands right after or right before a CR LF that appears only once the pairs are gone
// (a lone CR, a removed pair, a lone LF). Words never contain blanks, so they all lie
// in the core.
#include "stats/text_stats.h"

#include <algorithm>
#include <limits>

#include "stats/stats_chars.h"

namespace skorlin::stats {
namespace {

constexpr text::Char kCr = U'\r';
constexpr text::Char kLf = U'\n';
constexpr text::Char kSpace = U' ';

std::int32_t Saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

std::int64_t CountCrLf(text::TextView s) {
  std::int64_t count = 0;
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] == kCr && s[i + 1] == kLf) ++count;
  }
  return count;
}

}  // namespace

TextStats CountTextStats(text::TextView text) {
  std::size_t begin = 0;
  while (begin < text.size() && text::IsBlank(text[begin])) ++begin;
  std::size_t end = text.size();
  while (end > begin && text::IsBlank(text[end - 1])) --end;
  // A pair never straddles begin or end: the core starts and ends with a non-blank.
  const std::int64_t outerPairs = CountCrLf(text.substr(0, begin)) + CountCrLf(text.substr(end));

  const auto& table = StatsCharTable();
  std::int64_t pairs = 0;      // CR LF pairs in the core
  std::int64_t breakRuns = 0;  // runs of consecutive CR LF pairs in the core
  std::int64_t letters = 0;
  std::int64_t printable = 0;
  std::int64_t words = 0;
  std::int64_t dropped = 0;  // spaces the collapsed count leaves out
  bool runHasStart = false;  // the current run of word characters holds a letter or digit
  bool afterPair = false;    // the previous characters were a CR LF pair
  // The last two characters of the core once its CR LF pairs are removed (0: none yet; a
  // NUL compares equal to none of CR, LF and space, so it needs no other marker).
  text::Char last = 0;
  text::Char beforeLast = 0;
  bool spaceRunDropped = false;  // the latest run of spaces has already been left out

  for (std::size_t i = begin; i < end; ++i) {
    const text::Char c = text[i];
    const unsigned char flags = c < kStatsTableSize ? table[c] : StatsCharFlagsSlow(c);
    letters += flags & kLetter;
    printable += (flags & kPrintable) != 0;
    if ((flags & kWordStart) != 0 && !runHasStart) {
      ++words;
      runHasStart = true;
    } else if ((flags & kWordBody) == 0) {
      runHasStart = false;
    }

    // The core ends with a non-blank, so a CR inside it always has a next character.
    if (c == kCr && text[i + 1] == kLf) {
      ++pairs;
      if (!afterPair) ++breakRuns;
      afterPair = true;
      ++i;
      continue;
    }
    afterPair = false;

    if (c == kSpace) {
      if (last == kSpace) {
        ++dropped;  // a further space of a run
      } else {
        spaceRunDropped = last == kLf && beforeLast == kCr;
        dropped += spaceRunDropped;
      }
    } else if (c == kLf && last == kCr && beforeLast == kSpace && !spaceRunDropped) {
      ++dropped;  // the space before a break that the removed pairs brought together
      spaceRunDropped = true;
    }
    beforeLast = last;
    last = c;
  }

  TextStats stats;
  stats.AllLineCount = Saturate(1 + outerPairs + pairs);
  stats.LineCount = Saturate(1 + breakRuns);
  stats.WordCount = Saturate(words);
  stats.LetterCount = Saturate(letters);
  stats.CharCount = Saturate(printable);
  const std::int64_t spacedAll = static_cast<std::int64_t>(end - begin) - 2 * pairs;
  stats.SpacedAllCount = Saturate(spacedAll);
  stats.SpacedCount = Saturate(spacedAll - dropped);
  return stats;
}

}  // namespace skorlin::stats
