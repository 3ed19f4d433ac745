// The two tests the URL commands are built on: which characters may stand in a URL token,
// and whether a line is an http address.
#pragma once

#include <array>

#include "text/text.h"

namespace skorlin::urls {

// A set of ASCII characters; every character above 127 (and every character outside
// Windows-1251) is outside the set.
class AsciiCharSet {
 public:
  constexpr explicit AsciiCharSet(const char* members) {
    for (; *members != '\0'; ++members) {
      inSet_[static_cast<unsigned char>(*members) & 0x7F] = true;
    }
  }
  constexpr bool Contains(text::Char c) const { return c < 128 && inSet_[c]; }

 private:
  std::array<bool, 128> inSet_{};
};

// The characters that may stand in a URL token of "Оставить URLs": % - . / 0-9 : A-Z _
// a-z ~. Everything else ("?", "&", "=", "#", "+", blanks, line breaks, every character
// above 127) ends a token.
inline constexpr AsciiCharSet UrlCharSet{
    "%-./0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz~"};

// A line is an http address when "http:" occurs anywhere in it, in any mix of case.
bool IsHttpAddress(text::TextView line);

}  // namespace skorlin::urls
