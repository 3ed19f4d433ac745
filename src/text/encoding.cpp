// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding and encoding at the program's edges, and the detection of an input's encoding.
#include "text/encoding.h"

#include <array>
#include <cstdio>
#include <string>

#include "text/huge_pages.h"
#include "text/utf8.h"
#include "text/utf8_stream.h"

namespace skorlin::text {

Text DecodeUtf8Strict(std::string_view bytes);                                   // utf8.cpp
bool TryDecodeUtf8(std::string_view bytes, Text& text, std::size_t& invalidAt);  // utf8.cpp

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEBom = "\xFF\xFE";
constexpr std::string_view kUtf16BEBom = "\xFE\xFF";

std::string_view WithoutPrefix(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix ? bytes.substr(prefix.size()) : bytes;
}

// Calls put(c) for every character of UTF-16 bytes; throws DecodeError when they are not
// UTF-16 (an odd number of bytes, an unpaired surrogate).
template <typename Put>
void ForEachUtf16Char(std::string_view bytes, bool littleEndian, Put put) {
  if (bytes.size() % 2 != 0) throw DecodeError("The input is not valid UTF-16 (odd number of bytes)");
  auto unit = [&](std::size_t i) {
    const auto a = static_cast<unsigned char>(bytes[2 * i]);
    const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
    return static_cast<Char>(littleEndian ? (a | (b << 8)) : ((a << 8) | b));
  };
  const std::size_t units = bytes.size() / 2;
  for (std::size_t i = 0; i < units; ++i) {
    const Char u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
      put(static_cast<Char>(0x10000 + ((u - 0xD800) << 10) + (unit(i + 1) - 0xDC00)));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      throw DecodeError("The input is not valid UTF-16 (unpaired surrogate at unit " + std::to_string(i + 1) +
                        ")");
    } else {
      put(u);
    }
  }
}

Text DecodeUtf16(std::string_view bytes, bool littleEndian) {
  Text text;
  text.reserve(bytes.size() / 2);
  ForEachUtf16Char(bytes, littleEndian, [&text](Char c) { text += c; });
  return text;
}

// Whether bytes hold up to the UTF-16 their byte order mark announces.
bool IsValidUtf16(std::string_view bytes, bool littleEndian) {
  try {
    ForEachUtf16Char(bytes, littleEndian, [](Char) {});
  } catch (const DecodeError&) {
    return false;
  }
  return true;
}

// Appends c as UTF-16 in the given byte order.
void PutUtf16(std::string& out, Char c, bool littleEndian) {
  auto put = [&](Char u) {
    const char lo = static_cast<char>(u & 0xFF);
    const char hi = static_cast<char>((u >> 8) & 0xFF);
    out += littleEndian ? lo : hi;
    out += littleEndian ? hi : lo;
  };
  if (c >= 0x10000) {
    put(0xD800 + ((c - 0x10000) >> 10));
    put(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else {
    put(c);
  }
}

std::string EncodeUtf16(TextView text, bool littleEndian) {
  std::string out(littleEndian ? kUtf16LEBom : kUtf16BEBom);
  out.reserve(2 + text.size() * 2);
  for (const Char c : text) PutUtf16(out, c, littleEndian);
  return out;
}

// The UTF-8 forms of the 256 Windows-1251 codes.
struct Cp1251Utf8 {
  char bytes[3];
  unsigned char length;
};

const std::array<Cp1251Utf8, 256>& Cp1251Utf8Table() {
  static const std::array<Cp1251Utf8, 256> table = [] {
    std::array<Cp1251Utf8, 256> t{};
    for (int code = 0; code < 256; ++code) {
      std::string utf8;
      AppendUtf8(utf8, Cp1251Char(static_cast<unsigned char>(code)));
      t[code].length = static_cast<unsigned char>(utf8.size());
      for (std::size_t k = 0; k < utf8.size(); ++k) t[code].bytes[k] = utf8[k];
    }
    return t;
  }();
  return table;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
  const auto& table = Cp1251Utf8Table();
  std::size_t size = 0;
  for (const char b : bytes) size += table[static_cast<unsigned char>(b)].length;
  std::string out;
  ReserveLarge(out, size);
  out.resize(size);
  char* o = out.data();
  for (const char b : bytes) {
    const Cp1251Utf8& form = table[static_cast<unsigned char>(b)];
    for (unsigned k = 0; k < form.length; ++k) *o++ = form.bytes[k];
  }
  return out;
}

namespace {

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  ReserveLarge(out, utf8.size());
  Cp1251Check check;
  for (std::size_t i = 0; i < utf8.size();) {
    const Char c = NextUtf8Char(utf8, i);
    const int code = Cp1251Code(c);
    if (code >= 0) {
      out.push_back(static_cast<char>(code));
    } else {
      if (check.unencodable == 0) check.first = c;
      ++check.unencodable;
    }
  }
  if (check.unencodable != 0) throw UnencodableError(check.unencodable, check.first);
  return out;
}

std::string CharName(Char c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  return "'" + EncodeUtf8(TextView(&c, 1)) + "' (" + code + ")";
}

}  // namespace

UnencodableError::UnencodableError(std::size_t count, Char first)
    : std::runtime_error("Windows-1251 cannot hold " + std::to_string(count) +
                         (count == 1 ? " character" : " characters") + " of the text; the first is " +
                         CharName(first)),
      count(count),
      first(first) {}

std::string_view EncodingName(Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
      return "utf-8";
    case Encoding::Utf8Bom:
      return "utf-8-bom";
    case Encoding::Utf16LE:
      return "utf-16le";
    case Encoding::Utf16BE:
      return "utf-16be";
    case Encoding::Cp1251:
      return "cp1251";
  }
  return "utf-8";
}

Text DecodeCp1251(std::string_view bytes) {
  Text text(bytes.size(), U'\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = Cp1251Char(static_cast<unsigned char>(bytes[i]));
  return text;
}

Cp1251Check CheckCp1251(TextView text) {
  Cp1251Check check;
  for (Char c : text) {
    if (Cp1251Code(c) < 0) {
      if (check.unencodable == 0) check.first = c;
      ++check.unencodable;
    }
  }
  return check;
}

std::string EncodeCp1251(TextView text) {
  const Cp1251Check check = CheckCp1251(text);
  if (check.unencodable != 0) throw UnencodableError(check.unencodable, check.first);
  std::string out(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) out[i] = static_cast<char>(Cp1251Code(text[i]));
  return out;
}

Text Decode(std::string_view bytes, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
      return DecodeUtf8Strict(WithoutPrefix(bytes, kUtf8Bom));
    case Encoding::Utf16LE:
      return DecodeUtf16(WithoutPrefix(bytes, kUtf16LEBom), true);
    case Encoding::Utf16BE:
      return DecodeUtf16(WithoutPrefix(bytes, kUtf16BEBom), false);
    case Encoding::Cp1251:
      return DecodeCp1251(bytes);
  }
  return DecodeCp1251(bytes);
}

DecodedText DecodeAuto(std::string_view bytes) {
  // A byte order mark decides; bytes that do not hold up to it are read as Windows-1251,
  // which keeps every byte.
  try {
    if (bytes.substr(0, 3) == kUtf8Bom) return {Decode(bytes, Encoding::Utf8Bom), Encoding::Utf8Bom};
    if (bytes.substr(0, 2) == kUtf16LEBom) return {Decode(bytes, Encoding::Utf16LE), Encoding::Utf16LE};
    if (bytes.substr(0, 2) == kUtf16BEBom) return {Decode(bytes, Encoding::Utf16BE), Encoding::Utf16BE};
  } catch (const DecodeError&) {
    return {DecodeCp1251(bytes), Encoding::Cp1251};
  }
  DecodedText decoded{Text(), Encoding::Utf8};
  std::size_t invalidAt = 0;
  if (TryDecodeUtf8(bytes, decoded.text, invalidAt)) return decoded;
  return {DecodeCp1251(bytes), Encoding::Cp1251};
}

Encoding DetectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return IsValidUtf8(bytes.substr(3)) ? Encoding::Utf8Bom : Encoding::Cp1251;
  if (bytes.starts_with(kUtf16LEBom))
    return IsValidUtf16(bytes.substr(2), true) ? Encoding::Utf16LE : Encoding::Cp1251;
  if (bytes.starts_with(kUtf16BEBom))
    return IsValidUtf16(bytes.substr(2), false) ? Encoding::Utf16BE : Encoding::Cp1251;
  return IsValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Cp1251;
}

std::size_t TextStart(std::string_view bytes, Encoding encoding) {
  const bool utf8 = encoding == Encoding::Utf8 || encoding == Encoding::Utf8Bom;
  return utf8 && bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
}

std::string DecodeToUtf8(std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::Cp1251) return Cp1251ToUtf8(bytes);
  std::string out;
  ReserveLarge(out, bytes.size() + bytes.size() / 2);
  Utf8Stream stream(encoding);
  const auto emit = [&out](std::string_view utf8) { out.append(utf8); };
  stream.Feed(bytes, emit);
  stream.Finish(emit);
  return out;
}

std::string EncodeFromUtf8(std::string_view utf8, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
      return std::string(utf8);
    case Encoding::Utf8Bom:
      return std::string(kUtf8Bom).append(utf8);
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
      const bool littleEndian = encoding == Encoding::Utf16LE;
      std::string out(littleEndian ? kUtf16LEBom : kUtf16BEBom);
      ReserveLarge(out, 2 + utf8.size() * 2);
      for (std::size_t i = 0; i < utf8.size();) PutUtf16(out, NextUtf8Char(utf8, i), littleEndian);
      return out;
    }
    case Encoding::Cp1251:
      return Utf8ToCp1251(utf8);
  }
  return std::string(utf8);
}

std::string Encode(TextView text, Encoding encoding) {
  switch (encoding) {
    case Encoding::Utf8:
      return EncodeUtf8(text);
    case Encoding::Utf8Bom:
      return std::string(kUtf8Bom) + EncodeUtf8(text);
    case Encoding::Utf16LE:
      return EncodeUtf16(text, true);
    case Encoding::Utf16BE:
      return EncodeUtf16(text, false);
    case Encoding::Cp1251:
      return EncodeCp1251(text);
  }
  return EncodeUtf8(text);
}

}  // namespace skorlin::text
