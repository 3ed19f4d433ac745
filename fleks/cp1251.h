// SPDX-License-Identifier: MIT
// Windows-1251 bytes as the declension engine sees them: letter classes and case mapping
// of the Cyrillic and Latin letters, and the conversion of the UTF-8 rule tables.
#pragma once

#include <array>
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

// Converts a UTF-8 literal of the rule tables (ASCII and Cyrillic only) to Windows-1251.
std::string Cp1251FromUtf8(std::string_view utf8);

}  // namespace fleks
