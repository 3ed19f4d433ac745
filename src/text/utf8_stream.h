// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes in any encoding the program reads, turned into UTF-8 piece by piece, for input
// read in blocks (pieces cut anywhere: inside a character, a byte order mark, a UTF-16
// unit). What the pieces give together is exactly DecodeToUtf8 of all the bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "text/encoding.h"

namespace skorlin::text {

class Utf8Stream {
 public:
  using Emit = std::function<void(std::string_view utf8)>;

  explicit Utf8Stream(Encoding encoding) : encoding_(encoding) {}

  // Converts the next piece, handing what it makes of it to emit (a character the piece
  // cuts waits for the next piece). Once the bytes are found not to be in the encoding,
  // nothing more is emitted.
  void Feed(std::string_view bytes, const Emit& emit);
  // The end of the bytes. Throws DecodeError, with the message Decode gives, when they
  // were not in the encoding (a character cut at the end included).
  void Finish(const Emit& emit);
  // Whether the bytes so far were found not to be in the encoding.
  bool Failed() const { return error_.has_value(); }

 private:
  void FeedUtf8(std::string_view bytes, const Emit& emit);
  void FeedUtf16(std::string_view bytes, const Emit& emit);
  void Utf16Unit(unsigned unit);
  void Fail(std::string message);

  Encoding encoding_;
  std::string start_;         // the first bytes, while a byte order mark may still come
  bool started_ = false;      // the byte order mark is behind
  std::string carry_;         // a UTF-8 character cut by a piece's end
  std::size_t consumed_ = 0;  // bytes (after the byte order mark) handled so far
  int oddByte_ = -1;          // the first byte of a UTF-16 unit cut by a piece's end
  std::size_t units_ = 0;     // UTF-16 units read
  bool hasHigh_ = false;      // a high surrogate waits for its partner, the last unit
  unsigned high_ = 0;
  std::optional<std::string> error_;
  std::string out_;  // the UTF-8 of the current piece
};

}  // namespace skorlin::text
