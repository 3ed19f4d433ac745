// SPDX-License-Identifier: GPL-3.0-or-later
// Codecs and input detection: used only at the edges (files, clipboard, settings, the
// declension library, the command line). Nothing is ever replaced by "?".
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "text/text.h"

namespace skorlin::text {

enum class Encoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Cp1251 };

// "utf-8", "utf-8-bom", "utf-16le", "utf-16be", "cp1251".
std::string_view EncodingName(Encoding encoding);

// Thrown when bytes are not valid in the encoding they are read in.
class DecodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Thrown when Windows-1251 cannot hold some characters of a text.
class UnencodableError : public std::runtime_error {
 public:
  UnencodableError(std::size_t count, Char first);
  std::size_t count;  // how many characters Windows-1251 has no code for
  Char first;         // the first of them
};

struct DecodedText {
  Text text;
  Encoding encoding;
};

// A UTF-8 or UTF-16 byte order mark decides; otherwise valid UTF-8 is UTF-8 (plain
// ASCII included); otherwise Windows-1251. Never fails.
DecodedText DecodeAuto(std::string_view bytes);
// Reads bytes in the given encoding (a BOM of that encoding is skipped).
// Throws DecodeError when they are not valid in it.
Text Decode(std::string_view bytes, Encoding encoding);
// Writes text in the given encoding (with a BOM for Utf8Bom and the UTF-16 forms).
// Throws UnencodableError for Cp1251 when some character has no code.
std::string Encode(TextView text, Encoding encoding);

Text DecodeCp1251(std::string_view bytes);
// Characters without a Windows-1251 code: how many, and the first of them.
struct Cp1251Check {
  std::size_t unencodable = 0;
  Char first = 0;
};
Cp1251Check CheckCp1251(TextView text);
std::string EncodeCp1251(TextView text);  // throws UnencodableError

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);
// The index of the first byte that starts no valid sequence; npos when bytes are UTF-8.
std::size_t FindInvalidUtf8(std::string_view bytes);
std::string EncodeUtf8(TextView text);

// The same decisions on UTF-8 text, for the command line, which hands a command UTF-8
// input as it came and converts any other encoding once.
// The encoding DecodeAuto reads bytes in (a byte order mark the bytes do not hold up to
// gives Windows-1251).
Encoding DetectEncoding(std::string_view bytes);
// Where the text of bytes in that encoding begins: after the byte order mark of a UTF-8
// text read as such.
std::size_t TextStart(std::string_view bytes, Encoding encoding);
// Windows-1251 bytes as UTF-8.
std::string Cp1251ToUtf8(std::string_view bytes);
// The bytes read in the given encoding, as UTF-8 (a BOM of that encoding skipped).
// Throws DecodeError as Decode does.
std::string DecodeToUtf8(std::string_view bytes, Encoding encoding);
// UTF-8 text written in the given encoding, as Encode writes it. Throws UnencodableError
// for Cp1251 when some character has no code.
std::string EncodeFromUtf8(std::string_view utf8, Encoding encoding);

}  // namespace skorlin::text
