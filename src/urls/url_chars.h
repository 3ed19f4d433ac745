// SPDX-License-Identifier: GPL-3.0-or-later
// The two tests the URL commands are built on: which characters may stand in a URL token,
// and whether a line is an http address. Both look only at ASCII, so they read the bytes of
// UTF-8 text directly: no byte of a character outside ASCII is ASCII.
#pragma once

#include <array>
#include <string_view>

namespace skorlin::urls {

// A set of ASCII characters; every byte above 127 (so every character outside ASCII) is
// outside the set.
class AsciiCharSet {
 public:
  constexpr explicit AsciiCharSet(const char* members) {
    for (; *members != '\0'; ++members) {
      inSet_[static_cast<unsigned char>(*members) & 0x7F] = true;
    }
  }
  constexpr bool Contains(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 128 && inSet_[byte];
  }

 private:
  std::array<bool, 128> inSet_{};
};

// The characters that may stand in a URL token of "Оставить URLs": % - . / 0-9 : A-Z _
// a-z ~. Everything else ("?", "&", "=", "#", "+", blanks, line breaks, every character
// above 127) ends a token.
inline constexpr AsciiCharSet UrlCharSet{
    "%-./0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz~"};

// Whether text at position at begins with pattern, ASCII letters of either case matching
// (as the case tables match them); every other character only itself.
bool MatchesNoCaseAt(std::string_view text, std::size_t at, std::string_view pattern);

// A line is an http address when "http:" occurs anywhere in it, in any mix of case.
bool IsHttpAddress(std::string_view line);

}  // namespace skorlin::urls
