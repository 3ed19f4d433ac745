// SPDX-License-Identifier: GPL-3.0-or-later
// Line breaks and encoding of skorlin-cli's output.
#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#ifdef __unix__
#include <sys/uio.h>
#include <unistd.h>
#endif

#include "text/text_file.h"

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

[[noreturn]] void WriteFailed(int errorNumber) {
  throw text::FileError(std::string("Unable to write to standard output: ") + std::strerror(errorNumber));
}

// Collects the pieces of the output, joining a piece to the previous one when it follows
// it in memory, and hands them on (write) in batches.
class Pieces {
 public:
  using Write = std::function<void(const std::vector<std::string_view>& pieces)>;
  explicit Pieces(Write write) : write_(std::move(write)) { pieces_.reserve(kBatch); }

  void Add(const char* data, std::size_t size) {
    if (size == 0) return;
    if (!pieces_.empty() && pieces_.back().data() + pieces_.back().size() == data) {
      pieces_.back() = std::string_view(pieces_.back().data(), pieces_.back().size() + size);
      return;
    }
    if (pieces_.size() == kBatch) Flush();
    pieces_.emplace_back(data, size);
  }
  void Flush() {
    if (!pieces_.empty()) write_(pieces_);
    pieces_.clear();
  }

 private:
  // The most pieces one vectored write takes on every system this runs on.
  static constexpr std::size_t kBatch = 1024;
  Write write_;
  std::vector<std::string_view> pieces_;
};

#ifdef __unix__
// Writes the pieces whole, resuming after a write that took only part of them.
void WriteVector(const std::vector<std::string_view>& pieces) {
  std::vector<iovec> vector;
  vector.reserve(pieces.size());
  for (const std::string_view piece : pieces) {
    vector.push_back({const_cast<char*>(piece.data()), piece.size()});  // writev only reads them
  }
  iovec* next = vector.data();
  int count = static_cast<int>(vector.size());
  while (count > 0) {
    const ssize_t written = ::writev(STDOUT_FILENO, next, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      WriteFailed(errno);
    }
    auto left = static_cast<std::size_t>(written);
    while (count > 0 && left >= next->iov_len) {
      left -= next->iov_len;
      ++next;
      --count;
    }
    if (count > 0) {
      next->iov_base = static_cast<char*>(next->iov_base) + left;
      next->iov_len -= left;
    }
  }
}
#else
// Through the C library's buffer, emptied once a batch.
void WriteVector(const std::vector<std::string_view>& pieces) {
  for (const std::string_view piece : pieces) std::fwrite(piece.data(), 1, piece.size(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) WriteFailed(errno);
}
#endif

}  // namespace

std::string_view BreakOf(Eol eol) { return eol == Eol::Crlf ? "\r\n" : "\n"; }

void WriteAll(std::string_view bytes) {
#ifdef __unix__
  std::fflush(stdout);
  while (!bytes.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      WriteFailed(errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
#else
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  if (std::fflush(stdout) != 0) WriteFailed(errno);
#endif
}

void WriteLines(const std::vector<std::string_view>& lines, std::string_view lineBreak,
                std::string_view source) {
  std::fflush(stdout);
  Pieces pieces(WriteVector);
  const char* const begin = source.data();
  const char* const end = begin + source.size();
  for (const std::string_view line : lines) {
    // Reordered lines lie anywhere in the input: each is asked for while the batch it goes
    // out with is gathered, so the write that copies them seldom waits for memory.
    __builtin_prefetch(line.data());
    pieces.Add(line.data(), line.size());
    // A line inside source whose own break there is the one asked for takes it along.
    const char* after = line.data() + line.size();
    const bool inside = std::less_equal<>()(begin, after) && std::less_equal<>()(after, end) &&
                        static_cast<std::size_t>(end - after) >= lineBreak.size();
    if (inside && after[0] == lineBreak[0] && (lineBreak.size() == 1 || after[1] == lineBreak[1])) {
      pieces.Add(after, lineBreak.size());
    } else {
      pieces.Add(lineBreak.data(), lineBreak.size());
    }
  }
  pieces.Flush();
}

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
