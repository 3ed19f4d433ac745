// SPDX-License-Identifier: GPL-3.0-or-later
// A view's lines as compact spans of its UTF-8 text, for the commands that reorder lines
// or visit them out of order: 8 bytes a line for a text below 4 GiB.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/huge_pages.h"
#include "text/line_list.h"

namespace skorlin::lines {

template <typename Offset>
struct LineSpan {
  Offset start;
  Offset length;
};

template <typename Offset>
using LineIndex = std::vector<LineSpan<Offset>>;

// The lines of text as text::SplitLines gives them.
template <typename Offset>
LineIndex<Offset> IndexLines(std::string_view text) {
  LineIndex<Offset> lines;
  // One line more than there are line breaks at most.
  text::ReserveLarge(lines, text::WholeTextSizeBound(text) - text.size());
  text::ForEachLine(text, [&](std::string_view line) {
    lines.push_back({static_cast<Offset>(line.data() - text.data()), static_cast<Offset>(line.size())});
  });
  return lines;
}

template <typename Offset>
std::string_view LineAt(std::string_view text, LineSpan<Offset> span) {
  return text.substr(span.start, span.length);
}

// A join that reads the lines out of their order in the text would wait for memory at
// every line: it asks for the line this many lines ahead while it copies the current one.
constexpr std::size_t kLinesAhead = 16;

inline void PrefetchLine(std::string_view text, std::size_t start) {
  __builtin_prefetch(text.data() + start);
}

// The lines in the order of the index, as views into text.
template <typename Offset>
text::LineViews ViewsOf(std::string_view text, const LineIndex<Offset>& lines) {
  text::LineViews views;
  text::ReserveLarge(views, lines.size());
  for (const LineSpan<Offset> span : lines) views.push_back(LineAt(text, span));
  return views;
}

// Calls work(Offset{}) with the smallest offset type that reaches every byte of text:
// 32 bits below 4 GiB, else 64.
template <typename Work>
decltype(auto) WithOffsetsFor(std::string_view text, Work&& work) {
  if (text.size() < UINT32_MAX) return work(std::uint32_t{});
  return work(std::uint64_t{});
}

}  // namespace skorlin::lines
