// SPDX-License-Identifier: GPL-3.0-or-later
// Eight bytes at a time: the byte tests the UTF-8 scans make on one 64-bit word. A test
// gives a mask with bit 7 of each byte that passed set.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace skorlin::text::word_bits {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
inline constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;

// The eight bytes at p, the first in the lowest bits.
inline std::uint64_t Load(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  return word;
}

// The bytes of word that are zero.
inline std::uint64_t ZeroBytes(std::uint64_t word) { return ~(((word & kLow7) + kLow7) | word) & kHighBits; }
// The bytes of word equal to c.
inline std::uint64_t BytesEqual(std::uint64_t word, unsigned char c) { return ZeroBytes(word ^ (kOnes * c)); }

// How many bytes a mask marks (without a popcount instruction, which not every target has).
inline unsigned CountMarked(std::uint64_t mask) { return static_cast<unsigned>(((mask >> 7) * kOnes) >> 56); }
// The index (0 to 7) of the first byte a nonzero mask marks.
inline unsigned FirstMarked(std::uint64_t mask) { return static_cast<unsigned>(__builtin_ctzll(mask)) / 8; }

}  // namespace skorlin::text::word_bits
