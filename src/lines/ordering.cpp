// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting, shuffling and inverting a view's lines, as spans of its text: only the result
// is built as a new string.
#include "lines/ordering.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "lines/line_index.h"
#include "lines/quick_sort.h"
#include "text/huge_pages.h"
#include "text/utf8.h"

namespace skorlin::lines {

namespace {

// The sort keys of a text's lines, each written once into blocks that never move, beside
// where its line begins: [line start][key after its first kPrefixBytes bytes, ending in 0].
template <typename Offset>
class KeyStore {
 public:
  // Stores the rest of a key; returns its record.
  const std::uint8_t* Add(Offset lineStart, const std::uint8_t* rest, std::size_t restSize) {
    const std::size_t size = sizeof(Offset) + restSize;
    if (used_ + size > capacity_) {
      capacity_ = std::max(kBlockBytes, size);
      blocks_.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(capacity_));
      text::PreferHugePages(blocks_.back().get(), capacity_);
      used_ = 0;
    }
    std::uint8_t* record = blocks_.back().get() + used_;
    std::memcpy(record, &lineStart, sizeof(Offset));
    std::memcpy(record + sizeof(Offset), rest, restSize);
    used_ += size;
    return record;
  }

  static Offset LineStart(const std::uint8_t* record) {
    Offset start;
    std::memcpy(&start, record, sizeof(Offset));
    return start;
  }
  static const char* Rest(const std::uint8_t* record) {
    return reinterpret_cast<const char*>(record + sizeof(Offset));
  }

 private:
  // Large blocks, which the allocator maps on their own and gives back whole when they go;
  // only the part written takes memory.
  static constexpr std::size_t kBlockBytes = std::size_t{32} << 20;
  std::vector<std::unique_ptr<std::uint8_t[]>> blocks_;
  std::size_t used_ = 0;
  std::size_t capacity_ = 0;
};

// A line as the sort sees it: the first eight bytes of its key as one number (zero-padded
// after the key's final 0), so most comparisons never leave the array being sorted, and
// its record in the key store. Once sorted, an item holds its line's start in place of
// the prefix.
struct KeyedLine {
  std::uint64_t prefix;
  const std::uint8_t* record;
};

constexpr std::size_t kPrefixBytes = 8;

std::uint64_t KeyPrefix(const std::vector<std::uint8_t>& key) {
  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < kPrefixBytes; ++i) prefix = (prefix << 8) | (i < key.size() ? key[i] : 0U);
  return prefix;
}

template <typename Offset>
int CompareKeys(const KeyedLine& a, const KeyedLine& b) {
  if (a.prefix != b.prefix) return a.prefix < b.prefix ? -1 : 1;
  if ((a.prefix & 0xFF) == 0) return 0;  // both keys ended within the prefix: equal
  return std::strcmp(KeyStore<Offset>::Rest(a.record), KeyStore<Offset>::Rest(b.record));
}

// A text of at least this many bytes has the keys of its two halves made on two threads.
constexpr std::size_t kTwoThreadBytes = std::size_t{64} << 10;

// Where the second half of a text's lines begins: the start of the line after the middle
// byte; 0 when the text is not worth two threads or the middle falls in its last line.
std::size_t HalfwayLineStart(std::string_view text) {
  if (text.size() < kTwoThreadBytes || std::thread::hardware_concurrency() < 2) return 0;
  const std::size_t end = text::FindBreakOrNul(text, text.size() / 2);
  if (end + 1 >= text.size()) return 0;
  const std::size_t next = text[end] == '\r' && text[end + 1] == '\n' ? end + 2 : end + 1;
  return next < text.size() ? next : 0;
}

// The lines of text that begin at startOf(item) for each item of list, in that order. Each
// line's end is looked for in the text, read out of its order: the line sixteen places
// ahead is asked for while the current one is measured.
template <typename List, typename StartOf>
text::LineViews LinesStartingAt(std::string_view text, const List& list, StartOf startOf) {
  text::LineViews lines;
  text::ReserveLarge(lines, list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i + kLinesAhead < list.size()) PrefetchLine(text, startOf(list[i + kLinesAhead]));
    const std::size_t start = startOf(list[i]);
    lines.push_back(text.substr(start, text::FindBreakOrNul(text, start) - start));
  }
  return lines;
}

// Writes the key and the item of every line of part (a view into text), in their order,
// from items on; returns how many.
template <typename Offset, typename KeyOf>
std::size_t KeyLines(std::string_view text, std::string_view part, KeyOf keyOf, KeyStore<Offset>& store,
                     KeyedLine* items) {
  std::vector<std::uint8_t> key;
  std::size_t count = 0;
  text::ForEachLine(part, [&](std::string_view line) {
    keyOf(line, key);
    const std::size_t rest = std::min(key.size() - 1, kPrefixBytes);  // the final 0 always stays
    const auto start = static_cast<Offset>(line.data() - text.data());
    items[count++] = {KeyPrefix(key), store.Add(start, key.data() + rest, key.size() - rest)};
  });
  return count;
}

// Sorts the lines of text by the keys that makeKeyOf(collator) writes;
// keysDone() runs between the keys and the sort. The keys of a long text's second half are
// made on a second thread, by a collator of the same locale, and its items are written
// into the one list right after where the first half's end: they come out in the same
// order as on one thread, so the sort's result is the same. The keys are let go before
// the result is built, so the memory a sort takes beside the text is its keys or its
// result, never both.
template <typename Offset, typename MakeKeyOf, typename KeysDone>
text::LineViews SortByKeys(std::string_view text, const LineCollator& collator, MakeKeyOf makeKeyOf,
                           KeysDone keysDone) {
  // Nothing after a NUL is a line.
  const std::string_view lines = text.substr(0, text.find('\0'));
  // Room for every line's item at once, of which only what is written takes memory.
  const std::size_t room = text::WholeTextSizeBound(lines) - lines.size();
  const auto storage = std::make_unique_for_overwrite<KeyedLine[]>(room);
  text::PreferHugePages(storage.get(), room * sizeof(KeyedLine));
  std::span<KeyedLine> items;
  {
    const std::string locale = collator.LocaleName();
    const std::size_t half = locale.empty() ? 0 : HalfwayLineStart(lines);
    KeyStore<Offset> store;
    KeyStore<Offset> secondStore;
    std::size_t secondFrom = 0;
    std::size_t secondCount = 0;
    std::future<void> second;
    if (half > 0) {
      second = std::async(std::launch::async, [&] {
        secondFrom = text::CountLineBreaks(lines.substr(0, half));
        const LineCollator sameLocale(locale);
        secondCount = KeyLines<Offset>(text, lines.substr(half), makeKeyOf(sameLocale), secondStore,
                                       storage.get() + secondFrom);
      });
    }
    const std::size_t firstCount = KeyLines<Offset>(text, half > 0 ? lines.substr(0, half) : lines,
                                                    makeKeyOf(collator), store, storage.get());
    if (second.valid()) {
      second.get();
      if (secondFrom != firstCount) throw std::logic_error("The halves of the sorted lines were miscounted");
    }
    items = std::span<KeyedLine>(storage.get(), firstCount + secondCount);
    keysDone();
    QuickSortLinesOnTwoThreads(
        items, [](const KeyedLine& a, const KeyedLine& b) { return CompareKeys<Offset>(a, b); });
    // The keys are done with: each item keeps only its line's start, in place of its
    // prefix, and the key stores go.
    for (KeyedLine& item : items) item.prefix = KeyStore<Offset>::LineStart(item.record);
  }
  return LinesStartingAt(text, items,
                         [](const KeyedLine& item) { return static_cast<std::size_t>(item.prefix); });
}

}  // namespace

CommandResult SortLines(std::string_view text, const LineCollator& collator) {
  text::LineViews sorted = WithOffsetsFor(text, [&](auto offset) {
    return SortByKeys<decltype(offset)>(
        text, collator,
        [](const LineCollator& keys) {
          return [&keys](std::string_view line, std::vector<std::uint8_t>& key) { keys.SortKey(line, key); };
        },
        [] {});
  });
  return text::DoneByLines(text, std::move(sorted), 0, "");
}

CommandResult MirrorSortLines(std::string_view text, const LineCollator& collator, const Progress& progress) {
  ProgressReporter reporter(progress);
  reporter.Show("Зерк. сорт. 0%");
  text::LineViews sorted = WithOffsetsFor(text, [&](auto offset) {
    return SortByKeys<decltype(offset)>(
        text, collator,
        [](const LineCollator& keys) {
          return [&keys, reversed = text::Text()](std::string_view line,
                                                  std::vector<std::uint8_t>& key) mutable {
            // The line's characters in reverse order: decoded one line at a time.
            text::DecodeUtf8Into(line, reversed);
            std::reverse(reversed.begin(), reversed.end());
            keys.SortKey(text::TextView(reversed), key);
          };
        },
        [&] { reporter.Show("Зерк. сорт. 50%"); });
  });
  return text::DoneByLines(text, std::move(sorted), 0, "Зерк. сорт. 100%");
}

namespace {

// A line's length in characters and where it begins.
template <typename Offset>
struct MeasuredLine {
  Offset characters;
  Offset start;
};

template <typename Offset>
text::LineViews SortByLength(std::string_view text) {
  std::vector<MeasuredLine<Offset>> lines;
  text::ReserveLarge(lines, text::WholeTextSizeBound(text) - text.size());
  text::ForEachLine(text, [&](std::string_view line) {
    lines.push_back(
        {static_cast<Offset>(text::CountUtf8Chars(line)), static_cast<Offset>(line.data() - text.data())});
  });
  QuickSortLines(lines, 0, static_cast<std::ptrdiff_t>(lines.size()) - 1,
                 [](const MeasuredLine<Offset>& a, const MeasuredLine<Offset>& b) {
                   return a.characters < b.characters ? -1 : (a.characters > b.characters ? 1 : 0);
                 });
  std::vector<Offset> starts;
  text::ReserveLarge(starts, lines.size());
  for (const MeasuredLine<Offset>& line : lines) starts.push_back(line.start);
  std::vector<MeasuredLine<Offset>>().swap(lines);
  return LinesStartingAt(text, starts, [](Offset start) { return static_cast<std::size_t>(start); });
}

}  // namespace

CommandResult SortLinesByLength(std::string_view text) {
  text::LineViews sorted =
      WithOffsetsFor(text, [&](auto offset) { return SortByLength<decltype(offset)>(text); });
  return text::DoneByLines(text, std::move(sorted), 0, "");
}

namespace {

// The shuffle's swap passes on a list of lines.
template <typename Lines>
void ShuffleList(Lines& lines, RandomGenerator& random, View view, const Progress& progress) {
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

}  // namespace

CommandResult ShuffleLines(std::string_view text, RandomGenerator& random, View view,
                           const Progress& progress) {
  text::LineViews shuffled = WithOffsetsFor(text, [&](auto offset) {
    LineIndex<decltype(offset)> lines = IndexLines<decltype(offset)>(text);
    ShuffleList(lines, random, view, progress);
    return ViewsOf(text, lines);
  });
  return text::DoneByLines(text, std::move(shuffled), 0, "Мешаем: 100%");
}

CommandResult InvertLines(std::string_view text) {
  text::LineViews lines = text::SplitLines(text);
  std::reverse(lines.begin(), lines.end());
  return text::DoneByLines(text, std::move(lines), 0, "");
}

}  // namespace skorlin::lines
