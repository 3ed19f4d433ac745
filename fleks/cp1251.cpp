// SPDX-License-Identifier: MIT
#include "cp1251.h"

#include "literal.h"

namespace fleks {

std::string LowerWord(std::string_view word) {
  std::string out(word);
  for (char& c : out) c = static_cast<char>(ToLower(static_cast<unsigned char>(c)));
  return out;
}

std::string Cp1251FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  ForEachCp1251Byte(utf8, [&out](char b) { out.push_back(b); });
  return out;
}

// The literals and the tables read the same letters alike, Ukrainian and Belarusian ones too.
static_assert("ЁЄІЇЎҐ"_cp == "\xA8\xAA\xB2\xAF\xA1\xA5");
static_assert("ёєіїўґ’"_cp == "\xB8\xBA\xB3\xBF\xA2\xB4\x92");

}  // namespace fleks
