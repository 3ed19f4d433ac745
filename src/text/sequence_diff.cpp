// SPDX-License-Identifier: GPL-3.0-or-later
// The edit script of two sequences: common ends, anchors that occur once on each side,
// and items paired in order between the anchors.
#include "text/sequence_diff.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace skorlin::text {
namespace {

using Items = std::span<const std::uint32_t>;

// Collects the script; deletions and insertions wait until the next kept run, so each
// stretch of changes comes out as one run of deletions followed by one of insertions.
class ScriptBuilder {
 public:
  void Keep(std::size_t count) {
    if (count == 0) return;
    Flush();
    Append(EditOp::kKeep, count);
  }
  void Delete(std::size_t count) { deletions_ += count; }
  void Insert(std::size_t count) { insertions_ += count; }
  EditScript Finish() {
    Flush();
    return std::move(script_);
  }

 private:
  void Flush() {
    Append(EditOp::kDelete, deletions_);
    Append(EditOp::kInsert, insertions_);
    deletions_ = insertions_ = 0;
  }
  void Append(EditOp op, std::size_t count) {
    if (count == 0) return;
    if (!script_.empty() && script_.back().op == op) {
      script_.back().count += count;
    } else {
      script_.push_back({op, count});
    }
  }

  EditScript script_;
  std::size_t deletions_ = 0;
  std::size_t insertions_ = 0;
};

std::size_t CommonPrefix(Items a, Items b) {
  return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

std::size_t CommonSuffix(Items a, Items b) {
  return static_cast<std::size_t>(std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first -
                                  a.rbegin());
}

// Positions (in a, in b) of the items that occur exactly once in each, as many as can be
// kept in an order both share (the longest increasing run of b-positions, in a's order).
std::vector<std::pair<std::size_t, std::size_t>> UniqueAnchors(Items a, Items b) {
  struct Occurrence {
    std::size_t inA = 0;
    std::size_t inB = 0;
    std::size_t positionInB = 0;
  };
  std::unordered_map<std::uint32_t, Occurrence> occurrences;
  occurrences.reserve(a.size() + b.size());
  for (const std::uint32_t item : a) ++occurrences[item].inA;
  for (std::size_t j = 0; j < b.size(); ++j) {
    Occurrence& occurrence = occurrences[b[j]];
    ++occurrence.inB;
    occurrence.positionInB = j;
  }
  std::vector<std::pair<std::size_t, std::size_t>> candidates;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const Occurrence& occurrence = occurrences[a[i]];
    if (occurrence.inA == 1 && occurrence.inB == 1) candidates.emplace_back(i, occurrence.positionInB);
  }
  // Patience sorting: tails[k] ends the best run of length k + 1 found so far.
  std::vector<std::size_t> tails;
  std::vector<std::size_t> previous(candidates.size());
  for (std::size_t c = 0; c < candidates.size(); ++c) {
    const auto place =
        std::lower_bound(tails.begin(), tails.end(), candidates[c].second,
                         [&](std::size_t tail, std::size_t j) { return candidates[tail].second < j; });
    previous[c] = place == tails.begin() ? c : *(place - 1);
    if (place == tails.end()) {
      tails.push_back(c);
    } else {
      *place = c;
    }
  }
  std::vector<std::pair<std::size_t, std::size_t>> anchors(tails.size());
  if (!tails.empty()) {
    std::size_t c = tails.back();
    for (std::size_t k = anchors.size(); k-- > 0; c = previous[c]) anchors[k] = candidates[c];
  }
  return anchors;
}

// The shift of shorter along longer at which the most items pair with equal ones. Among
// equal shifts, the one whose left-out items are the most common ones of longer (their
// occurrences summed): blank lines, as a rule, which is what a formatted text drops at its
// ends. Then the smallest. Every shift is tried when there are few; otherwise the first
// few and the last, so the cost stays a small multiple of the length.
std::size_t BestShift(Items longer, Items shorter) {
  constexpr std::size_t kShiftsTried = 32;
  std::unordered_map<std::uint32_t, std::size_t> occurrences;
  for (const std::uint32_t item : longer) ++occurrences[item];
  // commonnessBefore[k]: the occurrences of the first k items of longer, summed.
  std::vector<std::size_t> commonnessBefore(longer.size() + 1, 0);
  for (std::size_t k = 0; k < longer.size(); ++k) {
    commonnessBefore[k + 1] = commonnessBefore[k] + occurrences[longer[k]];
  }
  const std::size_t extra = longer.size() - shorter.size();
  std::size_t best = 0;
  std::size_t bestMatches = 0;
  std::size_t bestCommonness = 0;
  for (std::size_t shift = 0; shift <= extra; ++shift) {
    if (shift == kShiftsTried && extra > kShiftsTried) shift = extra;
    std::size_t matches = 0;
    for (std::size_t k = 0; k < shorter.size(); ++k) matches += longer[shift + k] == shorter[k] ? 1 : 0;
    const std::size_t leftOutCommonness =
        commonnessBefore[shift] + commonnessBefore[longer.size()] - commonnessBefore[shift + shorter.size()];
    if (shift == 0 || matches > bestMatches ||
        (matches == bestMatches && leftOutCommonness > bestCommonness)) {
      best = shift;
      bestMatches = matches;
      bestCommonness = leftOutCommonness;
    }
  }
  return best;
}

void PairInOrder(Items a, Items b, ScriptBuilder& script) {
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (a[k] == b[k]) {
      script.Keep(1);
    } else {
      script.Delete(1);
      script.Insert(1);
    }
  }
}

// The stretch between two anchors: its common ends kept, the rest paired in order at the
// best shift, the items beyond the pairing deleted or inserted.
void AlignGap(Items a, Items b, ScriptBuilder& script) {
  const std::size_t prefix = CommonPrefix(a, b);
  script.Keep(prefix);
  a = a.subspan(prefix);
  b = b.subspan(prefix);
  const std::size_t suffix = CommonSuffix(a, b);
  a = a.first(a.size() - suffix);
  b = b.first(b.size() - suffix);
  if (a.empty() || b.empty()) {
    script.Delete(a.size());
    script.Insert(b.size());
  } else if (a.size() >= b.size()) {
    const std::size_t shift = BestShift(a, b);
    script.Delete(shift);
    PairInOrder(a.subspan(shift, b.size()), b, script);
    script.Delete(a.size() - b.size() - shift);
  } else {
    const std::size_t shift = BestShift(b, a);
    script.Insert(shift);
    PairInOrder(a, b.subspan(shift, a.size()), script);
    script.Insert(b.size() - a.size() - shift);
  }
  script.Keep(suffix);
}

}  // namespace

EditScript DiffSequences(std::span<const std::uint32_t> before, std::span<const std::uint32_t> after) {
  ScriptBuilder script;
  const std::size_t prefix = CommonPrefix(before, after);
  script.Keep(prefix);
  Items a = before.subspan(prefix);
  Items b = after.subspan(prefix);
  const std::size_t suffix = CommonSuffix(a, b);
  a = a.first(a.size() - suffix);
  b = b.first(b.size() - suffix);
  std::size_t i = 0;
  std::size_t j = 0;
  for (const auto& [anchorA, anchorB] : UniqueAnchors(a, b)) {
    AlignGap(a.subspan(i, anchorA - i), b.subspan(j, anchorB - j), script);
    script.Keep(1);
    i = anchorA + 1;
    j = anchorB + 1;
  }
  AlignGap(a.subspan(i), b.subspan(j), script);
  script.Keep(suffix);
  return script.Finish();
}

}  // namespace skorlin::text
