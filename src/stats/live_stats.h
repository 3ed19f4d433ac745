// SPDX-License-Identifier: GPL-3.0-or-later
// The counts of a text kept in step with its edits: each edit recounts only the piece of
// text around it, between two seams where the counts of the parts add up to the whole.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "stats/text_stats.h"

namespace skorlin::stats {

// A place where a text can be cut so that its counts follow from those of the two parts
// counted apart: the left part ends at leftEnd, the right one starts at rightStart. Two
// kinds: a CR LF between two characters above 32 (the parts leave the pair out; their
// line counts add up), and the boundary between two characters above 32 one of which is
// ASCII punctuation, so that no word and no run of spaces goes across it (the parts share
// a line, counted in each). The characters on both sides of a seam belong to it.
struct StatsSeam {
  std::size_t leftEnd = 0;
  std::size_t rightStart = 0;
  std::size_t firstByte = 0;  // where the seam's first character begins
  std::size_t endByte = 0;    // where the character after the seam's last one begins
};

// The last seam lying wholly within text[0, end).
std::optional<StatsSeam> LastSeamWithin(std::string_view text, std::size_t end);
// The first seam lying wholly within text[from, size).
std::optional<StatsSeam> FirstSeamWithin(std::string_view text, std::size_t from);

// The counts of a text that changes by insertions and removals of bytes. It starts from
// the counts of a whole text (Reset); before each change it counts the piece the change
// will touch, between the nearest seams around it, and once the changes are made it
// counts that piece again: the new counts are the old ones less the old piece plus the
// new one, exactly CountTextStats of the new text. Where no seam lies within reach of a
// change, or the piece is too long to be worth it, the counts become unknown until the
// next Reset.
class LiveTextStats {
 public:
  // length bytes of the text from `from`, as the text stands when it is called.
  using ReadText = std::function<std::string_view(std::size_t from, std::size_t length)>;

  // How far from a change a seam is looked for, and the longest piece counted.
  static constexpr std::size_t kReach = std::size_t{16} << 10;
  static constexpr std::size_t kLongestPiece = std::size_t{1} << 20;

  explicit LiveTextStats(ReadText read) : read_(std::move(read)) {}

  // The counts of the text as it stands now.
  void Reset(const TextStats& counts);
  // The counts are no longer known (the text is being replaced whole).
  void Forget() { known_ = false; }
  bool Known() const { return known_; }

  // Before the text, of length bytes, changes: `removed` bytes at `at` are to go, or
  // `inserted` bytes are to come at `at`.
  void BeforeChange(std::size_t length, std::size_t at, std::size_t removed, std::size_t inserted);

  // The counts of the text as it stands once the changes announced are made, or nothing
  // when they are not known.
  std::optional<TextStats> Current();

 private:
  using Sums = std::array<std::int64_t, 7>;
  // The piece counted before the changes not yet settled, in the text's present
  // positions; a change between its guards leaves its seams untouched.
  struct Piece {
    std::size_t from = 0;
    std::size_t to = 0;
    std::size_t fromGuard = 0;
    std::size_t toGuard = 0;
  };

  void Settle();
  void AddPiece(const Piece& piece, int sign);

  ReadText read_;
  bool known_ = false;
  Sums sums_{};
  std::optional<Piece> pending_;
};

}  // namespace skorlin::stats
