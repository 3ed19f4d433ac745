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
constexpr text::Char kLineFeed = U'\n';

std::int32_t Saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

std::int64_t CountCrLf(text::TextView s) {
  std::int64_t count = 0;
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] == kCr && s[i + 1] == kLineFeed) ++count;
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
  const auto& steps = BreakStepTable();
  std::int64_t pairs = 0;      // CR LF pairs in the core
  std::int64_t breakRuns = 0;  // runs of consecutive CR LF pairs in the core
  std::int64_t dropped = 0;    // spaces the collapsed count leaves out
  std::int64_t letters = 0;
  std::int64_t printable = 0;
  std::int64_t words = 0;
  unsigned runHasStart = 0;  // 1: the current run of word characters holds a letter or digit
  unsigned state = kBreakStart;

  for (std::size_t i = begin; i < end; ++i) {
    const text::Char c = text[i];
    const unsigned flags = c < kStatsTableSize ? table[c] : StatsCharFlagsSlow(c);
    letters += flags & kLetter;
    printable += (flags & kPrintable) != 0;
    // A word is counted at the first letter or digit of a run of word characters; written
    // without branches, as word boundaries come too often to predict.
    const unsigned start = (flags & kWordStart) != 0;
    words += start & (runHasStart ^ 1u);
    runHasStart = (runHasStart | start) & ((flags & kWordBody) != 0);

    unsigned breakClass = flags >> kBreakClassShift;
    // The core ends with a non-blank, so a CR inside it always has a next character. The
    // LF of a pair adds nothing to the other counts: it is no letter, no printable
    // character, and the CR before it already ended any word.
    if (breakClass == kLoneCr && text[i + 1] == kLineFeed) {
      breakClass = kCrLfPair;
      ++i;
    }
    const BreakStep& step = steps[state * kBreakClasses + breakClass];
    state = step.next;
    pairs += step.pairs;
    breakRuns += step.breakRuns;
    dropped += step.dropped;
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
