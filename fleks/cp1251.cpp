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
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
    if (i + 1 >= utf8.size()) break;
    unsigned cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
    i += 2;
    unsigned char code = '?';
    if (cp >= 0x410 && cp <= 0x44F) {
      code = static_cast<unsigned char>(cp - 0x410 + 0xC0);
    } else {
      switch (cp) {
        case 0x401:
          code = 0xA8;
          break;
        case 0x451:
          code = 0xB8;
          break;
        case 0x404:
          code = 0xAA;
          break;
        case 0x454:
          code = 0xBA;
          break;
        case 0x406:
          code = 0xB2;
          break;
        case 0x456:
          code = 0xB3;
          break;
        case 0x407:
          code = 0xAF;
          break;
        case 0x457:
          code = 0xBF;
          break;
        default:
          break;
      }
    }
    out.push_back(static_cast<char>(code));
  }
  return out;
}

}  // namespace fleks
