// SPDX-License-Identifier: GPL-3.0-or-later
// The one-pass steps against the walks they stand for, written here as literally as the
// rules read: 1-based positions, an entity put by deleting one character and inserting
// the entity, every test reading the line as it then stands.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

#include "html/line_steps.h"
#include "html/replacements.h"
#include "html_test_util.h"
#include "text/toolkit.h"

namespace skorlin::html {
namespace {

using testing::U8;
using text::Char;
using text::Text;

using Pos = std::ptrdiff_t;

Char At(const Text& s, Pos p) { return CharAt(s, p); }
Pos Len(const Text& s) { return static_cast<Pos>(s.size()); }

void Put(Text& s, Pos p, text::TextView entity) {
  text::DeleteRange(s, p, 1);
  s.insert(static_cast<std::size_t>(p - 1), entity);
}

void LiteralRemoveSpacesBesideTabs(Text& s) {
  while (text::FindStr(U" \t", s) != 0) s = text::ReplaceAll(s, U" \t", U"\t");
  while (text::FindStr(U"\t ", s) != 0) s = text::ReplaceAll(s, U"\t ", U"\t");
}

void LiteralEscapeAmpersands(Text& s) {
  for (Pos p = Len(s) - 1; p >= 2; --p) {
    if (At(s, p) == U'&' && text::TextView(s).substr(static_cast<std::size_t>(p - 1), 5) != U"&amp;") {
      s.insert(static_cast<std::size_t>(p), U"amp;");
    }
  }
}

void LiteralMultiplication(Text& s) {
  for (Pos p = Len(s) - 2; p >= 3; --p) {
    if ((At(s, p) == U'x' || At(s, p) == U'х') && text::IsDigit(At(s, p - 2)) &&
        text::IsDigit(At(s, p + 2))) {
      Put(s, p, U"&times;");
    }
  }
}

bool InRange(Char c) { return text::IsDigit(c) || c == U'-' || c == U'–'; }

void LiteralNumberRanges(Text& s) {
  for (Pos p = Len(s) - 2; p >= 2; --p) {
    if (At(s, p) != U'-') continue;
    Pos left = p;
    while (InRange(At(s, left - 1))) --left;
    Pos right = p;
    while (InRange(At(s, right + 1))) ++right;
    Text copy = s.substr(static_cast<std::size_t>(left - 1), static_cast<std::size_t>(right - left + 1));
    copy = text::ReplaceAll(copy, U"–", U"-");
    if (text::CountChar(copy, U'-') == 1 && copy.size() > 3) Put(s, p, U"&ndash;");
  }
}

void LiteralYearsAndCities(Text& s) {
  Pos p = 3;
  while (p < Len(s) - 1) {
    const bool abbreviation =
        At(s, p) == U'г' && (At(s, p + 1) == U'.' || (At(s, p + 1) == U'г' && At(s, p + 2) == U'.'));
    if (abbreviation) {
      if (At(s, p - 1) == U' ' && text::IsDigit(At(s, p - 2))) {
        Put(s, p - 1, U"&nbsp;");
        ++p;
      }
      if ((At(s, p - 1) == U' ' || At(s, p - 1) == U'(') && At(s, p + 2) == U' ' && IsCapital(At(s, p + 3))) {
        Put(s, p + 2, U"&nbsp;");
        ++p;
      }
    }
    ++p;
  }
}

void LiteralInitials(Text& s) {
  Pos p = 1;
  while (p < Len(s) - 5) {
    const Char before = At(s, p - 1);
    if ((p == 1 || before == U'\r' || before == U'\n' || before == U' ') && IsCapital(At(s, p)) &&
        At(s, p + 1) == U'.' && IsCapital(At(s, p + 2)) && At(s, p + 3) == U'.') {
      if (At(s, p + 4) == U' ' && IsCapital(At(s, p + 5))) {
        Put(s, p + 4, U"&nbsp;");
      } else if (p > 1 && At(s, p - 1) == U' ') {
        Put(s, p - 1, U"&nbsp;");
      }
    }
    ++p;
  }
}

void LiteralShortWords(Text& s) {
  static const std::array<Text, 8> kWords{U"не", U"с", U"в", U"на", U"от", U"у", U"к", U"за"};
  std::size_t a = text::FindStr(U" ", s);
  while (a > 0) {
    const std::size_t b = text::FindStr(U" ", s, a + 1);
    if (b == 0) break;
    const Text word = s.substr(a, b - a - 1);
    if (word.size() <= 3 && std::find(kWords.begin(), kWords.end(), text::LowerStr(word)) != kWords.end()) {
      Put(s, static_cast<Pos>(b), U"&nbsp;");
    }
    a = b;
  }
}

void LiteralRows(Text& s, std::span<const Replacement> rows) {
  for (const Replacement& row : rows) s = text::ReplaceAll(s, row.find, row.replace);
}

struct Comparison {
  const char* name;
  std::function<void(Text&)> fast;
  std::function<void(Text&)> literal;
  std::vector<Text> pieces;
  std::size_t maxPieces;
};

TEST(HtmlStepsAgainstLiteralWalks, GiveTheSameLineOnRandomInput) {
  const Comparison comparisons[] = {
      {"RemoveSpacesBesideTabs",
       RemoveSpacesBesideTabs,
       LiteralRemoveSpacesBesideTabs,
       {U" ", U"\t", U"a"},
       16},
      {"EscapeAmpersands",
       EscapeAmpersands,
       LiteralEscapeAmpersands,
       {U"&", U"amp;", U"a", U"m", U";", U"x"},
       12},
      {"WriteMultiplicationSigns",
       [](Text& s) { WriteMultiplicationSigns(s, U"&times;"); },
       LiteralMultiplication,
       {U"x", U"х", U"1", U"2", U" ", U"a", U"12"},
       14},
      {"WriteNumberRanges",
       [](Text& s) { WriteNumberRanges(s, U"&ndash;"); },
       LiteralNumberRanges,
       {U"1", U"12", U"1945", U"-", U"–", U" ", U"a"},
       12},
      {"JoinYearsAndCities",
       [](Text& s) { JoinYearsAndCities(s, U"&nbsp;"); },
       LiteralYearsAndCities,
       {U"г", U".", U" ", U"(", U"1945", U"М", U"Ё", U"а", U"г.", U"гг.", U"5 г. Мы"},
       14},
      {"JoinInitials",
       [](Text& s) { JoinInitials(s, U"&nbsp;"); },
       LiteralInitials,
       {U"А.Б.", U"А", U"Б", U".", U" ", U"\r\n", U"\n", U"Ё", U"и", U"Иванов"},
       12},
      {"JoinShortWords",
       [](Text& s) { JoinShortWords(s, U"&nbsp;"); },
       LiteralShortWords,
       {U" ", U"не", U"в", U"В", U"с", U"на", U"за", U"от", U"у", U"к", U"x", U"дом", U"Ха"},
       14},
  };
  const auto rows = [](std::span<const Replacement> table) {
    return std::function<void(Text&)>([table](Text& s) { ApplyReplacements(s, table); });
  };
  const auto literalRows = [](std::span<const Replacement> table) {
    return std::function<void(Text&)>([table](Text& s) { LiteralRows(s, table); });
  };
  const Comparison tables[] = {
      {"kLineBreakRows",
       rows(kLineBreakRows),
       literalRows(kLineBreakRows),
       {U" ", U"\r\n", U"\r", U"\n", U"a"},
       14},
      {"kEntityRows",
       rows(kEntityRows),
       literalRows(kEntityRows),
       {U"\"", U"<", U">", U"«", U"»", U".", U"..", U"…", U"&", U"a"},
       14},
      {"kClosingRows",
       rows(kClosingRows),
       literalRows(kClosingRows),
       {U"&laquo;", U"О", U" ", U"&mdash;", U"&ndash;", U"©", U"®", U"™", U"§", U"&", U"a"},
       12},
  };
  std::mt19937 random(20240607);
  for (const Comparison& c : tables) {
    for (int i = 0; i < 6000; ++i) {
      const Text line = testing::RandomLineOf(random, c.pieces, c.maxPieces);
      Text fast = line;
      Text literal = line;
      c.fast(fast);
      c.literal(literal);
      ASSERT_EQ(U8(fast), U8(literal)) << c.name << " on '" << U8(line) << "'";
    }
  }
  for (const Comparison& c : comparisons) {
    for (int i = 0; i < 6000; ++i) {
      const Text line = testing::RandomLineOf(random, c.pieces, c.maxPieces);
      Text fast = line;
      Text literal = line;
      c.fast(fast);
      c.literal(literal);
      ASSERT_EQ(U8(fast), U8(literal)) << c.name << " on '" << U8(line) << "'";
    }
  }
}

}  // namespace
}  // namespace skorlin::html
