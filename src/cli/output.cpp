// SPDX-License-Identifier: GPL-3.0-or-later
// Line breaks and encoding of skorlin-cli's output.
#include "cli/output.h"

#include <cstring>

namespace skorlin::cli {
namespace {

// Every break (CR LF, lone CR, lone LF) becomes eol.
std::string NormalizeBreaks(std::string_view s, Eol eol) {
  const std::string_view newBreak = eol == Eol::Crlf ? "\r\n" : "\n";
  std::string out;
  out.reserve(s.size() + s.size() / 16);
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' || s[i] == '\n') {
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
      out += newBreak;
    } else {
      out += s[i];
    }
  }
  return out;
}

// Each CR LF pair becomes LF; lone CRs and LFs stay. In place, one byte at a time without
// a branch: the text only shrinks.
void CrlfToLf(std::string& s) {
  char* const data = s.data();
  const std::size_t size = s.size();
  std::size_t out = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = data[i];
    data[out] = c;
    const bool pairsCr = c == '\r' && i + 1 < size && data[i + 1] == '\n';
    out += pairsCr ? 0 : 1;
  }
  s.resize(out);
}

}  // namespace

Eol FirstBreakOf(std::string_view text) {
  const std::size_t pos = text.find_first_of("\r\n");
  if (pos == std::string_view::npos) return Eol::Lf;
  return text[pos] == '\r' ? Eol::Crlf : Eol::Lf;
}

std::string RenderOutput(std::string output, const OutputFormat& format, bool keepsInputBreaks,
                         bool changeBreaks) {
  if (keepsInputBreaks) {
    if (changeBreaks) output = NormalizeBreaks(output, format.eol);
  } else if (format.eol == Eol::Lf) {
    CrlfToLf(output);
  }
  if (format.encoding == text::Encoding::Utf8) return output;
  return text::EncodeFromUtf8(output, format.encoding);
}

}  // namespace skorlin::cli
