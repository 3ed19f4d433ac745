// SPDX-License-Identifier: GPL-3.0-or-later
// The search the normalizer's patterns use (the toolkit's FindStr, which looks for a pattern
// by its first character that is not a space) finds what a plain search finds, and
// ReplaceAllInPlace answers exactly as ReplaceAll does.
#include "format/search.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

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

TEST(FindText, SameAsThePlainSearch) {
  std::mt19937 engine(41);
  std::uniform_int_distribution<std::size_t> start(0, 22);
  for (int n = 0; n < 100000; ++n) {
    const Text sub = RandomText(engine, U"  ab-", 0, 4);
    const Text s = RandomText(engine, U"  ab-", 0, 20);
    const std::size_t from = start(engine);
    const std::size_t at = sub.empty() ? Text::npos : s.find(sub, from == 0 ? 0 : from - 1);
    ASSERT_EQ(FindText(sub, s, from), at == Text::npos ? 0 : at + 1)
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

// Where each inserted text begins in the new line, worked out from the old line.
std::vector<std::size_t> InsertedAt(const Text& s, const Text& find, const Text& repl) {
  std::vector<std::size_t> sites;
  std::size_t shift = 0;
  for (std::size_t p = text::FindStr(find, s, 1); p != 0; p = text::FindStr(find, s, p + find.size())) {
    sites.push_back(p - 1 - shift);
    shift += find.size() - repl.size();
  }
  return sites;
}

TEST(ReplaceAllInPlace, ReportsWhereEveryReplacementWasMade) {
  std::mt19937 engine(43);
  for (int n = 0; n < 20000; ++n) {
    const Text find = RandomText(engine, U" a", 1, 2);
    const Text repl = RandomText(engine, U" ab", 0, find.size());
    // Long enough, now and then, for more replacements than are kept one by one.
    const Text s = RandomText(engine, U" a", 0, n % 10 == 0 ? 80 : 16);
    Text inPlace = s;
    std::set<std::size_t> reported;
    ReplaceAllInPlace(inPlace, find, repl, [&reported](std::size_t at) { reported.insert(at); });
    for (const std::size_t at : InsertedAt(s, find, repl)) {
      ASSERT_TRUE(reported.count(at) == 1)
          << "'" << text::ToUtf8(find) << "' in '" << text::ToUtf8(s) << "' at " << at;
    }
  }
}

}  // namespace
}  // namespace skorlin::format
