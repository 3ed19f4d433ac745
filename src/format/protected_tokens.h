// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces of a line that no typographic rule may change: web addresses, e-mail
// addresses, file paths, times and ratios, code and emoticons. A rule written for prose
// ("a:b", "ВКП /б/", "f (x)") would otherwise break "11:30", "/usr/share/", "$(CC)" or ":-)".
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

// The protected tokens of a line, left to right. At each position the kinds below are tried
// in this order; the first that matches is a token and the search goes on after it.
//   web address: a scheme of Latin letters and "://", or "www." in any case, not right after
//     an ASCII letter or digit, running over the characters an address may hold (Cyrillic
//     letters among them: "https://кремль.рф/");
//   e-mail: the whole run of letters, digits and ". _ % + -" before "@" (maybe after
//     "mailto:"), then a domain of at least two labels of letters, digits and "-" joined by
//     single dots ("sales@магазин.рф"), maybe with a path on that host after ":"
//     ("git@salsa.debian.org:team/repo.git");
//   file path: "~/", "./", "../", a drive letter with ":\" or ":/", or "/" before an ASCII
//     letter, a digit, ".", "_" or "-", at the start of the line or after a space, a tab,
//     "(", "[" or a quote, running over ASCII letters, digits and ". _ - ~ / \ + :"; after
//     ":" or "=" (mostly joining it to a word), a path counts from that sign
//     ("Каталог:/var/log/", "--prefix=/opt");
//   IP address with a port: four numbers of one to three digits joined by dots, ":" and
//     the port ("127.0.0.1:8080");
//   time of day or ratio: numbers joined by ":" ("11:30", "9:05:30", "2:1"), with no digit
//     right before, nor ":" and a digit right after;
//   code: a variable ("$(CC)", "${HOME}", "$NAME", "$@", "$1"), a brace list ("{a,b}"),
//     an operator ("!=", "?=", ":=", "->", "::") or a spreadsheet formula
//     ("=СУММ(A1:A5; 2)");
//   emoticon: ":", ";" or "=", maybe a nose ("-", "^", "'"), and a mouth (") ( D P p O o | /
//     \", brackets maybe repeated) at the start of the line or after a blank, with no letter
//     or digit right after it (":-)", ";)", ":((").
// A web address or a path never ends with ". , ; : ! ? ) ] '": those end the sentence.
std::vector<TokenSpan> FindProtectedTokens(text::TextView line);

}  // namespace skorlin::format
