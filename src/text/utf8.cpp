// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8: validation and conversion at the program's edges, and the character-by-character
// reading the commands use on the lines that need it.
#include "text/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "text/encoding.h"
#include "text/word_bits.h"

namespace skorlin::text {
namespace {

using word_bits::kHighBits;
using word_bits::Load;
constexpr Char kReplacement = 0xFFFD;

// The length of the sequence a lead byte announces (2 to 4), or 0 when it starts none.
std::size_t AnnouncedLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Reads the sequence of the given length at bytes[i] (its lead announces that length and
// the continuation bytes are there) into value; false when it is overlong or beyond
// U+10FFFF, or a surrogate unless allowSurrogates.
bool ReadSequence(std::string_view bytes, std::size_t i, std::size_t length, bool allowSurrogates,
                  Char& value) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
  static constexpr Char kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  value = byte(0) & (0xFFu >> (length + 1));
  for (std::size_t k = 1; k < length; ++k) value = (value << 6) | (byte(k) & 0x3Fu);
  if (value < kMinimum[length] || value > 0x10FFFF) return false;
  return allowSurrogates || value < 0xD800 || value > 0xDFFF;
}

// The length of the valid (strict) UTF-8 sequence at bytes[i], or 0 when it is invalid.
std::size_t ValidSequenceLength(std::string_view bytes, std::size_t i, Char& decoded) {
  const auto lead = static_cast<unsigned char>(bytes[i]);
  if (lead < 0x80) {
    decoded = lead;
    return 1;
  }
  const std::size_t length = AnnouncedLength(lead);
  if (length == 0 || i + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if (!IsUtf8Continuation(bytes[i + k])) return 0;
  }
  return ReadSequence(bytes, i, length, false, decoded) ? length : 0;
}

// Writes the UTF-8 form of c at out; returns the position after it.
char* PutUtf8(char* out, Char c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// Whether the eight bytes of a word are UTF-8 made of characters of one and two bytes, the
// word starting inside a two-byte character when carry (0x80) says so; sets carry to 0x80
// when its last byte starts a two-byte character. Words holding anything else (a longer
// sequence, a byte that starts none) are for the byte-by-byte check. Without a branch on
// the bytes: ASCII and Cyrillic alternate too often to predict.
bool ShortSequencesValid(std::uint64_t word, std::uint64_t& carry) {
  constexpr std::uint64_t kLow5 = 0x1E1E1E1E1E1E1E1EULL;
  constexpr std::uint64_t kSeven = 0x7F7F7F7F7F7F7F7FULL;
  const std::uint64_t bit7 = word & kHighBits;
  const std::uint64_t bit6 = (word << 1) & kHighBits;
  const std::uint64_t bit5 = (word << 2) & kHighBits;
  const std::uint64_t continuation = bit7 & ~bit6;  // 10xxxxxx
  const std::uint64_t lead = bit7 & bit6;           // 11xxxxxx
  // 111xxxxx: a longer sequence, or no lead at all. 110xxxxx leads C0 and C1 would make
  // overlong forms: their bits 1 to 4 are all clear. Every continuation byte must follow a
  // lead, and every lead have its continuation byte.
  const std::uint64_t someLowBit = ((word & kLow5) + kSeven) & kHighBits;
  const std::uint64_t wrong = (lead & bit5) | (lead & ~someLowBit) | (continuation ^ ((lead << 8) | carry));
  if (wrong != 0) return false;
  carry = lead >> 56;
  return true;
}

}  // namespace

std::size_t FindInvalidUtf8(std::string_view bytes) {
  const std::size_t n = bytes.size();
  const char* const data = bytes.data();
  std::size_t i = 0;
  std::uint64_t carry = 0;  // 0x80: the last byte checked starts a two-byte character
  // Eight bytes at a time while they hold characters of one and two bytes (ASCII and
  // Cyrillic); from the start of a word that holds anything else, sequence by sequence up
  // to the first boundary past the word.
  while (i + 8 <= n) {
    if (ShortSequencesValid(Load(data + i), carry)) {
      i += 8;
      continue;
    }
    std::size_t at = carry != 0 ? i - 1 : i;
    carry = 0;
    while (at < i + 8) {
      Char ignored = 0;
      const std::size_t length = ValidSequenceLength(bytes, at, ignored);
      if (length == 0) return at;
      at += length;
    }
    i = at;
  }
  for (std::size_t at = carry != 0 ? i - 1 : i; at < n;) {
    Char ignored = 0;
    const std::size_t length = ValidSequenceLength(bytes, at, ignored);
    if (length == 0) return at;
    at += length;
  }
  return std::string_view::npos;
}

bool IsValidUtf8(std::string_view bytes) { return FindInvalidUtf8(bytes) == std::string_view::npos; }

std::size_t CountUtf8Chars(std::string_view utf8) {
  const std::size_t n = utf8.size();
  const char* const data = utf8.data();
  std::size_t continuations = 0;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const std::uint64_t word = Load(data + i);
    // Bit 7 set and bit 6 clear: a continuation byte.
    continuations += word_bits::CountMarked(word & ~(word << 1) & kHighBits);
  }
  for (; i < n; ++i) continuations += IsUtf8Continuation(data[i]) ? 1 : 0;
  return n - continuations;
}

Char NextUtf8CharSlow(std::string_view utf8, std::size_t& i) {
  const std::size_t start = i;
  const auto lead = static_cast<unsigned char>(utf8[i]);
  // The character's bytes: the lead and every continuation byte after it.
  ++i;
  while (i < utf8.size() && IsUtf8Continuation(utf8[i])) ++i;
  if (lead < 0x80) return lead;
  const std::size_t length = AnnouncedLength(lead);
  Char value = kReplacement;
  if (length == 0 || i - start != length || !ReadSequence(utf8, start, length, true, value))
    return kReplacement;
  return value;
}

std::string_view TrimBlankBytes(std::string_view utf8) {
  std::size_t begin = 0;
  std::size_t end = utf8.size();
  while (begin < end && IsBlankByte(utf8[begin])) ++begin;
  while (end > begin && IsBlankByte(utf8[end - 1])) --end;
  return utf8.substr(begin, end - begin);
}

bool IsBlankUtf8(std::string_view utf8) { return std::all_of(utf8.begin(), utf8.end(), IsBlankByte); }

Text DecodeUtf8(std::string_view utf8) {
  Text text;
  text.reserve(CountUtf8Chars(utf8) + 1);
  for (std::size_t i = 0; i < utf8.size();) text.push_back(NextUtf8Char(utf8, i));
  return text;
}

void DecodeUtf8Into(std::string_view utf8, Text& out) {
  out.resize(utf8.size());  // never fewer bytes than characters
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size();) out[count++] = NextUtf8Char(utf8, i);
  out.resize(count);
}

void AppendUtf8(std::string& out, TextView text) {
  // Room for the longest form first, cut to what was written after: one pass over the
  // characters. A character below U+0800 (ASCII and Cyrillic, which alternate too often
  // to predict) is written as two bytes without a branch, the second one kept only for
  // a two-byte character; the room always holds the byte past the last character.
  const std::size_t at = out.size();
  out.resize(at + 4 * text.size() + 1);
  char* const begin = out.data() + at;
  char* end = begin;
  for (const Char c : text) {
    if (c < 0x800) {
      const bool twoBytes = c >= 0x80;
      end[0] = static_cast<char>(twoBytes ? 0xC0 | (c >> 6) : c);
      end[1] = static_cast<char>(0x80 | (c & 0x3F));
      end += 1 + static_cast<std::size_t>(twoBytes);
    } else {
      end = PutUtf8(end, c > 0x10FFFF ? kReplacement : c);
    }
  }
  out.resize(at + static_cast<std::size_t>(end - begin));
}

void AppendUtf8(std::string& out, Char c) { AppendUtf8(out, TextView(&c, 1)); }

// Decodes UTF-8 into text in one pass; false (with the position of the first invalid
// byte) when the bytes are not UTF-8.
bool TryDecodeUtf8(std::string_view bytes, Text& text, std::size_t& invalidAt) {
  invalidAt = FindInvalidUtf8(bytes);
  if (invalidAt != std::string_view::npos) return false;
  text = DecodeUtf8(bytes);
  return true;
}

// Decodes UTF-8; throws DecodeError at the first invalid sequence.
Text DecodeUtf8Strict(std::string_view bytes) {
  Text text;
  std::size_t invalidAt = 0;
  if (!TryDecodeUtf8(bytes, text, invalidAt)) {
    throw DecodeError("The input is not valid UTF-8 (byte " + std::to_string(invalidAt + 1) + ")");
  }
  return text;
}

std::string EncodeUtf8(TextView text) {
  std::string out;
  AppendUtf8(out, text);
  return out;
}

Text FromUtf8(std::string_view utf8) { return DecodeUtf8Strict(utf8); }
std::string ToUtf8(TextView text) { return EncodeUtf8(text); }

}  // namespace skorlin::text
