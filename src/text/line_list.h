// SPDX-License-Identifier: GPL-3.0-or-later
// A text as a list of lines, and back: the one splitter and the one joiner of the
// program. Both work on UTF-8 (a view's whole text) and on Text (a line's characters), as
// CR, LF and NUL are single units of either that never stand inside another character.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/huge_pages.h"
#include "text/text.h"
#include "text/word_bits.h"

namespace skorlin::text {

// The lines of a UTF-8 text, as views into it.
using LineViews = std::vector<std::string_view>;

// The index of the first CR, LF or NUL of text at from or after; text.size() when none.
template <typename CharT>
std::size_t FindBreakOrNul(std::basic_string_view<CharT> text, std::size_t from) {
  const CharT* const data = text.data();
  const std::size_t size = text.size();
  std::size_t i = from;
  if constexpr (sizeof(CharT) == 1) {
#if defined(__SSE2__)
    // Sixteen bytes at a time where the processor compares them at once.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i nul = _mm_setzero_si128();
    for (; i + 16 <= size; i += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
      const __m128i stops = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)),
                                         _mm_cmpeq_epi8(block, nul));
      const auto mask = static_cast<unsigned>(_mm_movemask_epi8(stops));
      if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    using namespace word_bits;
    for (; i + 8 <= size; i += 8) {
      const std::uint64_t word = Load(data + i);
      // Only a word holding a byte below 14 can hold a stop; most words hold none.
      if (((word - kOnes * 14) & ~word & kHighBits) == 0) continue;
      const std::uint64_t stops = ZeroBytes(word) | BytesEqual(word, '\r') | BytesEqual(word, '\n');
      if (stops != 0) return i + FirstMarked(stops);
    }
  }
  for (; i < size; ++i) {
    const CharT c = data[i];
    if (c == CharT{'\r'} || c == CharT{'\n'} || c == CharT{0}) return i;
  }
  return size;
}

// Walks the lines of a text: a line ends at CR LF, a lone CR or a lone LF (LF CR is two
// breaks); the break is not part of the line. A NUL ends the text. A final break opens no
// further line; the empty text has no lines.
template <typename CharT>
class LineCursor {
 public:
  using View = std::basic_string_view<CharT>;

  explicit LineCursor(View text) : text_(text) {}

  // The next line, or false when there is none.
  bool Next(View& line) {
    if (done_) return false;
    const std::size_t end = FindBreakOrNul(text_, begin_);
    if (end == text_.size() || text_[end] == CharT{0}) {
      done_ = true;
      if (begin_ == end) return false;
      line = text_.substr(begin_, end - begin_);
      return true;
    }
    line = text_.substr(begin_, end - begin_);
    begin_ = end + 1;
    if (text_[end] == CharT{'\r'} && begin_ < text_.size() && text_[begin_] == CharT{'\n'}) ++begin_;
    return true;
  }

  // Where the text still to be walked begins.
  std::size_t Position() const { return begin_; }

 private:
  View text_;
  std::size_t begin_ = 0;
  bool done_ = false;
};

// Calls visit(line) for each line of text, as views into it.
template <typename CharT, typename Visit>
void ForEachLine(std::basic_string_view<CharT> text, Visit&& visit) {
  LineCursor<CharT> cursor(text);
  std::basic_string_view<CharT> line;
  while (cursor.Next(line)) visit(line);
}
// The same for UTF-8, in one pass that finds the breaks of sixteen bytes at a time where
// the processor compares them at once (the lines of a list are a few dozen bytes: a call
// per line to look for its end would cost as much as the look).
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
#if defined(__SSE2__)
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t begin = 0;  // where the next line begins
  // Ends the line at the stop at p; false when the stop is a NUL, which ends the text.
  const auto stopAt = [&](std::size_t p) {
    if (data[p] == '\0') {
      if (p > begin) visit(text.substr(begin, p - begin));
      return false;
    }
    visit(text.substr(begin, p - begin));
    begin = p + 1;
    if (data[p] == '\r' && begin < size && data[begin] == '\n') ++begin;
    return true;
  };
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  std::size_t block = 0;
  for (; block + 16 <= size; block += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + block));
    const __m128i stops = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)),
                                       _mm_cmpeq_epi8(bytes, nul));
    for (auto mask = static_cast<unsigned>(_mm_movemask_epi8(stops)); mask != 0; mask &= mask - 1) {
      const std::size_t p = block + static_cast<std::size_t>(__builtin_ctz(mask));
      // The LF of a CR LF went with its CR.
      if (p >= begin && !stopAt(p)) return;
    }
  }
  for (std::size_t p = block; p < size; ++p) {
    const char c = data[p];
    if ((c == '\r' || c == '\n' || c == '\0') && p >= begin && !stopAt(p)) return;
  }
  if (begin < size) visit(text.substr(begin));
#else
  ForEachLine<char>(text, visit);
#endif
}
template <typename Visit>
void ForEachLine(TextView text, Visit&& visit) {
  ForEachLine<Char>(text, visit);
}

// Appends a line and the CR LF that ends it.
template <typename CharT>
void AppendLine(std::basic_string<CharT>& out, std::basic_string_view<CharT> line) {
  out.append(line);
  out.push_back(CharT{'\r'});
  out.push_back(CharT{'\n'});
}
inline void AppendLine(std::string& out, std::string_view line) { AppendLine<char>(out, line); }
inline void AppendLine(Text& out, TextView line) { AppendLine<Char>(out, line); }

// Every line followed by CR LF, the last one too; no lines give the empty text. Sized once.
template <typename CharT, typename LineList>
std::basic_string<CharT> JoinLinesOf(const LineList& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::basic_string<CharT> text;
  ReserveLarge(text, size);
  for (const auto& line : lines) AppendLine<CharT>(text, line);
  return text;
}

// The lines of a text.
Lines SplitLines(TextView text);
LineViews SplitLines(std::string_view text);
// The text of a list of lines.
Text JoinLines(const Lines& lines);
std::string JoinLines(const LineViews& lines);
// The whole text of a view holding text: JoinLines(SplitLines(text)), built in one pass.
std::string WholeText(std::string_view text);
// An upper bound of the size of any text made of lines of text, each followed by CR LF:
// every break may grow by one byte and one more may follow the last line.
std::size_t WholeTextSizeBound(std::string_view text);
// The number of line breaks of part, a CR LF being one: the number of its lines when it
// holds no NUL and ends with a break. Eight bytes at a time: the CRs and LFs, less the CRs
// that an LF follows.
std::size_t CountLineBreaks(std::string_view part);

}  // namespace skorlin::text
