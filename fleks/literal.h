// SPDX-License-Identifier: MIT
// Windows-1251 literals written in UTF-8 source: "ов"_cp is the two bytes of "ов".
#pragma once

#include <cstddef>
#include <string_view>

namespace fleks {

template <std::size_t N>
struct Cp1251Literal {
  char data[N]{};
  std::size_t size = 0;

  consteval Cp1251Literal(const char (&utf8)[N]) {
    std::size_t i = 0;
    while (i + 1 < N) {
      unsigned char b = static_cast<unsigned char>(utf8[i]);
      if (b < 0x80) {
        data[size++] = static_cast<char>(b);
        ++i;
        continue;
      }
      unsigned cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      i += 2;
      unsigned char code = '?';
      if (cp >= 0x410 && cp <= 0x44F)
        code = static_cast<unsigned char>(cp - 0x410 + 0xC0);
      else if (cp == 0x401)
        code = 0xA8;
      else if (cp == 0x451)
        code = 0xB8;
      else if (cp == 0x456)  // і
        code = 0xB3;
      else if (cp == 0x457)  // ї
        code = 0xBF;
      data[size++] = static_cast<char>(code);
    }
  }
};

template <Cp1251Literal L>
constexpr std::string_view operator""_cp() {
  return std::string_view(L.data, L.size);
}

}  // namespace fleks
