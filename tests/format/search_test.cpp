// FindText and ReplaceAllInPlace must answer exactly as FindStr and ReplaceAll do.
#include "format/search.h"

#include <gtest/gtest.h>

#include <random>

#include "text/toolkit.h"

namespace skorlin::format {
namespace {

using text::Text;

Text RandomText(std::mt19937& engine, text::TextView alphabet, std::size_t minLength, std::size_t maxLength) {
  std::uniform_int_distribution<std::size_t> length(minLength, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  Text s;
  for (std::size_t n = length(engine); n > 0; --n) s.push_back(alphabet[pick(engine)]);
  return s;
}

TEST(FindText, SameAsFindStr) {
  std::mt19937 engine(41);
  std::uniform_int_distribution<std::size_t> start(0, 22);
  for (int n = 0; n < 100000; ++n) {
    const Text sub = RandomText(engine, U"  ab-", 0, 4);
    const Text s = RandomText(engine, U"  ab-", 0, 20);
    const std::size_t from = start(engine);
    ASSERT_EQ(FindText(sub, s, from), text::FindStr(sub, s, from))
        << "'" << text::ToUtf8(sub) << "' in '" << text::ToUtf8(s) << "' from " << from;
  }
}

TEST(ReplaceAllInPlace, SameAsReplaceAll) {
  std::mt19937 engine(42);
  for (int n = 0; n < 100000; ++n) {
    const Text find = RandomText(engine, U" ab", 0, 3);
    const Text repl = RandomText(engine, U" abc", 0, 4);
    const Text s = RandomText(engine, U" ab", 0, 16);
    Text inPlace = s;
    ReplaceAllInPlace(inPlace, find, repl);
    ASSERT_EQ(text::ToUtf8(inPlace), text::ToUtf8(text::ReplaceAll(s, find, repl)))
        << "'" << text::ToUtf8(find) << "' by '" << text::ToUtf8(repl) << "' in '" << text::ToUtf8(s) << "'";
  }
}

}  // namespace
}  // namespace skorlin::format
