// SPDX-License-Identifier: GPL-3.0-or-later
// The passes of the normalizer that need no more than one look at each character.
#include "format/simple_passes.h"

#include "format/collapse_spaces.h"
#include "format/line_access.h"
#include "format/slash_pairs.h"
#include "text/toolkit.h"

namespace skorlin::format {

void TrimPass(text::Text& s) { text::TrimBlanks(s); }

void CollapsePass(text::Text& s) { CollapseSpacesInPlace(s); }

void HashSignPass(text::Text& s) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] == U'#' && text::IsDigit(s[i + 1])) s[i] = U'№';
  }
}

void BackslashPass(text::Text& s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != U'\\') continue;
    const text::Char next = i + 1 < s.size() ? s[i + 1] : text::Char{0};
    const bool escape = next > U' ' && next <= U'~';
    const bool continuation = i + 1 == s.size() && i > 0 && s[i - 1] == U' ';
    if (!escape && !continuation) s[i] = U'/';
  }
}

void TrailingSlashPass(text::Text& s) {
  if (!s.empty() && s.back() == U'/' && ClosesSlashPair(s, Length(s))) s.back() = U')';
}

}  // namespace skorlin::format
