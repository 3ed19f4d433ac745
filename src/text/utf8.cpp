// UTF-8 conversion of texts, used for source literals and at the program's edges.
#include <string>

#include "text/encoding.h"
#include "text/text.h"

namespace skorlin::text {
namespace {

// The length of the valid UTF-8 sequence starting at bytes[i], or 0 when it is invalid.
std::size_t ValidSequenceLength(std::string_view bytes, std::size_t i, Char& decoded) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) {
    decoded = lead;
    return 1;
  }
  std::size_t length = 0;
  Char value = 0;
  Char minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i + k) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  decoded = value;
  return length;
}

// Writes the UTF-8 form of c at out; returns the position after it.
char* PutUtf8(char* out, Char c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  Char ignored = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = ValidSequenceLength(bytes, i, ignored);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Decodes UTF-8 into text in one pass; false (with the position of the first invalid
// byte) when the bytes are not UTF-8.
bool TryDecodeUtf8(std::string_view bytes, Text& text, std::size_t& invalidAt) {
  // Every character written starts at its own byte that is not a continuation byte (a
  // sequence that starts at one is invalid), so counting those bytes sizes the text exactly
  // for valid input and never too small for any input.
  std::size_t leads = 0;
  for (const char b : bytes) leads += (static_cast<unsigned char>(b) & 0xC0) != 0x80;
  text.assign(leads, U'\0');
  std::size_t out = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      text[out++] = lead;
      ++i;
      continue;
    }
    Char c = 0;
    const std::size_t length = ValidSequenceLength(bytes, i, c);
    if (length == 0) {
      invalidAt = i;
      return false;
    }
    text[out++] = c;
    i += length;
  }
  text.resize(out);
  return true;
}

// Decodes UTF-8; throws DecodeError at the first invalid sequence.
Text DecodeUtf8Strict(std::string_view bytes) {
  Text text;
  std::size_t invalidAt = 0;
  if (!TryDecodeUtf8(bytes, text, invalidAt)) {
    throw DecodeError("The input is not valid UTF-8 (byte " + std::to_string(invalidAt + 1) + ")");
  }
  return text;
}

std::string EncodeUtf8(TextView text) {
  // Sized exactly first, so that a large text does not claim (and zero) four bytes for
  // every character.
  std::size_t size = 0;
  for (const Char c : text) size += 1 + (c >= 0x80) + (c >= 0x800) + (c >= 0x10000);
  std::string out(size, '\0');
  char* end = out.data();
  for (Char c : text) end = PutUtf8(end, c);
  out.resize(static_cast<std::size_t>(end - out.data()));
  return out;
}

Text FromUtf8(std::string_view utf8) { return DecodeUtf8Strict(utf8); }
std::string ToUtf8(TextView text) { return EncodeUtf8(text); }

}  // namespace skorlin::text
