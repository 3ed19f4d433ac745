#include "cp1251.h"

namespace fleks {

namespace {

// Upper and lower forms of the Cyrillic letters outside the А-я block.
struct CasePair {
  unsigned char upper;
  unsigned char lower;
};
constexpr CasePair kExtraCyrillic[] = {
    {0xA8, 0xB8},  // Ё ё
    {0xAA, 0xBA},  // Є є
    {0xAF, 0xBF},  // Ї ї
    {0xB2, 0xB3},  // І і
    {0xA5, 0xB4},  // Ґ ґ
    {0xA1, 0xA2},  // Ў ў
};

}  // namespace

bool IsUpperLetter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF)) return true;
  for (const CasePair& p : kExtraCyrillic)
    if (p.upper == c) return true;
  return false;
}

bool IsLowerLetter(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || c >= 0xE0) return true;
  for (const CasePair& p : kExtraCyrillic)
    if (p.lower == c) return true;
  return false;
}

bool IsCyrLetter(unsigned char c) {
  if (c >= 0xC0) return true;
  for (const CasePair& p : kExtraCyrillic)
    if (p.upper == c || p.lower == c) return true;
  return false;
}

unsigned char ToLower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 32);
  for (const CasePair& p : kExtraCyrillic)
    if (p.upper == c) return p.lower;
  return c;
}

unsigned char ToUpper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0) return static_cast<unsigned char>(c - 32);
  for (const CasePair& p : kExtraCyrillic)
    if (p.lower == c) return p.upper;
  return c;
}

std::string LowerWord(std::string_view word) {
  std::string out(word);
  for (char& c : out) c = static_cast<char>(ToLower(static_cast<unsigned char>(c)));
  return out;
}

bool IsVowel(unsigned char c) {
  switch (c) {
    case 0xE0:  // а
    case 0xE5:  // е
    case 0xB8:  // ё
    case 0xE8:  // и
    case 0xEE:  // о
    case 0xF3:  // у
    case 0xFB:  // ы
    case 0xFD:  // э
    case 0xFE:  // ю
    case 0xFF:  // я
    case 0xB3:  // і
    case 0xBF:  // ї
    case 0xBA:  // є
      return true;
    default:
      return false;
  }
}

bool IsConsonant(unsigned char c) {
  if (!IsCyrLetter(c) || !IsLowerLetter(c) || IsVowel(c)) return false;
  return c != 0xFC && c != 0xFA;  // ь ъ
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
