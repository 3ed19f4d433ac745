// SPDX-License-Identifier: GPL-3.0-or-later
// Random lines for the tests that run many generated inputs: built from a list of pieces,
// so that the characters and fragments the normalizer reacts to occur often.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "text/text.h"

namespace skorlin::format::testing {

class RandomLines {
 public:
  RandomLines(std::vector<text::Text> pieces, unsigned seed) : pieces_(std::move(pieces)), engine_(seed) {}

  // A line of 0 to maxPieces pieces.
  text::Text Next(std::size_t maxPieces) {
    std::uniform_int_distribution<std::size_t> count(0, maxPieces);
    std::uniform_int_distribution<std::size_t> pick(0, pieces_.size() - 1);
    text::Text line;
    for (std::size_t n = count(engine_); n > 0; --n) line += pieces_[pick(engine_)];
    return line;
  }

 private:
  std::vector<text::Text> pieces_;
  std::mt19937 engine_;
};

// Pieces of messy Russian text: single characters of every class the rules test,
// fragments the rules and the closing table look for, and the makings of addresses, paths
// and times.
inline std::vector<text::Text> TypographyPieces() {
  std::vector<text::Text> pieces;
  for (const char32_t* piece :
       {U" ",           U" ",     U" ",    U"  ",   U"\t",   U"\r",   U"\n",        U"\0",         U"а",
        U"я",           U"ё",     U"Ё",    U"А",    U"Я",    U"т",    U"д",         U"п",          U"ч",
        U"г",           U"р",     U"и",    U"о",    U"н",    U"К",    U"П",         U"Р",          U"б",
        U"С",           U"x",     U"N",    U"I",    U"a",    U"0",    U"1",         U"2",          U"5",
        U"9",           U"\"",    U"#",    U"№",    U"(",    U")",    U"[",         U"]",          U",",
        U".",           U";",     U":",    U"!",    U"?",    U"-",    U"--",        U"/",          U"\\",
        U"=",           U">",     U"«",    U"“",    U"₽",  U"×",    U"é",         U"\U0001F600", U" - ",
        U"1941",        U"1999г", U"2005", U" г.",  U" гг.", U"N5",   U"№ 5 - № 7", U" и т. д.",   U"КП /б/",
        U"КП(б) -КПСС", U"но- ",  U"№ №",  U"1,5",  U"0,0",  U"А.С.", U"т.д.",      U"г.р.",       U"http://",
        U"\xFFFFFFFF",  U"www.",  U"@",    U"x.ru", U"~/",   U"C:\\", U"12:30",     U"'"}) {
    pieces.emplace_back(piece[0] == U'\0' ? text::Text(1, U'\0') : text::Text(piece));
  }
  return pieces;
}

}  // namespace skorlin::format::testing
