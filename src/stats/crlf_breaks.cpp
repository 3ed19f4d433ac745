// Line breaks of any kind to CR LF, in one pass.
#include "stats/crlf_breaks.h"

namespace skorlin::stats {

text::Text WithCrLfBreaks(text::TextView text) {
  text::Text out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const text::Char c = text[i];
    if (c == U'\r' || c == U'\n') {
      out += U"\r\n";
      if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace skorlin::stats
