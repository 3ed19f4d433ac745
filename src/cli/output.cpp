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

// Each CR LF pair becomes LF; lone CRs and LFs stay.
text::Text CrlfToLf(text::TextView s) {
  text::Text out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == U'\r' && i + 1 < s.size() && s[i + 1] == U'\n') continue;
    out += s[i];
  }
  return out;
}

}  // namespace

Eol FirstBreakOf(text::TextView text) {
  const std::size_t pos = text.find_first_of(U"\r\n");
  if (pos == text::TextView::npos) return Eol::Lf;
  return text[pos] == U'\r' ? Eol::Crlf : Eol::Lf;
}

std::string RenderOutput(text::TextView output, const OutputFormat& format, bool keepsInputBreaks,
                         bool changeBreaks) {
  if (keepsInputBreaks) {
    return text::Encode(changeBreaks ? text::TextView(NormalizeBreaks(output, format.eol)) : output,
                        format.encoding);
  }
  if (format.eol == Eol::Crlf) return text::Encode(output, format.encoding);
  return text::Encode(CrlfToLf(output), format.encoding);
}

}  // namespace skorlin::cli
