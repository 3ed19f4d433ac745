// SPDX-License-Identifier: GPL-3.0-or-later
// Collapsing repeated text in one pass.
#include "format/collapse_spaces.h"

#include <algorithm>

#include "text/toolkit.h"

namespace skorlin::format {
namespace {

// Whether some proper prefix of find is also its suffix (occurrences may then overlap).
bool HasBorder(text::TextView find) {
  for (std::size_t k = 1; k < find.size(); ++k) {
    if (find.substr(0, k) == find.substr(find.size() - k)) return true;
  }
  return false;
}

text::Text ReplaceUntilGoneLiteral(text::Text s, text::TextView find, text::TextView repl) {
  while (text::FindStr(find, s, 1) != 0) s = text::ReplaceAll(s, find, repl);
  return s;
}

// Rewriting find -> repl, with repl shorter, always ends; it gives one result whatever order
// the occurrences are replaced in when every two overlapping occurrences (find overlapping
// itself on a border) lead to the same end. With no border nothing can overlap.
bool EveryOrderGivesOneResult(text::TextView find, text::TextView repl) {
  if (!HasBorder(find)) return true;
  for (std::size_t k = 1; k < find.size(); ++k) {
    if (find.substr(0, k) != find.substr(find.size() - k)) continue;
    // find and a second find that begins on its last k characters.
    text::Text left(repl);
    left += find.substr(k);
    text::Text right(find.substr(0, find.size() - k));
    right += repl;
    if (ReplaceUntilGoneLiteral(left, find, repl) != ReplaceUntilGoneLiteral(right, find, repl)) return false;
  }
  return true;
}

bool EndsWith(const text::Text& s, text::TextView tail) {
  return s.size() >= tail.size() && text::TextView(s).substr(s.size() - tail.size()) == tail;
}

// One left-to-right pass: every character read goes to the output; when the output ends
// with find, find is replaced by repl and the last find.size() - 1 characters before it go
// back to the input together with repl, so a new occurrence that the replacement creates is
// found as well. The output never holds find, so the result has none left.
text::Text ReplaceUntilGoneOnePass(text::TextView s, text::TextView find, text::TextView repl) {
  text::Text out;
  out.reserve(s.size());
  text::Text pending;  // characters to read again, the next one last
  std::size_t next = 0;
  while (!pending.empty() || next < s.size()) {
    if (pending.empty()) {
      out.push_back(s[next++]);
    } else {
      out.push_back(pending.back());
      pending.pop_back();
    }
    if (!EndsWith(out, find)) continue;
    out.resize(out.size() - find.size());
    pending.append(repl.rbegin(), repl.rend());
    const std::size_t back = std::min(out.size(), find.size() - 1);
    for (std::size_t j = 0; j < back; ++j) {
      pending.push_back(out.back());
      out.pop_back();
    }
  }
  return out;
}

}  // namespace

text::Text ReplaceUntilGone(text::TextView s, text::TextView find, text::TextView repl) {
  if (find.empty() || text::FindStr(find, s, 1) == 0) return text::Text(s);
  // A replacement that is not shorter could grow for ever: it is made once.
  if (repl.size() >= find.size()) return text::ReplaceAll(s, find, repl);
  if (!EveryOrderGivesOneResult(find, repl)) return ReplaceUntilGoneLiteral(text::Text(s), find, repl);
  return ReplaceUntilGoneOnePass(s, find, repl);
}

}  // namespace skorlin::format
