// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8, the form in which a view's whole text reaches the commands: counted and read
// character by character only where a rule needs characters.
//
// The commands read UTF-8 as the program writes it: a lone surrogate (which a view may
// hold) stands in its three-byte form and is one character too. Any other byte that
// starts no sequence, and a sequence cut short, is read as one character U+FFFD together
// with the continuation bytes after it; nothing is ever read outside the string.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/text.h"

namespace skorlin::text {

// Blanks are codes 0 to 32: in UTF-8, each is the one byte of the same value.
inline bool IsBlankByte(char byte) { return static_cast<unsigned char>(byte) <= 32; }
// UTF-8 text without the blanks at its ends.
std::string_view TrimBlankBytes(std::string_view utf8);
// Whether UTF-8 text holds nothing but blanks (or nothing).
bool IsBlankUtf8(std::string_view utf8);

// Whether a byte continues a character rather than starting one.
inline bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The number of characters of UTF-8 text: the bytes that start a character.
std::size_t CountUtf8Chars(std::string_view utf8);

// The character that starts at utf8[i] (outside ASCII), moving i past it.
Char NextUtf8CharSlow(std::string_view utf8, std::size_t& i);

// The character that starts at utf8[i], moving i past it; i < utf8.size().
inline Char NextUtf8Char(std::string_view utf8, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(utf8[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  // Two bytes, as every Cyrillic letter takes: a lead of C2 to DF and exactly one
  // continuation byte after it.
  if (lead >= 0xC2 && lead < 0xE0 && i + 1 < utf8.size() && IsUtf8Continuation(utf8[i + 1]) &&
      (i + 2 == utf8.size() || !IsUtf8Continuation(utf8[i + 2]))) {
    const auto trail = static_cast<unsigned char>(utf8[i + 1]);
    i += 2;
    return (Char{lead & 0x1Fu} << 6) | (trail & 0x3Fu);
  }
  return NextUtf8CharSlow(utf8, i);
}

// The number of bytes of c's UTF-8 form; a value beyond U+10FFFF is written as U+FFFD.
inline std::size_t Utf8Length(Char c) {
  return c < 0x80 ? 1 : c < 0x800 ? 2 : (c < 0x10000 || c > 0x10FFFF) ? 3 : 4;
}

// The characters of UTF-8 text (a line, where a rule reads it character by character).
Text DecodeUtf8(std::string_view utf8);
// The same into out, whose storage is used again line after line.
void DecodeUtf8Into(std::string_view utf8, Text& out);
// Appends the UTF-8 form of text (a lone surrogate in its three-byte form).
void AppendUtf8(std::string& out, TextView text);
void AppendUtf8(std::string& out, Char c);

}  // namespace skorlin::text
