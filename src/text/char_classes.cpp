// SPDX-License-Identifier: GPL-3.0-or-later
// Character classes and case tables over Windows-1251 codes.
#include <array>

#include "text/text.h"

namespace skorlin::text {
namespace {

// Upper and lower codes of the letter pairs beyond A-Z and А-Я.
struct CasePair {
  unsigned char upper;
  unsigned char lower;
};
constexpr std::array<CasePair, 15> kExtraCasePairs = {{
    {168, 184},  // Ё ё
    {128, 144},  // Ђ ђ
    {129, 131},  // Ѓ ѓ
    {138, 154},  // Љ љ
    {140, 156},  // Њ њ
    {141, 157},  // Ќ ќ
    {142, 158},  // Ћ ћ
    {143, 159},  // Џ џ
    {161, 162},  // Ў ў
    {163, 188},  // Ј ј
    {165, 180},  // Ґ ґ
    {170, 186},  // Є є
    {175, 191},  // Ї ї
    {178, 179},  // І і
    {189, 190},  // Ѕ ѕ
}};

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
};

constexpr CaseTables MakeCaseTables() {
  CaseTables t;
  for (int code = 0; code < 256; ++code) {
    t.upper[code] = static_cast<unsigned char>(code);
    t.lower[code] = static_cast<unsigned char>(code);
  }
  auto pair = [&t](int upper, int lower) {
    t.upper[lower] = static_cast<unsigned char>(upper);
    t.lower[upper] = static_cast<unsigned char>(lower);
  };
  for (int i = 0; i < 26; ++i) pair('A' + i, 'a' + i);
  for (int i = 0; i < 32; ++i) pair(192 + i, 224 + i);
  for (const CasePair& p : kExtraCasePairs) pair(p.upper, p.lower);
  return t;
}

constexpr CaseTables kCase = MakeCaseTables();

}  // namespace

unsigned char UpperCaseTable(unsigned char code) { return kCase.upper[code]; }
unsigned char LowerCaseTable(unsigned char code) { return kCase.lower[code]; }

Char UpperCharSlow(Char c) {
  const int code = Cp1251Code(c);
  return code < 0 ? c : Cp1251Char(kCase.upper[code]);
}

Char LowerCharSlow(Char c) {
  const int code = Cp1251Code(c);
  return code < 0 ? c : Cp1251Char(kCase.lower[code]);
}

}  // namespace skorlin::text
