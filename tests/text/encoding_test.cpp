// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/encoding.h"

#include <gtest/gtest.h>

#include <random>

#include "text/utf8_stream.h"

namespace skorlin::text {
namespace {

std::string AllBytes(int first) {
  std::string bytes;
  for (int b = first; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(Codecs, Cp1251RoundTripsEveryByteValue) {
  const std::string bytes = AllBytes(0);
  EXPECT_EQ(EncodeCp1251(DecodeCp1251(bytes)), bytes);
  // Through UTF-8 and back as well: nothing is lost on the way.
  EXPECT_EQ(EncodeCp1251(Decode(EncodeUtf8(DecodeCp1251(bytes)), Encoding::Utf8)), bytes);
}

TEST(Codecs, UnicodeRoundTripsThroughEveryUnicodeEncoding) {
  const Text text = FromUtf8("ёЖ №5 ₽ × é 😀 \u0098 \u00A0") + Text(1, U'\0') + U"\U0010FFFF";
  for (Encoding e : {Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf16LE, Encoding::Utf16BE}) {
    const std::string bytes = Encode(text, e);
    EXPECT_EQ(Decode(bytes, e), text) << EncodingName(e);
    const DecodedText detected = DecodeAuto(bytes);
    EXPECT_EQ(detected.text, text) << EncodingName(e);
    EXPECT_EQ(detected.encoding, e) << EncodingName(e);
  }
}

TEST(Codecs, Cp1251RefusesCharactersItCannotHold) {
  try {
    EncodeCp1251(FromUtf8("цена 5 ₽ или 6 €, 7 ₽"));
    FAIL() << "no error";
  } catch (const UnencodableError& error) {
    EXPECT_EQ(error.count, 2u);
    EXPECT_EQ(error.first, U'₽');
    EXPECT_NE(std::string(error.what()).find("2 characters"), std::string::npos);
  }
}

TEST(Detection, BomThenValidUtf8ElseCp1251) {
  struct Case {
    std::string bytes;
    Encoding encoding;
    const char* text;
  } cases[] = {
      {"plain ascii", Encoding::Utf8, "plain ascii"},
      {"\xD0\xBF\xD1\x80\xD0\xB8", Encoding::Utf8, "при"},
      {"\xEF\xBB\xBF\xD1\x8F", Encoding::Utf8Bom, "я"},
      {"\xFF\xFE\x4F\x04", Encoding::Utf16LE, "я"},
      {"\xFE\xFF\x04\x4F", Encoding::Utf16BE, "я"},
      {"\xEF\xF0\xE8", Encoding::Cp1251, "при"},
      {"", Encoding::Utf8, ""},
      // A BOM the rest does not live up to: every byte is kept as Windows-1251.
      {"\xFF\xFE\x41", Encoding::Cp1251, "яюA"},
      {"\xEF\xBB\xBF\xFF", Encoding::Cp1251, "п»їя"},
      // Overlong and surrogate forms are not UTF-8.
      {"\xC0\xAF", Encoding::Cp1251, "АЇ"},
      {"\xED\xA0\x80", Encoding::Cp1251, "н\u00A0Ђ"},
  };
  for (const Case& c : cases) {
    const DecodedText decoded = DecodeAuto(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding) << c.text;
    EXPECT_EQ(decoded.text, FromUtf8(c.text)) << c.text;
  }
}

// The UTF-8 codec sizes its buffers from the input: one byte to four per character on the
// way out, one character per byte that is not a continuation byte on the way in. Inputs
// made only of sequences of one length, of every length, and broken ones around them.
TEST(Codecs, Utf8BuffersFitEverySequenceLength) {
  struct Case {
    const char* bytes;
    std::size_t characters;  // 0 with valid == false: not UTF-8
    bool valid;
  } cases[] = {
      {"abc", 3, true},
      {"\xD0\xB6\xD0\xB6", 2, true},                  // ж ж
      {"\xE2\x82\xBD\xE2\x84\x96", 2, true},          // ₽ №
      {"\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", 2, true},  // 😀 U+10FFFF
      {"a\xD0\xB6\xE2\x82\xBD\xF0\x9F\x98\x80z", 5, true},
      {"\x80\x80\x80", 0, false},  // continuation bytes only
      {"\xBF", 0, false},
      {"ab\xD0", 0, false},  // cut off at the end
      {"\xE2\x82", 0, false},
      {"\xF0\x9F\x98", 0, false},
      {"\xD0\xB6\x80\x80\x80\x80", 0, false},  // stray continuation bytes after one
      {"\xF8\x88\x80\x80\x80", 0, false},      // five-byte form
  };
  for (const Case& c : cases) {
    const std::string bytes = c.bytes;
    if (!c.valid) {
      EXPECT_THROW(Decode(bytes, Encoding::Utf8), DecodeError) << bytes;
      EXPECT_EQ(DecodeAuto(bytes).encoding, Encoding::Cp1251) << bytes;
      continue;
    }
    const Text text = Decode(bytes, Encoding::Utf8);
    EXPECT_EQ(text.size(), c.characters) << bytes;
    EXPECT_EQ(EncodeUtf8(text), bytes) << bytes;
  }
}

// The first byte that starts no valid sequence, found one sequence at a time as UTF-8 is
// defined (no overlong form, no surrogate, nothing above U+10FFFF); npos when there is none.
std::size_t LiteralFirstInvalid(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned lead = b(i);
    std::size_t length = lead < 0x80                    ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || i + length > s.size()) return i;
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      if ((b(i + k) & 0xC0) != 0x80) return i;
      value = (value << 6) | (b(i + k) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < least[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return i;
    i += length;
  }
  return std::string::npos;
}

// The search for the first invalid byte reads eight bytes at a time: sequences of every
// length across the words' edges, and every way of being wrong.
TEST(Codecs, FirstInvalidUtf8ByteAsTheDefinitionFindsIt) {
  static const std::string kPieces[] = {"a",
                                        "  ",
                                        "\xD0\xB6",
                                        "\xC2\x80",
                                        "\xDF\xBF",
                                        "\xE2\x82\xBD",
                                        "\xF0\x9F\x98\x80",
                                        "\xC0\xAF",
                                        "\xC1\xBF",
                                        "\xED\xA0\x80",
                                        "\xF4\x90\x80\x80",
                                        "\xE0\x80\x80",
                                        "\x80",
                                        "\xBF",
                                        "\xD0",
                                        "\xE2\x82",
                                        "\xF5",
                                        "\xFF",
                                        "\xEF\xBB\xBF",
                                        "abcdefg"};
  std::mt19937 random(8);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> count(0, 24);
  for (int round = 0; round < 20000; ++round) {
    std::string s;
    const int n = count(random);
    // Mostly valid pieces, so that the first fault falls anywhere in a long text.
    for (int k = 0; k < n; ++k) s += kPieces[round % 3 == 0 ? piece(random) : piece(random) % 7];
    if (round % 5 == 0) s += kPieces[piece(random)];
    ASSERT_EQ(FindInvalidUtf8(s), LiteralFirstInvalid(s)) << ::testing::PrintToString(s);
  }
}

TEST(Detection, StrictDecodingNamesTheProblem) {
  EXPECT_THROW(Decode("\xEF\xF0\xE8", Encoding::Utf8), DecodeError);
  EXPECT_THROW(Decode(std::string("\xFF\xFE\x00\xD8", 4), Encoding::Utf16LE), DecodeError);
  EXPECT_THROW(Decode("\xFF\xFE\x41", Encoding::Utf16LE), DecodeError);
  EXPECT_THROW(FromUtf8("\xF4\x90\x80\x80"), DecodeError);  // above U+10FFFF
}

// Byte strings made of what the decisions turn on: byte order marks, UTF-8 of every length
// (cut too), surrogates in UTF-8 and UTF-16 forms, Windows-1251 bytes, NUL and breaks.
std::string RandomBytes(std::mt19937& random) {
  static const std::string kPieces[] = {"\xEF\xBB\xBF",
                                        "\xFF\xFE",
                                        "\xFE\xFF",
                                        "a",
                                        "\r\n",
                                        std::string(1, '\0'),
                                        "\xD0\xB6",
                                        "\xE2\x82\xBD",
                                        "\xF0\x9F\x98\x80",
                                        "\xED\xA0\x80",
                                        "\x00\xD8",
                                        "\x3D\xD8\x00\xDE",
                                        "\xD0",
                                        "\x98",
                                        "\xEF\xF0\xE8",
                                        "\x80"};
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> count(0, 12);
  std::string bytes;
  for (int n = count(random); n > 0; --n) bytes += kPieces[piece(random)];
  return bytes;
}

// The UTF-8 forms of the edge decisions give exactly what the Text forms give.
TEST(Utf8Edge, DetectionAndConversionsAgreeWithTheTextForms) {
  std::mt19937 random(1251);
  for (int round = 0; round < 4000; ++round) {
    const std::string bytes = RandomBytes(random);
    SCOPED_TRACE(::testing::PrintToString(bytes));
    const DecodedText decoded = DecodeAuto(bytes);
    ASSERT_EQ(DetectEncoding(bytes), decoded.encoding);
    for (Encoding e :
         {Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf16LE, Encoding::Utf16BE, Encoding::Cp1251}) {
      std::string expected;
      try {
        expected = EncodeUtf8(Decode(bytes, e));
      } catch (const DecodeError& error) {
        try {
          DecodeToUtf8(bytes, e);
          FAIL() << "no error for " << EncodingName(e);
        } catch (const DecodeError& same) {
          ASSERT_STREQ(same.what(), error.what());
        }
        continue;
      }
      ASSERT_EQ(DecodeToUtf8(bytes, e), expected) << EncodingName(e);
      // And back: the same bytes Encode writes, or the same refusal.
      for (Encoding out : {Encoding::Utf8Bom, Encoding::Utf16BE, Encoding::Cp1251}) {
        const Text text = Decode(bytes, e);
        if (CheckCp1251(text).unencodable != 0 && out == Encoding::Cp1251) {
          ASSERT_THROW(EncodeFromUtf8(expected, out), UnencodableError);
        } else {
          ASSERT_EQ(EncodeFromUtf8(expected, out), Encode(text, out));
        }
      }
    }
  }
}

// Input read in blocks: whatever the cuts (inside a byte order mark, a character, a UTF-16
// unit or surrogate pair), the pieces give the whole conversion, or the same error.
TEST(Utf8Edge, AStreamCutAnywhereGivesTheWholeConversion) {
  std::mt19937 random(866);
  for (int round = 0; round < 4000; ++round) {
    const std::string bytes = RandomBytes(random);
    SCOPED_TRACE(::testing::PrintToString(bytes));
    for (Encoding e :
         {Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf16LE, Encoding::Utf16BE, Encoding::Cp1251}) {
      std::string whole;
      std::string wholeError;
      try {
        whole = DecodeToUtf8(bytes, e);
      } catch (const DecodeError& error) {
        wholeError = error.what();
      }
      Utf8Stream stream(e);
      std::string pieces;
      const auto emit = [&pieces](std::string_view utf8) { pieces.append(utf8); };
      std::uniform_int_distribution<std::size_t> cut(0, 3);
      for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t n = std::min(cut(random), bytes.size() - at);
        stream.Feed(std::string_view(bytes).substr(at, n), emit);
        at += n;
      }
      std::string streamError;
      try {
        stream.Finish(emit);
      } catch (const DecodeError& error) {
        streamError = error.what();
      }
      ASSERT_EQ(streamError, wholeError) << EncodingName(e);
      if (wholeError.empty()) {
        ASSERT_EQ(pieces, whole) << EncodingName(e);
      }
    }
  }
}

}  // namespace
}  // namespace skorlin::text
