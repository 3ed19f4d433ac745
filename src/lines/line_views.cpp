// Splitting a text into line views and joining them, in one pass each.
#include "lines/line_views.h"

#include <algorithm>

namespace skorlin::lines {

using text::Char;
using text::Text;
using text::TextView;

LineViews SplitLineViews(TextView text) {
  LineViews lines;
  const Char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t begin = 0;
  std::size_t i = 0;
  for (; i < size; ++i) {
    const Char c = data[i];
    if (c > U'\r') continue;  // the common case: not CR, LF or NUL
    if (c == U'\0') break;
    if (c != U'\r' && c != U'\n') continue;
    lines.emplace_back(data + begin, i - begin);
    if (c == U'\r' && i + 1 < size && data[i + 1] == U'\n') ++i;
    begin = i + 1;
  }
  if (begin < i) lines.emplace_back(data + begin, i - begin);
  return lines;
}

Text JoinLineViews(const LineViews& lines) {
  std::size_t size = 0;
  for (const TextView line : lines) size += line.size() + 2;
  Text text;
  text.resize(size);
  Char* out = text.data();
  for (const TextView line : lines) {
    out = std::copy(line.begin(), line.end(), out);
    *out++ = U'\r';
    *out++ = U'\n';
  }
  return text;
}

Text WholeText(TextView text) { return JoinLineViews(SplitLineViews(text)); }

}  // namespace skorlin::lines
