// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the HTML tests: UTF-8 literals to Text and back, and the
// random lines the step comparisons are made on.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "text/text.h"

namespace skorlin::html::testing {

inline text::Text T(const std::string& utf8) { return text::FromUtf8(utf8); }
inline std::string U8(text::TextView s) { return text::ToUtf8(s); }

// A line of up to maxPieces pieces, each drawn from pieces, equally likely: pieces that
// are whole patterns ("А.Б.", "1945") make the rare cases of a rule common.
inline text::Text RandomLineOf(std::mt19937& random, const std::vector<text::Text>& pieces,
                               std::size_t maxPieces) {
  std::uniform_int_distribution<std::size_t> count(0, maxPieces);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  text::Text line;
  for (std::size_t n = count(random); n > 0; --n) line += pieces[pick(random)];
  return line;
}

}  // namespace skorlin::html::testing
