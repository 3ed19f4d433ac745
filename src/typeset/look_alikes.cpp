// SPDX-License-Identifier: GPL-3.0-or-later
#include "typeset/look_alikes.h"

#include <array>
#include <cstddef>

namespace skorlin::typeset {
namespace {

using text::Char;

// The alphabet of each character below the end of the Cyrillic letters: 1 a Latin letter,
// 2 a Cyrillic one, 0 anything else.
constexpr Char kAlphabetsEnd = U'ё' + 1;
constexpr std::array<unsigned char, kAlphabetsEnd> MakeAlphabets() {
  std::array<unsigned char, kAlphabetsEnd> alphabets{};
  for (Char c = U'A'; c <= U'Z'; ++c) alphabets[c] = alphabets[c + (U'a' - U'A')] = 1;
  for (Char c = U'А'; c <= U'я'; ++c) alphabets[c] = 2;
  alphabets[U'Ё'] = alphabets[U'ё'] = 2;
  return alphabets;
}
constexpr std::array<unsigned char, kAlphabetsEnd> kAlphabets = MakeAlphabets();

// The letters of the two alphabets that look the same.
struct Twins {
  Char latin;
  Char cyrillic;
};

constexpr std::array<Twins, 18> kTwins{{
    {U'a', U'а'},
    {U'e', U'е'},
    {U'o', U'о'},
    {U'p', U'р'},
    {U'c', U'с'},
    {U'x', U'х'},
    {U'y', U'у'},
    {U'A', U'А'},
    {U'B', U'В'},
    {U'E', U'Е'},
    {U'K', U'К'},
    {U'M', U'М'},
    {U'H', U'Н'},
    {U'O', U'О'},
    {U'P', U'Р'},
    {U'C', U'С'},
    {U'T', U'Т'},
    {U'X', U'Х'},
}};

Char CyrillicTwin(Char latin) {
  for (const Twins& twins : kTwins) {
    if (twins.latin == latin) return twins.cyrillic;
  }
  return 0;
}

Char LatinTwin(Char cyrillic) {
  for (const Twins& twins : kTwins) {
    if (twins.cyrillic == cyrillic) return twins.latin;
  }
  return 0;
}

// What the letters of a word tell about its alphabet.
struct Letters {
  std::size_t latinWithoutTwin = 0;
  std::size_t cyrillicWithoutTwin = 0;
  std::size_t latinTwins = 0;
  std::size_t cyrillicTwins = 0;
};

Letters Count(text::TextView word) {
  Letters letters;
  for (const Char c : word) {
    if (text::IsLatin(c)) {
      ++(CyrillicTwin(c) != 0 ? letters.latinTwins : letters.latinWithoutTwin);
    } else {
      ++(LatinTwin(c) != 0 ? letters.cyrillicTwins : letters.cyrillicWithoutTwin);
    }
  }
  return letters;
}

bool FixWord(Char* word, std::size_t length) {
  const Letters letters = Count(text::TextView(word, length));
  const bool russian =
      letters.latinTwins > 0 && letters.latinWithoutTwin == 0 && letters.cyrillicWithoutTwin > 0;
  const bool latin =
      letters.cyrillicTwins > 0 && letters.cyrillicWithoutTwin == 0 && letters.latinWithoutTwin > 0;
  for (std::size_t k = 0; k < length; ++k) {
    if (russian && text::IsLatin(word[k])) word[k] = CyrillicTwin(word[k]);
    if (latin && text::IsCyr(word[k])) word[k] = LatinTwin(word[k]);
  }
  return russian || latin;
}

}  // namespace

bool FixLookAlikeLetters(text::Text& s) {
  bool changed = false;
  std::size_t begin = 0;
  while (begin < s.size()) {
    if (!text::IsLetter(s[begin])) {
      ++begin;
      continue;
    }
    std::size_t end = begin;
    bool latin = false;
    bool cyrillic = false;
    while (end < s.size() && text::IsLetter(s[end])) {
      latin = latin || text::IsLatin(s[end]);
      cyrillic = cyrillic || text::IsCyr(s[end]);
      ++end;
    }
    if (latin && cyrillic && FixWord(s.data() + begin, end - begin)) changed = true;
    begin = end;
  }
  return changed;
}

bool HasMixedWord(text::TextView s) {
  // Per character: 1 a Latin letter, 2 a Cyrillic one, 0 anything else (which ends a word);
  // read from a table, the word's alphabets kept without a branch on the letters.
  unsigned word = 0;
  for (const Char c : s) {
    const unsigned alphabet = c < kAlphabets.size() ? kAlphabets[c] : 0u;
    word = (word | alphabet) & (0u - unsigned{alphabet != 0});
    if (word == 3) return true;
  }
  return false;
}

}  // namespace skorlin::typeset
