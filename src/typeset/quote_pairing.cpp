// SPDX-License-Identifier: GPL-3.0-or-later
#include "typeset/quote_pairing.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace skorlin::typeset {
namespace {

using text::Char;

constexpr Char kStraight = U'"';

// Where a quote stands: its line and its index in the line.
struct Place {
  std::size_t line;
  std::size_t index;
};

// An opening quote waiting for its pair.
struct Opener {
  Place place;
  bool straight;
  bool lowOpening;  // a „, which a “ closes
  bool code;        // the value of an attribute, right after "=": it and its pair stay straight
};

bool IsQuoteMark(Char c) {
  return c == kStraight || c == U'«' || c == U'»' || c == U'„' || c == U'“' || c == U'”';
}

bool IsBlankOrNone(Char c) { return c == 0 || c == U' ' || c == U'\u00A0' || c == U'\t'; }

// What may stand right before an opening quote besides a blank: a bracket, a dash, another
// opening quote.
bool OpensBefore(Char c) {
  return IsBlankOrNone(c) || text::TextView(U"([{«„“—–-/").find(c) != text::TextView::npos;
}

// What may stand right after a closing quote besides a blank: a sign that ends a sentence
// or a clause, a closing bracket or quote, a dash.
bool ClosesBefore(Char c) {
  return IsBlankOrNone(c) || text::TextView(U".,;:!?…)]}»“”—–-/").find(c) != text::TextView::npos;
}

bool operator==(Place a, Place b) { return a.line == b.line && a.index == b.index; }

// One walk over the quotes of a paragraph. The quotes it is told to pass over (openers that
// found no pair in an earlier walk) count as no quotes: a stray quote must not push the
// quotations after it one level in.
class Pairing {
 public:
  Pairing(std::span<const text::Text> lines, const std::vector<Place>& passedOver)
      : lines_(lines), passedOver_(passedOver) {}

  void Run() {
    for (std::size_t l = 0; l < lines_.size(); ++l) {
      const text::Text& line = lines_[l];
      for (std::size_t i = 0; i < line.size(); ++i) {
        if (!IsQuoteMark(line[i])) continue;
        if (std::find(passedOver_.begin(), passedOver_.end(), Place{l, i}) == passedOver_.end())
          Visit({l, i}, line[i]);
      }
    }
  }

  // The typographic quotes the straight ones of the pairs become.
  const std::vector<std::pair<Place, Char>>& Decided() const { return decided_; }
  // The straight quotes that opened a quotation the paragraph does not close.
  std::vector<Place> UnpairedOpeners() const {
    std::vector<Place> places;
    for (const Opener& opener : open_) {
      if (opener.straight && !opener.code) places.push_back(opener.place);
    }
    return places;
  }

 private:
  Char At(std::size_t l, std::size_t i, std::ptrdiff_t offset) const {
    const auto k = static_cast<std::ptrdiff_t>(i) + offset;
    const text::Text& line = lines_[l];
    return k >= 0 && static_cast<std::size_t>(k) < line.size() ? line[static_cast<std::size_t>(k)] : 0;
  }

  void Visit(Place place, Char c) {
    switch (c) {
      case U'«':
        Open(place, false, false);
        break;
      case U'„':
        Open(place, false, true);
        break;
      case U'»':
      case U'”':
        Close(place, false);
        break;
      case U'“':
        // Closes a „; otherwise, before a word, it opens (as English quotes do).
        if ((open_.empty() || !open_.back().lowOpening) && !IsBlankOrNone(At(place.line, place.index, 1)) &&
            OpensBefore(At(place.line, place.index, -1))) {
          Open(place, false, false);
        } else {
          Close(place, false);
        }
        break;
      case kStraight:
        VisitStraight(place);
        break;
      default:
        break;
    }
  }

  void VisitStraight(Place place) {
    const Char before = At(place.line, place.index, -1);
    const Char after = At(place.line, place.index, 1);
    const bool mayOpen = OpensBefore(before) && !IsBlankOrNone(after);
    const bool mayClose = !IsBlankOrNone(before) && ClosesBefore(after);
    // By what stands around it; where that cannot tell, it closes a quotation left open, or
    // opens one.
    const bool opens = mayOpen != mayClose ? mayOpen : open_.empty();
    if (before == U'=') {
      open_.push_back({place, true, false, true});
    } else if (opens) {
      Open(place, true, false);
    } else {
      Close(place, true);
    }
  }

  void Open(Place place, bool straight, bool lowOpening) {
    open_.push_back({place, straight, lowOpening, false});
  }

  void Close(Place place, bool straight) {
    if (open_.empty()) return;  // no quotation to close: a straight one stays straight
    const Opener opener = open_.back();
    open_.pop_back();
    if (opener.code) return;
    const bool inner = !open_.empty();
    if (opener.straight) decided_.emplace_back(opener.place, inner ? U'„' : U'«');
    if (straight) decided_.emplace_back(place, inner ? U'“' : U'»');
  }

  std::span<const text::Text> lines_;
  const std::vector<Place>& passedOver_;
  std::vector<Opener> open_;
  std::vector<std::pair<Place, Char>> decided_;
};

}  // namespace

void PairQuotes(std::span<text::Text> lines) {
  std::vector<Place> passedOver;
  Pairing first(lines, passedOver);
  first.Run();
  passedOver = first.UnpairedOpeners();
  if (passedOver.empty()) {
    for (const auto& [place, quote] : first.Decided()) lines[place.line][place.index] = quote;
    return;
  }
  Pairing second(lines, passedOver);
  second.Run();
  for (const auto& [place, quote] : second.Decided()) lines[place.line][place.index] = quote;
}

}  // namespace skorlin::typeset
