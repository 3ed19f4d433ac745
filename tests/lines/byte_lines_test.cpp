// The shuffle, the inversion and the space collapsing on bytes give exactly what the text
// versions give, encoded back in the input's encoding, for UTF-8 and Windows-1251 input of
// every shape.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "lines/line_views.h"
#include "lines/ordering.h"
#include "lines/whitespace.h"
#include "text/encoding.h"

namespace skorlin::lines::testing {
namespace {

// Pieces that make up the inputs: line breaks of every kind, NULs, blanks, ASCII, UTF-8
// Cyrillic and signs outside Windows-1251, Windows-1251 Cyrillic, and bytes that are
// never valid UTF-8, so that both encodings and the boundary between them are met.
const std::vector<std::string> kPieces = {
    "\r\n", "\r", "\n", "\n\r", std::string(1, '\0'), " ", "   ", "\t", "abc", "Иванов", "₽ 5", "😀",
    "\xCF\xF0\xE8\xE2\xE5\xF2", "\x98", "\xC0", "\xD0", "\xFF"};

std::string RandomInput(std::mt19937& random, bool asciiAndUtf8Only) {
  std::uniform_int_distribution<std::size_t> count(0, 40);
  std::uniform_int_distribution<std::size_t> piece(0, asciiAndUtf8Only ? 11 : kPieces.size() - 1);
  std::string bytes;
  for (std::size_t n = count(random); n > 0; --n) bytes += kPieces[piece(random)];
  return bytes;
}

// What the text version gives for the bytes, as the command line would write it.
std::string ThroughText(std::string_view bytes, const std::function<LineCommandResult(text::TextView)>& command,
                        std::string* caption) {
  const text::DecodedText decoded = text::DecodeAuto(bytes);
  LineCommandResult result = command(decoded.text);
  *caption = result.caption;
  return text::Encode(result.text, decoded.encoding);
}

TEST(ByteLines, InvertShuffleAndCollapseEqualTheTextVersions) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 4000; ++round) {
    const std::string bytes = RandomInput(random, round % 2 == 0);
    ASSERT_NE(text::DecodeAuto(bytes).encoding, text::Encoding::Utf16LE);
    SCOPED_TRACE(::testing::PrintToString(bytes));
    std::string caption;

    const std::string inverted = ThroughText(bytes, [](text::TextView t) { return InvertLines(t); }, &caption);
    const ByteLineResult invertedBytes = InvertLineBytes(bytes);
    ASSERT_EQ(JoinLineViewsOf(invertedBytes.lines), inverted);
    ASSERT_EQ(invertedBytes.caption, caption);

    const std::string collapsed =
        ThroughText(bytes, [](text::TextView t) { return DeleteDoubleSpaces(t); }, &caption);
    const ByteTextResult collapsedBytes = DeleteDoubleSpacesInBytes(bytes);
    ASSERT_EQ(collapsedBytes.bytes, collapsed);
    ASSERT_EQ(collapsedBytes.caption, caption);

    for (const View view : {View::kInput, View::kFormatted}) {
      const std::uint32_t seed = random();
      const std::string shuffled = ThroughText(
          bytes,
          [&](text::TextView t) {
            RandomGenerator generator(seed);
            return ShuffleLines(t, generator, view);
          },
          &caption);
      RandomGenerator generator(seed);
      const ByteLineResult shuffledBytes = ShuffleLineBytes(bytes, generator, view);
      ASSERT_EQ(JoinLineViewsOf(shuffledBytes.lines), shuffled);
      ASSERT_EQ(shuffledBytes.caption, caption);
    }
  }
}

TEST(ByteLines, TheShuffleShowsTheSameProgress) {
  std::string bytes;
  for (int i = 0; i < 250; ++i) bytes += "строка " + std::to_string(i) + "\r\n";
  const text::Text decoded = text::DecodeAuto(bytes).text;
  std::vector<std::string> fromText;
  std::vector<std::string> fromBytes;
  RandomGenerator first(7);
  ShuffleLines(decoded, first, View::kInput, [&](const std::string& c) { fromText.push_back(c); });
  RandomGenerator second(7);
  ShuffleLineBytes(bytes, second, View::kInput, [&](const std::string& c) { fromBytes.push_back(c); });
  EXPECT_GT(fromText.size(), 5u);
  EXPECT_EQ(fromBytes, fromText);
}

}  // namespace
}  // namespace skorlin::lines::testing
