// SPDX-License-Identifier: MIT
#include "cp1251.h"

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

}  // namespace fleks
