// SPDX-License-Identifier: MIT
// Windows-1251 literals written in UTF-8 source: "ов"_cp is the two bytes of "ов".
#pragma once

#include <cstddef>
#include <string_view>

#include "cp1251.h"

namespace fleks {

template <std::size_t N>
struct Cp1251Literal {
  char data[N]{};
  std::size_t size = 0;

  consteval Cp1251Literal(const char (&utf8)[N]) {
    ForEachCp1251Byte(std::string_view(utf8, N - 1), [this](char b) { data[size++] = b; });
  }
};

template <Cp1251Literal L>
constexpr std::string_view operator""_cp() {
  return std::string_view(L.data, L.size);
}

}  // namespace fleks
