// SPDX-License-Identifier: MIT
// Windows-1251 bytes as the declension engine sees them: letter classes and case mapping
// of the Cyrillic and Latin letters, and the conversion of the UTF-8 rule tables.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace fleks {

namespace detail {

// Upper and lower forms of the Cyrillic letters outside the А-я block.
struct CasePair {
  unsigned char upper;
  unsigned char lower;
};
inline constexpr CasePair kExtraCyrillic[] = {
    {0xA8, 0xB8},  // Ё ё
    {0xAA, 0xBA},  // Є є
    {0xAF, 0xBF},  // Ї ї
    {0xB2, 0xB3},  // І і
    {0xA5, 0xB4},  // Ґ ґ
    {0xA1, 0xA2},  // Ў ў
};

// а е ё и о у ы э ю я і ї є
inline constexpr unsigned char kVowels[] = {0xE0, 0xE5, 0xB8, 0xE8, 0xEE, 0xF3, 0xFB,
                                            0xFD, 0xFE, 0xFF, 0xB3, 0xBF, 0xBA};

enum : unsigned char { kUpper = 1, kLower = 2, kCyr = 4, kVowel = 8 };

// Every byte's classes and case partners, worked out once.
struct ByteTables {
  std::array<unsigned char, 256> flags{};
  std::array<unsigned char, 256> lower{};
  std::array<unsigned char, 256> upper{};

  constexpr ByteTables() {
    for (int c = 0; c < 256; ++c) {
      lower[c] = static_cast<unsigned char>(c);
      upper[c] = static_cast<unsigned char>(c);
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
      flags[c] |= kUpper;
      flags[c + 32] |= kLower;
      lower[c] = static_cast<unsigned char>(c + 32);
      upper[c + 32] = static_cast<unsigned char>(c);
    }
    for (int c = 0xC0; c <= 0xDF; ++c) {
      flags[c] |= kUpper | kCyr;
      flags[c + 32] |= kLower | kCyr;
      lower[c] = static_cast<unsigned char>(c + 32);
      upper[c + 32] = static_cast<unsigned char>(c);
    }
    for (const CasePair& p : kExtraCyrillic) {
      flags[p.upper] |= kUpper | kCyr;
      flags[p.lower] |= kLower | kCyr;
      lower[p.upper] = p.lower;
      upper[p.lower] = p.upper;
    }
    for (unsigned char v : kVowels) flags[v] |= kVowel;
  }
};

inline constexpr ByteTables kTables;

}  // namespace detail

// Letter classes and case mapping of Windows-1251 bytes (Russian, Ukrainian and
// Belarusian letters, and Latin ones).
inline bool IsUpperLetter(unsigned char c) { return detail::kTables.flags[c] & detail::kUpper; }
inline bool IsLowerLetter(unsigned char c) { return detail::kTables.flags[c] & detail::kLower; }
inline bool IsCyrLetter(unsigned char c) { return detail::kTables.flags[c] & detail::kCyr; }
inline unsigned char ToLower(unsigned char c) { return detail::kTables.lower[c]; }
inline unsigned char ToUpper(unsigned char c) { return detail::kTables.upper[c]; }
// The lower-case vowels of Russian and Ukrainian, ё included.
inline bool IsVowel(unsigned char c) { return detail::kTables.flags[c] & detail::kVowel; }
// A lower-case Cyrillic consonant letter (ь and ъ excluded).
inline bool IsConsonant(unsigned char c) {
  const unsigned char f = detail::kTables.flags[c];
  return (f & detail::kCyr) && (f & detail::kLower) && !(f & detail::kVowel) && c != 0xFC && c != 0xFA;
}

std::string LowerWord(std::string_view word);

namespace detail {

// The characters of Windows-1251 bytes 0x80..0xBF (0x98, undefined there, stands for
// U+0098); bytes 0xC0..0xFF are А..я, bytes below 0x80 are ASCII.
inline constexpr char32_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// The character that starts at s[i] (one to four bytes), i moved past it; a malformed
// sequence reads as one byte that no code page holds.
constexpr char32_t NextUtf8(std::string_view s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || i + length > s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (byte(i + k) & 0x3Fu);
  }
  i += length;
  return c;
}

}  // namespace detail

// The Windows-1251 byte of a character, or -1 when the code page does not hold it.
constexpr int Cp1251Code(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  if (c >= 0x410 && c <= 0x44F) return static_cast<int>(c - 0x410 + 0xC0);
  for (int k = 0; k < 64; ++k)
    if (detail::kUpperHalf[k] == c) return 0x80 + k;
  return -1;
}

// Hands put the Windows-1251 byte of every character of a UTF-8 text, '?' for a character
// the code page does not hold. The one conversion of the library: its rule tables and its
// literals are written in UTF-8.
template <typename Put>
constexpr void ForEachCp1251Byte(std::string_view utf8, Put put) {
  for (std::size_t i = 0; i < utf8.size();) {
    const int code = Cp1251Code(detail::NextUtf8(utf8, i));
    put(static_cast<char>(code < 0 ? '?' : code));
  }
}

// A UTF-8 text of the rule tables in Windows-1251.
std::string Cp1251FromUtf8(std::string_view utf8);

}  // namespace fleks
