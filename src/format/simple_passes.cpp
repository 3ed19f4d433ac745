// SPDX-License-Identifier: GPL-3.0-or-later
// The passes of the normalizer that need no more than one look at each character.
#include "format/simple_passes.h"

#include "format/line_access.h"
#include "format/slash_pairs.h"
#include "text/space_runs.h"
#include "text/toolkit.h"

namespace skorlin::format {

void TrimPass(text::Text& s) { text::TrimBlanks(s); }

void CollapsePass(text::Text& s) { text::CollapseSpacesInPlace(s); }

void HashSignPass(text::Text& s) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] == U'#' && text::IsDigit(s[i + 1])) s[i] = U'№';
  }
}

void BackslashPass(text::Text& s) {
  // A backslash typed for a slash stands in Russian text: between Russian letters ("и\или"),
  // or with a Russian word on one side and a blank or the end of the line on the other
  // ("ВКП \б\"). Anywhere else it belongs to code or a drawing ("\n", "C:\", "--\ main").
  const auto isBlankOrNone = [](text::Char c) { return c == 0 || c == U' ' || c == U'\u00A0' || c == U'\t'; };
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != U'\\') continue;
    const text::Char before = i > 0 ? s[i - 1] : text::Char{0};
    const text::Char after = i + 1 < s.size() ? s[i + 1] : text::Char{0};
    const bool russianBefore = text::IsCyr(before);
    const bool russianAfter = text::IsCyr(after);
    if ((russianBefore && (russianAfter || isBlankOrNone(after))) ||
        (russianAfter && isBlankOrNone(before))) {
      s[i] = U'/';
    }
  }
}

void TrailingSlashPass(text::Text& s) {
  if (!s.empty() && s.back() == U'/' && ClosesSlashPair(s, Length(s))) s.back() = U')';
}

}  // namespace skorlin::format
