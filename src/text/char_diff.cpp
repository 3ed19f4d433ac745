// SPDX-License-Identifier: GPL-3.0-or-later
// The character diff of two lines: their common ends kept, the middle by the shortest
// script when it is found quickly, else by the linear diff of sequences.
#include "text/char_diff.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "text/utf8.h"

namespace skorlin::text {
namespace {

// Appends a run, joining it to the last one when they do the same.
void AppendRun(EditScript& script, EditOp op, std::size_t count) {
  if (count == 0) return;
  if (!script.empty() && script.back().op == op) {
    script.back().count += count;
  } else {
    script.push_back({op, count});
  }
}

// Runs in order, each stretch between two kept runs as its deletions, then its insertions.
void AppendInOrder(EditScript& script, const EditScript& runs) {
  std::size_t deletions = 0;
  std::size_t insertions = 0;
  const auto flush = [&] {
    AppendRun(script, EditOp::kDelete, deletions);
    AppendRun(script, EditOp::kInsert, insertions);
    deletions = insertions = 0;
  };
  for (const EditRun& run : runs) {
    if (run.op == EditOp::kKeep) {
      flush();
      AppendRun(script, EditOp::kKeep, run.count);
    } else {
      (run.op == EditOp::kDelete ? deletions : insertions) += run.count;
    }
  }
  flush();
}

// Furthest reach on each diagonal k = x - y (x characters of a and y of b consumed) after
// d deletions and insertions, for every d so far: the row of d holds the diagonals -d to d
// and starts at d * d.
class Reach {
 public:
  // The rows live in storage kept for the next diff on the same thread: a text is diffed
  // line after line.
  Reach() : rows_(Storage()) { rows_.clear(); }
  std::ptrdiff_t At(std::ptrdiff_t d, std::ptrdiff_t k) const {
    return rows_[static_cast<std::size_t>(d * d + k + d)];
  }
  void AddRow(std::ptrdiff_t d, const std::vector<std::ptrdiff_t>& current, std::ptrdiff_t middle) {
    const auto first = current.begin() + (middle - d);
    rows_.insert(rows_.end(), first, first + 2 * d + 1);
  }

 private:
  static std::vector<std::ptrdiff_t>& Storage() {
    thread_local std::vector<std::ptrdiff_t> storage;
    return storage;
  }
  std::vector<std::ptrdiff_t>& rows_;
};

// Whether the path to diagonal k after d steps comes down from diagonal k + 1 (an
// insertion) rather than across from k - 1 (a deletion), given the reach of step d - 1.
template <typename Previous>
bool ComesByInsertion(std::ptrdiff_t d, std::ptrdiff_t k, const Previous& previous) {
  return k == -d || (k != d && previous(k - 1) < previous(k + 1));
}

// Walks the path that reached (a.size(), b.size()) after d steps back to the start.
EditScript TracePath(std::ptrdiff_t x, std::ptrdiff_t y, std::ptrdiff_t d, const Reach& reach) {
  EditScript backwards;
  for (; d > 0; --d) {
    const std::ptrdiff_t k = x - y;
    const auto previous = [&](std::ptrdiff_t diagonal) { return reach.At(d - 1, diagonal); };
    const bool insertion = ComesByInsertion(d, k, previous);
    const std::ptrdiff_t previousK = insertion ? k + 1 : k - 1;
    const std::ptrdiff_t previousX = previous(previousK);
    const std::ptrdiff_t stepX = insertion ? previousX : previousX + 1;
    AppendRun(backwards, EditOp::kKeep, static_cast<std::size_t>(x - stepX));
    AppendRun(backwards, insertion ? EditOp::kInsert : EditOp::kDelete, 1);
    x = previousX;
    y = previousX - previousK;
  }
  AppendRun(backwards, EditOp::kKeep, static_cast<std::size_t>(x));
  std::reverse(backwards.begin(), backwards.end());
  EditScript script;
  AppendInOrder(script, backwards);
  return script;
}

// The script with the fewest deletions and insertions, found by extending the furthest
// reach on every diagonal one step at a time; nothing when it needs more than maxEdits.
std::optional<EditScript> ShortestScript(TextView a, TextView b, std::size_t maxEdits) {
  const auto n = static_cast<std::ptrdiff_t>(a.size());
  const auto m = static_cast<std::ptrdiff_t>(b.size());
  const std::ptrdiff_t limit = std::min(n + m, static_cast<std::ptrdiff_t>(maxEdits));
  const std::ptrdiff_t middle = limit + 1;
  thread_local std::vector<std::ptrdiff_t> current;
  current.assign(static_cast<std::size_t>(2 * limit + 3), 0);
  const auto at = [&](std::ptrdiff_t k) -> std::ptrdiff_t& {
    return current[static_cast<std::size_t>(middle + k)];
  };
  Reach reach;
  for (std::ptrdiff_t d = 0; d <= limit; ++d) {
    for (std::ptrdiff_t k = -d; k <= d; k += 2) {
      std::ptrdiff_t x = ComesByInsertion(d, k, at) ? at(k + 1) : at(k - 1) + 1;
      std::ptrdiff_t y = x - k;
      while (x < n && y < m && a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)]) {
        ++x;
        ++y;
      }
      at(k) = x;
      if (x >= n && y >= m) return TracePath(n, m, d, reach);
    }
    reach.AddRow(d, current, middle);
  }
  return std::nullopt;
}

std::vector<std::uint32_t> Codes(TextView text) { return {text.begin(), text.end()}; }

}  // namespace

EditScript DiffCharacters(TextView before, TextView after) {
  const std::size_t prefix = static_cast<std::size_t>(
      std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first - before.begin());
  TextView a = before.substr(prefix);
  TextView b = after.substr(prefix);
  const std::size_t suffix =
      static_cast<std::size_t>(std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first - a.rbegin());
  a.remove_suffix(suffix);
  b.remove_suffix(suffix);

  EditScript script;
  AppendRun(script, EditOp::kKeep, prefix);
  const std::size_t length = a.size() + b.size();
  const std::size_t maxEdits = std::min(kMaxExactEdits, kExactWork / std::max<std::size_t>(length, 1));
  if (const std::optional<EditScript> shortest = ShortestScript(a, b, maxEdits)) {
    AppendInOrder(script, *shortest);
  } else {
    AppendInOrder(script, DiffSequences(Codes(a), Codes(b)));
  }
  AppendRun(script, EditOp::kKeep, suffix);
  return script;
}

std::vector<CharChange> CharChanges(TextView before, TextView after) {
  std::vector<CharChange> changes;
  if (before == after) return changes;
  const EditScript script = DiffCharacters(before, after);
  std::size_t position = 0;
  for (std::size_t r = 0; r < script.size(); ++r) {
    const EditRun& run = script[r];
    if (run.op == EditOp::kKeep) {
      position += run.count;
      continue;
    }
    std::size_t inserted = run.op == EditOp::kInsert ? run.count : 0;
    // Deletions followed by insertions: the inserted characters took the deleted ones' place.
    if (run.op == EditOp::kDelete && r + 1 < script.size() && script[r + 1].op == EditOp::kInsert) {
      inserted = script[++r].count;
    }
    changes.push_back({position, inserted});
    position += inserted;
  }
  return changes;
}

void AppendUtf8CharChanges(TextView before, TextView after, std::size_t firstByte,
                           std::vector<CharChange>& changes) {
  std::size_t character = 0;
  std::size_t byte = firstByte;
  const auto byteAt = [&](std::size_t position) {
    for (; character < position; ++character) byte += Utf8Length(after[character]);
    return byte;
  };
  for (const CharChange& change : CharChanges(before, after)) {
    const std::size_t begin = byteAt(change.begin);
    changes.push_back({begin, byteAt(change.begin + change.length) - begin});
  }
}

}  // namespace skorlin::text
