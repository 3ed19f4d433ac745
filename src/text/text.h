// SPDX-License-Identifier: GPL-3.0-or-later
// The text every rule of the program works on, and the character classes the rules use.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skorlin::text {

// One element per character, as a Unicode code point. The rules of the program are
// defined on Windows-1251 codes: a character that exists in Windows-1251 behaves as its
// code does; any other character (₽, ×, emoji) belongs to no class, equals no literal
// and maps to itself under both case tables.
using Char = char32_t;
using Text = std::u32string;
using TextView = std::u32string_view;

// A text as a list of lines (no line breaks inside the items).
using Lines = std::vector<Text>;

// The Windows-1251 code of a character, or -1 when Windows-1251 has no such character.
int Cp1251Code(Char c);
// The character of a Windows-1251 byte; byte 0x98, undefined in the code page, is U+0098.
Char Cp1251Char(unsigned char code);

// Character classes over Windows-1251.
inline bool IsDigit(Char c) { return c >= U'0' && c <= U'9'; }
inline bool IsLatin(Char c) { return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'); }
inline bool IsCyrUpper(Char c) { return (c >= U'А' && c <= U'Я') || c == U'Ё'; }
inline bool IsCyrLower(Char c) { return (c >= U'а' && c <= U'я') || c == U'ё'; }
inline bool IsCyr(Char c) { return (c >= U'А' && c <= U'я') || c == U'Ё' || c == U'ё'; }
inline bool IsLetter(Char c) { return IsLatin(c) || IsCyr(c); }
inline bool IsAlNum(Char c) { return IsDigit(c) || IsLetter(c); }
// A blank: codes 0 to 32 (space, tab, CR, LF and the other control characters).
inline bool IsBlank(Char c) { return c <= 32; }

// The case tables: UpperCaseTable and LowerCaseTable over the 256 Windows-1251 codes,
// applied to a character. Never depends on the machine's locale.
unsigned char UpperCaseTable(unsigned char code);
unsigned char LowerCaseTable(unsigned char code);
Char UpperCharSlow(Char c);
Char LowerCharSlow(Char c);
inline Char UpperChar(Char c) {
  if (c < 0x80) return (c >= U'a' && c <= U'z') ? c - 32 : c;
  if (c >= U'а' && c <= U'я') return c - 32;
  if (c >= U'А' && c <= U'Я') return c;
  return UpperCharSlow(c);
}
inline Char LowerChar(Char c) {
  if (c < 0x80) return (c >= U'A' && c <= U'Z') ? c + 32 : c;
  if (c >= U'А' && c <= U'Я') return c + 32;
  if (c >= U'а' && c <= U'я') return c;
  return LowerCharSlow(c);
}

// Converts UTF-8 source literals and std::string to Text (the literal must be valid UTF-8).
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(TextView text);

}  // namespace skorlin::text
