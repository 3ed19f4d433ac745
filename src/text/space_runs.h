// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of spaces collapsed to one space in one pass, on Text and on UTF-8 alike: the line
// normalizer, the line command that deletes double spaces and the name commands all need it.
#pragma once

#include <cstddef>
#include <string>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/text.h"

namespace skorlin::text {

namespace detail {

// The index of the second space of the first two adjacent spaces whose second space lies
// at from or later (from >= 1), or size when there are none. Blocks of characters are
// tested without a branch per character, since most text has no double space at all.
template <typename CharT>
std::size_t SecondOfDoubleSpace(const CharT* data, std::size_t from, std::size_t size) {
  constexpr std::size_t kBlock = 16;
  std::size_t in = from;
#if defined(__SSE2__)
  if constexpr (sizeof(CharT) == 1) {
    // A byte is the second of a pair when it and the byte before it are spaces: sixteen
    // bytes and the sixteen before them by one compared at once.
    const __m128i space = _mm_set1_epi8(' ');
    for (; in + kBlock <= size; in += kBlock) {
      const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + in));
      const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + in - 1));
      const auto pairs = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, space), _mm_cmpeq_epi8(before, space))));
      if (pairs != 0) return in + static_cast<std::size_t>(__builtin_ctz(pairs));
    }
  }
#endif
  for (; in + kBlock <= size; in += kBlock) {
    unsigned found = 0;
    for (std::size_t k = in; k < in + kBlock; ++k) {
      found |= unsigned{data[k] == CharT{' '}} & unsigned{data[k - 1] == CharT{' '}};
    }
    if (found != 0) break;
  }
  while (in < size && !(data[in] == CharT{' '} && data[in - 1] == CharT{' '})) ++in;
  return in;
}

struct NoRunObserver {
  void operator()(std::size_t, std::size_t, std::size_t) const {}
};

}  // namespace detail

// Every run of two or more spaces in s becomes one space, in s's own storage; returns the
// number of spaces removed. Tabs, non-breaking spaces and the other blanks stay. Works on
// Text and on UTF-8 alike (a space is one unit of either). Before a run is collapsed,
// onRun(start, runLength, removedBefore) sees where it starts in s as given, how long it
// is and how many spaces went before it; s from the end of the previous run up to start
// still holds the text as given then.
template <typename String, typename OnRun = detail::NoRunObserver>
std::size_t CollapseSpaceRuns(String& s, OnRun&& onRun = {}) {
  using CharT = typename String::value_type;
  CharT* const data = s.data();
  const std::size_t size = s.size();
  std::size_t removed = 0;
  std::size_t read = 0;   // where the text still to be copied begins
  std::size_t write = 0;  // where it goes
  for (;;) {
    const std::size_t second = detail::SecondOfDoubleSpace(data, read + 1, size);
    if (second >= size) break;
    const std::size_t runStart = second - 1;
    std::size_t runEnd = second + 1;
    while (runEnd < size && data[runEnd] == CharT{' '}) ++runEnd;
    onRun(runStart, runEnd - runStart, removed);
    // The text before the run and the run's first space stay.
    const std::size_t kept = runStart + 1 - read;
    if (write != read) std::char_traits<CharT>::move(data + write, data + read, kept);
    write += kept;
    removed += runEnd - second;
    read = runEnd;
  }
  if (removed == 0) return 0;
  std::char_traits<CharT>::move(data + write, data + read, size - read);
  s.resize(write + size - read);
  return removed;
}

// Every run of spaces becomes a single space; TAB and the other blanks are untouched.
Text CollapseSpaces(TextView s);
// The same, in the string's own storage.
inline void CollapseSpacesInPlace(Text& s) { CollapseSpaceRuns(s); }

}  // namespace skorlin::text
