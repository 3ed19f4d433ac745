// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of a line that no typographic rule may change: web addresses, e-mail
// addresses, file paths and times of day. A rule written for prose ("a:b", "ВКП /б/", a
// slash at the end of a line) would otherwise break "11:30", "/usr/share/" or
// "https://x.ru/".
#pragma once

#include <cstddef>
#include <vector>

#include "text/text.h"

namespace skorlin::format {

// A token as the half-open range [begin, end) of 0-based indexes into its line.
struct TokenSpan {
  std::size_t begin;
  std::size_t end;
  bool operator==(const TokenSpan&) const = default;
};

// The protected tokens of a line, left to right. At each position a web address, an
// e-mail address, a file path and a time of day are tried in that order; the first that
// matches is a token and the search goes on after it.
//   web address: a scheme of Latin letters and "://", or "www." in any case, not right after
//     an ASCII letter or digit, running over the characters an address may hold;
//   e-mail: the whole run of ASCII letters, digits and ". _ % + -" before "@", then a
//     domain of at least two labels of ASCII letters, digits and "-" joined by single dots;
//   file path: "~/", "./", "../", a drive letter with ":\" or ":/", or "/" before an ASCII
//     letter, a digit, ".", "_" or "-", at the start of the line or after a space, a tab,
//     "(", "[" or a straight quote, running over ASCII letters, digits and ". _ - ~ / \ + :";
//   time of day: one or two digits, ":", two digits, maybe ":" and two more, with no digit
//     or ":" right before or after.
// A web address or a path never ends with ". , ; : ! ? ) ] '": those end the sentence.
std::vector<TokenSpan> FindProtectedTokens(text::TextView line);

}  // namespace skorlin::format
