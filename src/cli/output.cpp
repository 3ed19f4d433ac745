// Line breaks and encoding of skorlin-cli's output.
#include "cli/output.h"

#include "text/text_file.h"

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
template <typename String>
void CrlfToLf(String& s) {
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

Eol FirstBreakOf(std::string_view bytes) {
  const std::size_t pos = bytes.find_first_of("\r\n");
  if (pos == std::string_view::npos) return Eol::Lf;
  return bytes[pos] == '\r' ? Eol::Crlf : Eol::Lf;
}

void WriteLines(const std::vector<std::string_view>& lines, Eol eol, std::FILE* out) {
  const std::string_view lineBreak = eol == Eol::Crlf ? "\r\n" : "\n";
  constexpr std::size_t kBufferBytes = std::size_t{1} << 20;
  const auto put = [out](std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
      throw text::FileError("Unable to write to standard output");
    }
  };
  std::string buffer;
  buffer.reserve(kBufferBytes);
  for (const std::string_view line : lines) {
    if (buffer.size() + line.size() + lineBreak.size() > kBufferBytes) {
      put(buffer);
      buffer.clear();
    }
    if (line.size() >= kBufferBytes) {
      put(line);  // a line longer than the buffer goes out on its own
    } else {
      buffer += line;
    }
    buffer += lineBreak;
  }
  put(buffer);
  if (std::fflush(out) != 0) throw text::FileError("Unable to write to standard output");
}

std::string RenderByteText(std::string output, Eol eol) {
  if (eol == Eol::Lf) CrlfToLf(output);
  return output;
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
