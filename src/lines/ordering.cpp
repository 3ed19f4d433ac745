// Sorting, shuffling and inverting a view's lines, as views into its text: only the
// result is built as a new string.
#include "lines/ordering.h"

#include <algorithm>
#include <cstring>

#include "lines/line_views.h"
#include "lines/quick_sort.h"

namespace skorlin::lines {

using text::Text;
using text::TextView;

namespace {

// A line and its sort key: the key is computed once, and each comparison of the sort is
// a bytewise comparison of two keys. The first eight bytes of the key travel with the item
// as one number (zero-padded after the key's final 0), so most comparisons never leave
// the array being sorted.
struct KeyedLine {
  std::uint64_t prefix;
  const std::uint8_t* key;
  TextView line;
};

constexpr std::size_t kPrefixBytes = 8;

std::uint64_t KeyPrefix(const std::uint8_t* key) {
  std::uint64_t prefix = 0;
  bool ended = false;
  for (std::size_t i = 0; i < kPrefixBytes; ++i) {
    if (!ended && key[i] == 0) ended = true;
    prefix = (prefix << 8) | (ended ? 0U : key[i]);
  }
  return prefix;
}

int CompareKeys(const KeyedLine& a, const KeyedLine& b) {
  if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
  if ((a.prefix & 0xFF) == 0) return 0;  // both keys ended within the prefix: equal
  return std::strcmp(reinterpret_cast<const char*>(a.key + kPrefixBytes),
                     reinterpret_cast<const char*>(b.key + kPrefixBytes));
}

// Sorts lines by the keys of keyTexts (the lines themselves, or their reversed texts).
LineViews SortByKeys(const LineViews& lines, const LineViews& keyTexts, const LineCollator& collator) {
  std::vector<std::uint8_t> keys;
  std::vector<std::size_t> offsets;
  offsets.reserve(lines.size());
  for (const TextView keyText : keyTexts) {
    offsets.push_back(keys.size());
    collator.AppendSortKey(keyText, keys);
  }
  std::vector<KeyedLine> items;
  items.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::uint8_t* key = keys.data() + offsets[i];
    items.push_back({KeyPrefix(key), key, lines[i]});
  }
  QuickSortLines(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1, CompareKeys);
  LineViews sorted;
  sorted.reserve(items.size());
  for (const KeyedLine& item : items) sorted.push_back(item.line);
  return sorted;
}

}  // namespace

LineCommandResult SortLines(TextView text, const LineCollator& collator) {
  const LineViews lines = SplitLineViews(text);
  return {JoinLineViews(SortByKeys(lines, lines, collator)), 0, ""};
}

LineCommandResult MirrorSortLines(TextView text, const LineCollator& collator, const Progress& progress) {
  ProgressReporter reporter(progress);
  reporter.Show("Зерк. сорт. 0%");
  const LineViews lines = SplitLineViews(text);
  // The reversed lines, one after another in a single buffer.
  Text reversed;
  std::size_t total = 0;
  for (const TextView line : lines) total += line.size();
  reversed.reserve(total);
  for (const TextView line : lines) reversed.append(line.rbegin(), line.rend());
  LineViews reversedLines;
  reversedLines.reserve(lines.size());
  std::size_t offset = 0;
  for (const TextView line : lines) {
    reversedLines.emplace_back(reversed.data() + offset, line.size());
    offset += line.size();
  }
  reporter.Show("Зерк. сорт. 50%");
  return {JoinLineViews(SortByKeys(lines, reversedLines, collator)), 0, "Зерк. сорт. 100%"};
}

LineCommandResult SortLinesByLength(TextView text) {
  LineViews lines = SplitLineViews(text);
  QuickSortLines(lines, 0, static_cast<std::ptrdiff_t>(lines.size()) - 1, [](TextView a, TextView b) {
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
  });
  return {JoinLineViews(lines), 0, ""};
}

namespace {

// The shuffle's swap passes on a list of line views of either kind.
template <typename Views>
void ShuffleViews(Views& lines, RandomGenerator& random, View view, const Progress& progress) {
  ProgressReporter reporter(progress);
  const std::size_t n = lines.size();
  // The generator draws from 32-bit ranges; a view never holds 2^32 lines.
  const auto count = static_cast<std::uint32_t>(std::min<std::size_t>(n, UINT32_MAX));
  const auto step = [&](std::size_t b) {
    std::swap(lines[b], lines[random.RandomInt(count)]);
    if (b % 10 != 0 || !reporter.Active()) return;
    const std::int64_t percent = Percent(b, n - 1);
    if (reporter.Due(percent)) reporter.Show("Мешаем: " + std::to_string(percent) + "%");
  };
  if (view == View::kInput) {
    for (std::size_t b = 0; b < n; ++b) step(b);
  } else {
    for (std::size_t b = 0; b + 1 < n; b += 1 + random.RandomInt(3)) step(b);
  }
}

constexpr char kShuffleCaption[] = "Мешаем: 100%";

}  // namespace

LineCommandResult ShuffleLines(TextView text, RandomGenerator& random, View view, const Progress& progress) {
  LineViews lines = SplitLineViews(text);
  ShuffleViews(lines, random, view, progress);
  return {JoinLineViews(lines), 0, kShuffleCaption};
}

LineCommandResult InvertLines(TextView text) {
  LineViews lines = SplitLineViews(text);
  std::reverse(lines.begin(), lines.end());
  return {JoinLineViews(lines), 0, ""};
}

ByteLineResult ShuffleLineBytes(std::string_view bytes, RandomGenerator& random, View view,
                                const Progress& progress) {
  std::vector<std::string_view> lines = SplitLineViewsOf(bytes);
  ShuffleViews(lines, random, view, progress);
  return {std::move(lines), kShuffleCaption};
}

ByteLineResult InvertLineBytes(std::string_view bytes) {
  std::vector<std::string_view> lines = SplitLineViewsOf(bytes);
  std::reverse(lines.begin(), lines.end());
  return {std::move(lines), ""};
}

}  // namespace skorlin::lines
