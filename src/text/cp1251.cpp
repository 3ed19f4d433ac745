// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1251: the code page every rule of the program is defined on.
#include <array>

#include "text/text.h"

namespace skorlin::text {
namespace {

// The characters of codes 0x80..0xBF; codes 0xC0..0xFF are U+0410..U+044F and codes below
// 0x80 are ASCII. Code 0x98 is undefined in the code page and stands for U+0098, so every
// byte string survives a round trip.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// Code points below kLowLimit are looked up directly; the rest of the upper half lies in
// U+2000..U+212F.
constexpr char32_t kLowLimit = 0x0500;
constexpr char32_t kHighFirst = 0x2000;
constexpr char32_t kHighLimit = 0x2130;

struct ReverseTables {
  std::array<short, kLowLimit> low{};
  std::array<short, kHighLimit - kHighFirst> high{};
};

constexpr ReverseTables MakeReverseTables() {
  ReverseTables t;
  for (auto& v : t.low) v = -1;
  for (auto& v : t.high) v = -1;
  for (int code = 0; code < 0x80; ++code) t.low[code] = static_cast<short>(code);
  for (int code = 0xC0; code < 0x100; ++code) t.low[0x0410 + code - 0xC0] = static_cast<short>(code);
  for (int i = 0; i < 64; ++i) {
    const char32_t c = kUpperHalf[i];
    if (c < kLowLimit) {
      t.low[c] = static_cast<short>(0x80 + i);
    } else {
      t.high[c - kHighFirst] = static_cast<short>(0x80 + i);
    }
  }
  return t;
}

constexpr ReverseTables kReverse = MakeReverseTables();

}  // namespace

int Cp1251Code(Char c) {
  if (c < kLowLimit) return kReverse.low[c];
  if (c >= kHighFirst && c < kHighLimit) return kReverse.high[c - kHighFirst];
  return -1;
}

Char Cp1251Char(unsigned char code) {
  if (code < 0x80) return code;
  if (code >= 0xC0) return 0x0410 + (code - 0xC0);
  return kUpperHalf[code - 0x80];
}

}  // namespace skorlin::text
