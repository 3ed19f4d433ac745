// SPDX-License-Identifier: GPL-3.0-or-later
// Lists of fixed replacements, applied as data, and the small position helpers the HTML
// steps share.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "text/text.h"

namespace skorlin::html {

// One row of a replacement list: every occurrence of find becomes replace.
struct Replacement {
  text::TextView find;
  text::TextView replace;
};

// Applies the rows in their listed order, each one to the whole text with ReplaceAll
// (left to right, without overlap, the inserted text not searched again).
void ApplyReplacements(text::Text& s, std::span<const Replacement> rows);

// Stands for "no character" when a rule looks outside the line: it belongs to no class
// and equals no literal.
inline constexpr text::Char kNoChar = 0xFFFFFFFF;

// The character at 1-based position p, or kNoChar outside s.
inline text::Char CharAt(text::TextView s, std::ptrdiff_t p) {
  return p >= 1 && static_cast<std::size_t>(p) <= s.size() ? s[static_cast<std::size_t>(p - 1)] : kNoChar;
}

// Replaces the single character at each of the given 1-based positions (ascending, no
// repeats) by entity.
void PutEntities(text::Text& s, const std::vector<std::size_t>& positions, text::TextView entity);

// A capital letter of the HTML rules: А to Я (Ё is not among them).
inline bool IsCapital(text::Char c) { return c >= U'А' && c <= U'Я'; }

}  // namespace skorlin::html
