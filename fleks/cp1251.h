// Windows-1251 bytes as the declension engine sees them: letter classes and case mapping
// of the Cyrillic and Latin letters, and the conversion of the UTF-8 rule tables.
#pragma once

#include <string>
#include <string_view>

namespace fleks {

bool IsUpperLetter(unsigned char c);
bool IsLowerLetter(unsigned char c);
bool IsCyrLetter(unsigned char c);  // Russian, Ukrainian and Belarusian letters
unsigned char ToLower(unsigned char c);
unsigned char ToUpper(unsigned char c);
std::string LowerWord(std::string_view word);

// The lower-case vowels of Russian and Ukrainian, ё included.
bool IsVowel(unsigned char c);
// A lower-case Cyrillic consonant letter (ь and ъ excluded).
bool IsConsonant(unsigned char c);

// Converts a UTF-8 literal of the rule tables (ASCII and Cyrillic only) to Windows-1251.
std::string Cp1251FromUtf8(std::string_view utf8);

}  // namespace fleks
