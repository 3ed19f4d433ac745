// SPDX-License-Identifier: GPL-3.0-or-later
// Converting input to UTF-8 block by block.
#include "text/utf8_stream.h"

#include <algorithm>
#include <utility>

#include "text/utf8.h"

namespace skorlin::text {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEBom = "\xFF\xFE";
constexpr std::string_view kUtf16BEBom = "\xFE\xFF";

// The byte order mark a text read in the encoding may start with.
std::string_view ByteOrderMark(Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
      return kUtf8Bom;
    case Encoding::Utf16LE:
      return kUtf16LEBom;
    case Encoding::Utf16BE:
      return kUtf16BEBom;
    case Encoding::Cp1251:
      return {};
  }
  return {};
}

// The length of the UTF-8 sequence a byte starts (2 to 4); 0 for ASCII and for a byte that
// starts none.
std::size_t SequenceLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte >= 0xC2 && byte <= 0xDF) return 2;
  if (byte >= 0xE0 && byte <= 0xEF) return 3;
  if (byte >= 0xF0 && byte <= 0xF4) return 4;
  return 0;
}

// Where a character cut by the end of bytes begins (bytes.size() when none is cut).
std::size_t CutCharacterStart(std::string_view bytes) {
  const std::size_t size = bytes.size();
  for (std::size_t k = 1; k <= std::min<std::size_t>(3, size); ++k) {
    const char b = bytes[size - k];
    if (IsUtf8Continuation(b)) continue;
    return SequenceLength(b) > k ? size - k : size;
  }
  return size;
}

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

void Utf8Stream::Fail(std::string message) {
  if (!error_) error_ = std::move(message);
}

void Utf8Stream::Feed(std::string_view bytes, const Emit& emit) {
  if (!started_) {
    const std::string_view mark = ByteOrderMark(encoding_);
    const std::size_t take = std::min(bytes.size(), mark.size() - std::min(mark.size(), start_.size()));
    start_.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    if (start_.size() < mark.size()) return;
    started_ = true;
    std::string first = std::move(start_);
    if (!mark.empty() && std::string_view(first).starts_with(mark)) first.erase(0, mark.size());
    Feed(first, emit);
  }
  if (error_ && encoding_ != Encoding::Utf16LE && encoding_ != Encoding::Utf16BE) return;
  switch (encoding_) {
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
      FeedUtf8(bytes, emit);
      return;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
      FeedUtf16(bytes, emit);
      return;
    case Encoding::Cp1251: {
      out_ = Cp1251ToUtf8(bytes);
      if (!out_.empty()) emit(out_);
      return;
    }
  }
}

void Utf8Stream::FeedUtf8(std::string_view bytes, const Emit& emit) {
  if (!carry_.empty()) {
    const std::size_t length = SequenceLength(carry_[0]);
    const std::size_t take = std::min(length - carry_.size(), bytes.size());
    carry_.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    if (carry_.size() < length) return;
    if (FindInvalidUtf8(carry_) != std::string_view::npos) {
      Fail("The input is not valid UTF-8 (byte " + std::to_string(consumed_ + 1) + ")");
      return;
    }
    emit(carry_);
    consumed_ += carry_.size();
    carry_.clear();
  }
  const std::size_t cut = CutCharacterStart(bytes);
  const std::string_view whole = bytes.substr(0, cut);
  const std::size_t invalidAt = FindInvalidUtf8(whole);
  if (invalidAt != std::string_view::npos) {
    Fail("The input is not valid UTF-8 (byte " + std::to_string(consumed_ + invalidAt + 1) + ")");
    return;
  }
  if (!whole.empty()) emit(whole);
  consumed_ += whole.size();
  carry_.assign(bytes.substr(cut));
}

void Utf8Stream::FeedUtf16(std::string_view bytes, const Emit& emit) {
  const bool littleEndian = encoding_ == Encoding::Utf16LE;
  out_.clear();
  for (const char b : bytes) {
    ++consumed_;
    if (oddByte_ < 0) {
      oddByte_ = static_cast<unsigned char>(b);
      continue;
    }
    const auto first = static_cast<unsigned>(oddByte_);
    const auto second = unsigned{static_cast<unsigned char>(b)};
    oddByte_ = -1;
    ++units_;
    Utf16Unit(littleEndian ? first | (second << 8) : (first << 8) | second);
  }
  if (!out_.empty()) emit(out_);
}

void Utf8Stream::Utf16Unit(unsigned unit) {
  if (hasHigh_) {
    hasHigh_ = false;
    if (IsLowSurrogate(unit)) {
      if (!error_) AppendUtf8(out_, static_cast<Char>(0x10000 + ((high_ - 0xD800) << 10) + (unit - 0xDC00)));
      return;
    }
    Fail("The input is not valid UTF-16 (unpaired surrogate at unit " + std::to_string(units_ - 1) + ")");
  }
  if (IsHighSurrogate(unit)) {
    hasHigh_ = true;
    high_ = unit;
    return;
  }
  if (IsLowSurrogate(unit)) {
    Fail("The input is not valid UTF-16 (unpaired surrogate at unit " + std::to_string(units_) + ")");
    return;
  }
  if (!error_) AppendUtf8(out_, static_cast<Char>(unit));
}

void Utf8Stream::Finish(const Emit& emit) {
  if (!started_) {
    started_ = true;
    std::string first = std::move(start_);
    if (!first.empty()) {
      switch (encoding_) {
        case Encoding::Utf8:
        case Encoding::Utf8Bom:
          FeedUtf8(first, emit);
          break;
        case Encoding::Utf16LE:
        case Encoding::Utf16BE:
          FeedUtf16(first, emit);
          break;
        case Encoding::Cp1251: {
          out_ = Cp1251ToUtf8(first);
          emit(out_);
          break;
        }
      }
    }
  }
  if (encoding_ == Encoding::Utf16LE || encoding_ == Encoding::Utf16BE) {
    // An odd number of bytes is told first, whatever else is wrong.
    if (consumed_ % 2 != 0) throw DecodeError("The input is not valid UTF-16 (odd number of bytes)");
    if (hasHigh_)
      Fail("The input is not valid UTF-16 (unpaired surrogate at unit " + std::to_string(units_) + ")");
  } else if (!carry_.empty()) {
    Fail("The input is not valid UTF-8 (byte " + std::to_string(consumed_ + 1) + ")");
  }
  if (error_) throw DecodeError(*error_);
}

}  // namespace skorlin::text
