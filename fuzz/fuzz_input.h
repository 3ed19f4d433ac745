// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a fuzzer's bytes into the options and texts of a command: a few leading bytes
// choose the options, the rest is the text. Reading past the end gives zeros, so every
// input, the empty one too, is a valid call.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "text/encoding.h"
#include "text/text.h"

namespace skorlin::fuzzing {

// Each byte a Windows-1251 character; the byte 0x98 (undefined in the code page) and the
// byte after it pick a character outside Windows-1251, so opaque symbols are tried too.
inline text::Text BytesAsText(std::string_view bytes) {
  static constexpr text::Char kOpaque[] = {U'₽', U'×',      U'é',        U'\U0001F600',
                                           U'５',  U'\u2028', 0xFFFFFFFFu, U'À'};
  text::Text out;
  out.reserve(bytes.size());
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    const auto b = static_cast<unsigned char>(bytes[k]);
    if (b == 0x98 && k + 1 < bytes.size()) {
      out.push_back(kOpaque[static_cast<unsigned char>(bytes[++k]) % std::size(kOpaque)]);
    } else {
      out.push_back(text::Cp1251Char(b));
    }
  }
  return out;
}

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : bytes_(reinterpret_cast<const char*>(data), data == nullptr ? 0 : size) {}

  std::uint8_t Byte() {
    if (bytes_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(bytes_.front());
    bytes_.remove_prefix(1);
    return b;
  }
  std::uint32_t Uint32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
    return v;
  }
  // A piece of at most maxBytes bytes, its length given by the next byte.
  std::string_view Piece(std::size_t maxBytes) {
    const std::size_t n = std::min<std::size_t>({Byte(), maxBytes, bytes_.size()});
    const std::string_view piece = bytes_.substr(0, n);
    bytes_.remove_prefix(n);
    return piece;
  }
  std::string_view Rest() {
    const std::string_view rest = bytes_;
    bytes_ = {};
    return rest;
  }
  std::size_t Left() const { return bytes_.size(); }

 private:
  std::string_view bytes_;
};

// A text as the program meets it (a file's bytes detected the way a file is read), or,
// with asBytes, one character per byte so characters outside Windows-1251 appear among
// invalid UTF-8 too.
inline text::Text TextOf(std::string_view bytes, bool asBytes) {
  return asBytes ? BytesAsText(bytes) : text::DecodeAuto(bytes).text;
}

// A text as the commands on whole lines take it: UTF-8 (what TextOf gives, a character
// beyond U+10FFFF read as U+FFFD).
inline std::string Utf8Of(std::string_view bytes, bool asBytes) {
  return text::ToUtf8(TextOf(bytes, asBytes));
}

[[noreturn]] inline void CheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

// The fuzz targets' own check: unlike assert, it also stops a release build, and it
// names the property that broke.
#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::skorlin::fuzzing::CheckFailed(#condition, __FILE__, __LINE__))

}  // namespace skorlin::fuzzing
