// SPDX-License-Identifier: GPL-3.0-or-later
// Line breaks and encoding of skorlin-cli's output.
#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
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
// it in memory, and hands them on (write) in batches. Small pieces are better copied into
// a buffer of its own (Copy) than handed on where they lie (Refer): a file or a pipe takes
// each piece of a vectored write on its own, at a cost per piece beyond its bytes, while
// the copies follow each other in the buffer and go out as one piece.
class Pieces {
 public:
  using Write = std::function<void(const std::vector<std::string_view>& pieces)>;
  explicit Pieces(Write write)
      : write_(std::move(write)), buffer_(std::make_unique_for_overwrite<char[]>(kBufferBytes)) {
    pieces_.reserve(kBatch);
  }

  // Hands on size bytes at data, which stay where they are until the next Flush.
  void Refer(const char* data, std::size_t size) {
    if (size == 0) return;
    if (!pieces_.empty() && pieces_.back().data() + pieces_.back().size() == data) {
      pieces_.back() = std::string_view(pieces_.back().data(), pieces_.back().size() + size);
      return;
    }
    if (pieces_.size() == kBatch) Flush();
    pieces_.emplace_back(data, size);
  }
  // Hands on a copy of size bytes at data; size is at most kBufferBytes.
  void Copy(const char* data, std::size_t size) { CopyHanding(data, size, size); }
  // Copy, for size bytes at data (at most kShortCopy) of which kShortCopy can be read: the
  // kShortCopy bytes are copied (a copy of a fixed size takes a few instructions, one of
  // any size a call), and only the first size of them are handed on.
  void CopyShort(const char* data, std::size_t size) { CopyHanding(data, kShortCopy, size); }
  void Flush() {
    if (!pieces_.empty()) write_(pieces_);
    pieces_.clear();
    used_ = 0;
  }

  static constexpr std::size_t kBufferBytes = std::size_t{256} << 10;
  static constexpr std::size_t kShortCopy = 64;

 private:
  // Copies copied bytes at data into the buffer and hands on the first handed of them. A
  // full buffer or a full batch goes out first: the buffer is written over only once its
  // copies are out.
  void CopyHanding(const char* data, std::size_t copied, std::size_t handed) {
    if (used_ + copied > kBufferBytes || pieces_.size() == kBatch) Flush();
    char* const to = buffer_.get() + used_;
    std::memcpy(to, data, copied);
    used_ += handed;
    Refer(to, handed);
  }

  // The most pieces one vectored write takes on every system this runs on.
  static constexpr std::size_t kBatch = 1024;
  Write write_;
  std::vector<std::string_view> pieces_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
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

namespace {

// A run of lines that lie one after another in source, each with its own break there,
// goes out as this many bytes or more from where it lies, and a shorter one is copied.
constexpr std::size_t kReferFrom = 512;
// Lines read out of their order are asked for this many lines before they are copied.
constexpr std::size_t kPrefetchAhead = 16;

// Whether the size bytes from p all lie in source.
bool CanRead(const char* p, std::size_t size, std::string_view source) {
  const char* const end = source.data() + source.size();
  return std::less_equal<>()(source.data(), p) && std::less_equal<>()(p, end) &&
         static_cast<std::size_t>(end - p) >= size;
}

// Where the break asked for follows line in source (the line's own break there is the
// one asked for), the end of that break; else null.
const char* OwnBreakEnd(std::string_view line, std::string_view lineBreak, std::string_view source) {
  const char* const after = line.data() + line.size();
  if (CanRead(after, lineBreak.size(), source) && after[0] == lineBreak[0] &&
      (lineBreak.size() == 1 || after[1] == lineBreak[1])) {
    return after + lineBreak.size();
  }
  return nullptr;
}

}  // namespace

void WriteLines(const std::vector<std::string_view>& lines, std::string_view lineBreak,
                std::string_view source) {
  std::fflush(stdout);
  Pieces pieces(WriteVector);
  const std::size_t count = lines.size();
  std::size_t i = 0;
  while (i < count) {
    // The lines from i on that follow each other in source with their own breaks form one
    // run; the break after the last one is source's when it is the one asked for.
    const char* const runStart = lines[i].data();
    const char* breakEnd = OwnBreakEnd(lines[i], lineBreak, source);
    while (breakEnd != nullptr && i + 1 < count && lines[i + 1].data() == breakEnd) {
      ++i;
      breakEnd = OwnBreakEnd(lines[i], lineBreak, source);
    }
    const char* const runEnd = breakEnd != nullptr ? breakEnd : lines[i].data() + lines[i].size();
    ++i;
    // Reordered lines lie anywhere in the input: each is asked for well before it is
    // copied, so the copy seldom waits for memory.
    if (i + kPrefetchAhead < count) __builtin_prefetch(lines[i + kPrefetchAhead].data());
    const auto size = static_cast<std::size_t>(runEnd - runStart);
    if (size >= kReferFrom) {
      pieces.Refer(runStart, size);
    } else if (size <= Pieces::kShortCopy && CanRead(runStart, Pieces::kShortCopy, source)) {
      pieces.CopyShort(runStart, size);
    } else {
      pieces.Copy(runStart, size);
    }
    if (breakEnd == nullptr) pieces.Copy(lineBreak.data(), lineBreak.size());
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
