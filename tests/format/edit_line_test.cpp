// SPDX-License-Identifier: GPL-3.0-or-later
// EditLine keeps a gap at the place of its last change; it must read and change exactly
// as a plain string does, wherever the changes fall.
#include "format/edit_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "text/toolkit.h"

namespace skorlin::format {
namespace {

using text::Text;

TEST(EditLine, BehavesAsAPlainString) {
  std::mt19937 engine(51);
  for (int round = 0; round < 2000; ++round) {
    std::uniform_int_distribution<int> length(0, 12);
    Text plain(static_cast<std::size_t>(length(engine)), U'a');
    for (std::size_t k = 0; k < plain.size(); ++k) plain[k] = static_cast<char32_t>(U'a' + k);
    EditLine line{Text(plain)};
    for (int step = 0; step < 60; ++step) {
      const Pos size = Length(plain);
      std::uniform_int_distribution<Pos> pos(-1, size + 2);
      const Pos p = pos(engine);
      const auto c = static_cast<char32_t>(U'A' + step);
      switch (engine() % 4) {
        case 0:
          InsertAt(plain, p, c);
          line.Insert(p, c);
          break;
        case 1:
          DeleteAt(plain, p);
          line.Erase(p);
          break;
        case 2:
          SetAt(plain, p, c);
          line.Set(p, c);
          break;
        default: {
          const Text sub = plain.substr(static_cast<std::size_t>(std::clamp<Pos>(p, 0, size)), engine() % 3);
          ASSERT_EQ(line.Find(sub, p), static_cast<Pos>(text::FindStr(
                                           sub, plain, static_cast<std::size_t>(std::max<Pos>(p, 1)))))
              << text::ToUtf8(sub) << " from " << p;
          ASSERT_EQ(line.Find(U"A", p), static_cast<Pos>(text::FindStr(
                                            U"A", plain, static_cast<std::size_t>(std::max<Pos>(p, 1)))));
        }
      }
      ASSERT_EQ(line.Length(), Length(plain));
      for (Pos q = 0; q <= Length(plain) + 1; ++q) ASSERT_EQ(line.At(q), At(plain, q)) << "position " << q;
    }
    ASSERT_TRUE(line.Release() == plain);
  }
}

TEST(EditLine, OutsideTheLineThereIsNoCharacter) {
  EditLine line{Text(U"ab")};
  EXPECT_EQ(line.At(0), kNoChar);
  EXPECT_EQ(line.At(3), kNoChar);
  line.Insert(4, U'x');  // beyond the end + 1: nothing
  line.Erase(3);
  line.Set(0, U'x');
  line.Insert(3, U'c');  // an append
  EXPECT_TRUE(line.Release() == Text(U"abc"));
}

}  // namespace
}  // namespace skorlin::format
