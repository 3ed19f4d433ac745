// SPDX-License-Identifier: MIT
// Small tests on words in Windows-1251: the look-up key, endings, vowels, and the sets of
// words the tables are kept in.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "cp1251.h"
#include "literal.h"

namespace fleks {

inline constexpr unsigned char kYoLower = 0xB8;  // ё
inline constexpr unsigned char kYeLower = 0xE5;  // е

// The look-up form of a word: lower case, ё read as е.
inline std::string Key(std::string_view word) {
  std::string key(word);
  for (char& c : key) {
    const unsigned char low = ToLower(static_cast<unsigned char>(c));
    c = static_cast<char>(low == kYoLower ? kYeLower : low);
  }
  return key;
}

// Compares the last letters first: most endings differ there, and this runs for every
// rule of every word.
inline bool EndsWith(std::string_view s, std::string_view suffix) {
  const std::size_t n = suffix.size(), m = s.size();
  if (n > m) return false;
  for (std::size_t i = 1; i <= n; ++i)
    if (s[m - i] != suffix[n - i]) return false;
  return true;
}

inline bool HasVowel(std::string_view s) {
  for (char c : s)
    if (IsVowel(static_cast<unsigned char>(c))) return true;
  return false;
}

inline int CountVowels(std::string_view s) {
  int n = 0;
  for (char c : s)
    if (IsVowel(static_cast<unsigned char>(c))) ++n;
  return n;
}

// The letter n places from the end (1 = the last letter), 0 when the word is shorter.
inline unsigned char FromEnd(std::string_view s, std::size_t n) {
  return s.size() >= n ? static_cast<unsigned char>(s[s.size() - n]) : 0;
}

inline bool IsOneOf(unsigned char c, std::string_view letters) {
  for (char l : letters)
    if (static_cast<unsigned char>(l) == c) return c != 0;
  return false;
}

inline bool IsLetter(unsigned char c) { return IsUpperLetter(c) || IsLowerLetter(c); }

// The first and the last part of a hyphenated word: Римский-Корсаков, Анна-Мария.
inline std::string_view FirstPart(std::string_view key) {
  for (std::size_t i = 0; i < key.size(); ++i)
    if (key[i] == '-') return key.substr(0, i);
  return key;
}
inline std::string_view LastPart(std::string_view key) {
  for (std::size_t i = key.size(); i > 0; --i)
    if (key[i - 1] == '-') return key.substr(i);
  return key;
}

inline constexpr std::string_view kVelars = "гкх"_cp;
inline constexpr std::string_view kSibilants = "жшчщ"_cp;

// Sets and maps of words that are searched with string_view keys without a copy.
struct WordHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using WordSet = std::unordered_set<std::string, WordHash, std::equal_to<>>;
template <typename T>
using WordMap = std::unordered_map<std::string, T, WordHash, std::equal_to<>>;

}  // namespace fleks
