// SPDX-License-Identifier: GPL-3.0-or-later
// A unified diff of two byte texts: their lines numbered, the edit script of the numbers,
// and the script written out in hunks.
#include "text/unified_diff.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "text/sequence_diff.h"

namespace skorlin::text {
namespace {

constexpr std::size_t kContext = 3;

using ByteLines = std::vector<std::string_view>;

// Each line with its LF; the last one may have none.
ByteLines SplitAtLineFeeds(std::string_view text) {
  ByteLines lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

// The same number for equal lines of either text.
class LineNumbering {
 public:
  std::vector<std::uint32_t> Number(const ByteLines& lines) {
    std::vector<std::uint32_t> numbers;
    numbers.reserve(lines.size());
    for (const std::string_view line : lines) {
      numbers.push_back(
          numbers_.try_emplace(line, static_cast<std::uint32_t>(numbers_.size())).first->second);
    }
    return numbers;
  }

 private:
  std::unordered_map<std::string_view, std::uint32_t> numbers_;
};

// A file name as diff writes it in a header: in C quotes when it holds anything beyond
// printable ASCII, a space, a quote or a backslash.
std::string QuotedName(std::string_view name) {
  const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > ' ' && byte < 0x7F && c != '"' && c != '\\';
  });
  if (plain) return std::string(name);
  static constexpr std::string_view kEscaped = "\a\b\f\n\r\t\v\"\\";
  static constexpr std::string_view kEscapes = "abfnrtv\"\\";
  std::string quoted = "\"";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (const std::size_t k = kEscaped.find(c); k != std::string_view::npos) {
      quoted += '\\';
      quoted += kEscapes[k];
    } else if (byte < ' ' || byte >= 0x7F) {
      quoted += '\\';
      quoted += static_cast<char>('0' + (byte >> 6));
      quoted += static_cast<char>('0' + ((byte >> 3) & 7));
      quoted += static_cast<char>('0' + (byte & 7));
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

// A stretch of lines that differs: [oldBegin, oldEnd) of the first text became
// [newBegin, newEnd) of the second.
struct Change {
  std::size_t oldBegin, oldEnd, newBegin, newEnd;
};

std::vector<Change> ChangesOf(const EditScript& script) {
  std::vector<Change> changes;
  std::size_t oldAt = 0;
  std::size_t newAt = 0;
  bool inChange = false;
  for (const EditRun& run : script) {
    if (run.op == EditOp::kKeep) {
      oldAt += run.count;
      newAt += run.count;
      inChange = false;
      continue;
    }
    if (!inChange) changes.push_back({oldAt, oldAt, newAt, newAt});
    inChange = true;
    if (run.op == EditOp::kDelete) {
      oldAt += run.count;
      changes.back().oldEnd = oldAt;
    } else {
      newAt += run.count;
      changes.back().newEnd = newAt;
    }
  }
  return changes;
}

// "start,count" of a hunk's range as diff writes it: the start is the line before an empty
// range, and a count of 1 is left out.
std::string Range(std::size_t begin, std::size_t end) {
  const std::size_t count = end - begin;
  if (count == 1) return std::to_string(begin + 1);
  return std::to_string(count == 0 ? begin : begin + 1) + "," + std::to_string(count);
}

void AppendLines(std::string& out, char mark, const ByteLines& lines, std::size_t begin, std::size_t end) {
  for (std::size_t k = begin; k < end; ++k) {
    out += mark;
    out += lines[k];
    if (lines[k].back() != '\n') out += "\n\\ No newline at end of file\n";
  }
}

}  // namespace

std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName) {
  if (before == after) return {};
  const ByteLines oldLines = SplitAtLineFeeds(before);
  const ByteLines newLines = SplitAtLineFeeds(after);
  LineNumbering numbering;
  const std::vector<std::uint32_t> oldNumbers = numbering.Number(oldLines);
  const std::vector<std::uint32_t> newNumbers = numbering.Number(newLines);
  const std::vector<Change> changes = ChangesOf(DiffSequences(oldNumbers, newNumbers));

  std::string out = "--- " + QuotedName(beforeName) + "\n+++ " + QuotedName(afterName) + "\n";
  for (std::size_t first = 0; first < changes.size();) {
    std::size_t last = first;
    while (last + 1 < changes.size() && changes[last + 1].oldBegin - changes[last].oldEnd <= 2 * kContext)
      ++last;
    // Kept lines stand before the first change and after the last one in equal numbers on
    // both sides, so the context reaches as far on both.
    const std::size_t leading = std::min(kContext, changes[first].oldBegin);
    const std::size_t trailing = std::min(kContext, oldLines.size() - changes[last].oldEnd);
    const std::size_t oldStart = changes[first].oldBegin - leading;
    const std::size_t newStart = changes[first].newBegin - leading;
    out += "@@ -" + Range(oldStart, changes[last].oldEnd + trailing) + " +" +
           Range(newStart, changes[last].newEnd + trailing) + " @@\n";
    std::size_t oldAt = oldStart;
    for (std::size_t c = first; c <= last; ++c) {
      AppendLines(out, ' ', oldLines, oldAt, changes[c].oldBegin);
      AppendLines(out, '-', oldLines, changes[c].oldBegin, changes[c].oldEnd);
      AppendLines(out, '+', newLines, changes[c].newBegin, changes[c].newEnd);
      oldAt = changes[c].oldEnd;
    }
    AppendLines(out, ' ', oldLines, oldAt, changes[last].oldEnd + trailing);
    first = last + 1;
  }
  return out;
}

}  // namespace skorlin::text
