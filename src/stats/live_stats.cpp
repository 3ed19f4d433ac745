// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the counts of a text in step with its edits.
//
// Why the seams work: the counts of a text are those of its core (the text without its
// outer blanks), where a run of CR LF pairs ends a line, a run of spaces (also across
// removed pairs) counts once, and a word is a run of word characters. Around a character
// above 32 nothing of that reaches across: it is no blank, so it belongs to the core of
// whatever part holds it; a CR LF between two such characters is a run of one pair, ending
// one line; and punctuation stops every word. So the counts of the whole are the sums of
// those of the parts (less one line, for a seam within a line), and a piece between two
// seams the changes leave untouched can be taken out and counted again.
#include "stats/live_stats.h"

#include <algorithm>
#include <limits>

#include "text/utf8.h"

namespace skorlin::stats {
namespace {

// A byte that belongs to a character above 32 (in UTF-8 every byte of a longer character
// does).
bool AboveBlank(char byte) { return static_cast<unsigned char>(byte) > 32; }

// ASCII punctuation: above 32 and not a word character (letter, digit, hyphen, underscore).
bool IsPunctuation(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  if (b <= 32 || b >= 0x80) return false;
  const bool alnum = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
  return !alnum && b != '-' && b != '_';
}

// Where the character holding byte i begins (for a character cut by the start of text, 0).
std::size_t CharStart(std::string_view text, std::size_t i) {
  while (i > 0 && text::IsUtf8Continuation(text[i])) --i;
  return i;
}

// Where the character that begins at i ends.
std::size_t CharEnd(std::string_view text, std::size_t i) {
  ++i;
  while (i < text.size() && text::IsUtf8Continuation(text[i])) ++i;
  return i;
}

// The seam whose right part starts at `at`, if there is one.
std::optional<StatsSeam> SeamAt(std::string_view text, std::size_t at) {
  if (at == 0 || at >= text.size() || !AboveBlank(text[at]) || text::IsUtf8Continuation(text[at]))
    return std::nullopt;
  const std::size_t endByte = CharEnd(text, at);
  if (at >= 3 && text[at - 1] == '\n' && text[at - 2] == '\r' && AboveBlank(text[at - 3])) {
    return StatsSeam{at - 2, at, CharStart(text, at - 3), endByte};
  }
  if (AboveBlank(text[at - 1]) && (IsPunctuation(text[at - 1]) || IsPunctuation(text[at]))) {
    return StatsSeam{at, at, CharStart(text, at - 1), endByte};
  }
  return std::nullopt;
}

}  // namespace

std::optional<StatsSeam> LastSeamWithin(std::string_view text, std::size_t end) {
  end = std::min(end, text.size());
  for (std::size_t at = end; at-- > 0;) {
    const std::optional<StatsSeam> seam = SeamAt(text, at);
    if (seam && seam->endByte <= end) return seam;
  }
  return std::nullopt;
}

std::optional<StatsSeam> FirstSeamWithin(std::string_view text, std::size_t from) {
  for (std::size_t at = from + 1; at < text.size(); ++at) {
    const std::optional<StatsSeam> seam = SeamAt(text, at);
    // The seam's first character must begin within text, not before it.
    if (seam && seam->firstByte >= from && !text::IsUtf8Continuation(text[seam->firstByte])) return seam;
  }
  return std::nullopt;
}

void LiveTextStats::Reset(const TextStats& counts) {
  const Sums sums{counts.LineCount, counts.AllLineCount, counts.WordCount,     counts.LetterCount,
                  counts.CharCount, counts.SpacedCount,  counts.SpacedAllCount};
  pending_.reset();
  // A count that reached the largest value may have been cut there: no exact step from it.
  known_ = std::none_of(sums.begin(), sums.end(),
                        [](std::int64_t n) { return n >= std::numeric_limits<std::int32_t>::max(); });
  sums_ = sums;
}

void LiveTextStats::BeforeChange(std::size_t length, std::size_t at, std::size_t removed,
                                 std::size_t inserted) {
  if (!known_) return;
  if (pending_ && at >= pending_->fromGuard && at + removed <= pending_->toGuard) {
    pending_->to = pending_->to + inserted - removed;
    pending_->toGuard = pending_->toGuard + inserted - removed;
    return;
  }
  // The text stands whole between two changes: the piece of the earlier ones is counted now.
  Settle();
  Piece piece;
  const std::size_t leftFrom = at > kReach ? at - kReach : 0;
  const std::string_view before = read_(leftFrom, at - leftFrom);
  if (const std::optional<StatsSeam> seam = LastSeamWithin(before, before.size())) {
    piece.from = leftFrom + seam->rightStart;
    piece.fromGuard = leftFrom + seam->endByte;
  } else if (leftFrom > 0) {
    known_ = false;
    return;
  }
  const std::size_t rightFrom = at + removed;
  const std::size_t rightTo = std::min(length, rightFrom + kReach);
  const std::string_view after = read_(rightFrom, rightTo - rightFrom);
  if (const std::optional<StatsSeam> seam = FirstSeamWithin(after, 0)) {
    piece.to = rightFrom + seam->leftEnd;
    piece.toGuard = rightFrom + seam->firstByte;
  } else if (rightTo < length) {
    known_ = false;
    return;
  } else {
    piece.to = piece.toGuard = length;
  }
  if (piece.to - piece.from > kLongestPiece) {
    known_ = false;
    return;
  }
  AddPiece(piece, -1);
  piece.to = piece.to + inserted - removed;
  piece.toGuard = piece.toGuard + inserted - removed;
  pending_ = piece;
}

std::optional<TextStats> LiveTextStats::Current() {
  if (!known_) return std::nullopt;
  Settle();
  const auto count = [](std::int64_t n) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(n, 0, std::numeric_limits<std::int32_t>::max()));
  };
  return TextStats{count(sums_[0]), count(sums_[1]), count(sums_[2]), count(sums_[3]),
                   count(sums_[4]), count(sums_[5]), count(sums_[6])};
}

void LiveTextStats::Settle() {
  if (!pending_) return;
  const Piece piece = *pending_;
  pending_.reset();
  if (piece.to - piece.from > kLongestPiece) {
    known_ = false;
    return;
  }
  AddPiece(piece, 1);
}

void LiveTextStats::AddPiece(const Piece& piece, int sign) {
  const TextStats c = CountTextStats(read_(piece.from, piece.to - piece.from));
  const Sums counts{c.LineCount, c.AllLineCount, c.WordCount,     c.LetterCount,
                    c.CharCount, c.SpacedCount,  c.SpacedAllCount};
  for (std::size_t i = 0; i < sums_.size(); ++i) sums_[i] += sign * counts[i];
}

}  // namespace skorlin::stats
