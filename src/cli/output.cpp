// Line breaks and encoding of skorlin-cli's output.
#include "cli/output.h"

namespace skorlin::cli {
namespace {

// Every break (CR LF, lone CR, lone LF) becomes eol.
text::Text NormalizeBreaks(text::TextView s, Eol eol) {
  const text::TextView newBreak = eol == Eol::Crlf ? text::TextView(U"\r\n") : text::TextView(U"\n");
  text::Text out;
  out.reserve(s.size() + s.size() / 16);
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == U'\r' || s[i] == U'\n') {
      if (s[i] == U'\r' && i + 1 < s.size() && s[i + 1] == U'\n') ++i;
      out += newBreak;
    } else {
      out += s[i];
    }
  }
  return out;
}

// Each CR LF pair becomes LF; lone CRs and LFs stay. In place: the text only shrinks.
void CrlfToLf(text::Text& s) {
  const std::size_t size = s.size();
  std::size_t out = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (s[i] == U'\r' && i + 1 < size && s[i + 1] == U'\n') continue;
    s[out++] = s[i];
  }
  s.resize(out);
}

}  // namespace

Eol FirstBreakOf(text::TextView text) {
  const std::size_t pos = text.find_first_of(U"\r\n");
  if (pos == text::TextView::npos) return Eol::Lf;
  return text[pos] == U'\r' ? Eol::Crlf : Eol::Lf;
}

std::string RenderOutput(text::Text output, const OutputFormat& format, bool keepsInputBreaks,
                         bool changeBreaks) {
  if (keepsInputBreaks) {
    return text::Encode(
        changeBreaks ? text::TextView(NormalizeBreaks(output, format.eol)) : text::TextView(output),
        format.encoding);
  }
  if (format.eol == Eol::Lf) CrlfToLf(output);
  return text::Encode(output, format.encoding);
}

}  // namespace skorlin::cli
