// A view's text as a list of line views into it, and back: the line list of a command
// without a string per line.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "text/text.h"

namespace skorlin::lines {

using LineViews = std::vector<text::TextView>;

// The lines of a text exactly as text::SplitLines gives them (CR LF, lone CR or lone LF
// end a line, a NUL ends the text, a final break opens no further line), as views into
// it. Works on code points, and as well on the bytes of an encoding in which CR, LF and
// NUL are single bytes that never occur inside another character (UTF-8, Windows-1251).
template <typename CharT>
std::vector<std::basic_string_view<CharT>> SplitLineViewsOf(std::basic_string_view<CharT> text) {
  using Unit = std::make_unsigned_t<CharT>;
  std::vector<std::basic_string_view<CharT>> lines;
  const CharT* const data = text.data();
  const std::size_t size = text.size();
  std::size_t begin = 0;
  std::size_t i = 0;
  for (; i < size; ++i) {
    const auto c = static_cast<Unit>(data[i]);
    if (c > Unit{'\r'}) continue;  // the common case: not CR, LF or NUL
    if (c == Unit{0}) break;
    if (c != Unit{'\r'} && c != Unit{'\n'}) continue;
    lines.emplace_back(data + begin, i - begin);
    if (c == Unit{'\r'} && i + 1 < size && data[i + 1] == CharT{'\n'}) ++i;
    begin = i + 1;
  }
  if (begin < i) lines.emplace_back(data + begin, i - begin);
  return lines;
}

// Every line followed by CR LF, as text::JoinLines; allocates the result once.
template <typename CharT>
std::basic_string<CharT> JoinLineViewsOf(const std::vector<std::basic_string_view<CharT>>& lines) {
  std::size_t size = 0;
  for (const auto line : lines) size += line.size() + 2;
  std::basic_string<CharT> text;
  text.resize(size);
  CharT* out = text.data();
  for (const auto line : lines) {
    out = std::copy(line.begin(), line.end(), out);
    *out++ = CharT{'\r'};
    *out++ = CharT{'\n'};
  }
  return text;
}

inline LineViews SplitLineViews(text::TextView text) { return SplitLineViewsOf(text); }
inline text::Text JoinLineViews(const LineViews& lines) { return JoinLineViewsOf(lines); }
// The whole text of a view holding text: JoinLines(SplitLines(text)).
text::Text WholeText(text::TextView text);

}  // namespace skorlin::lines
