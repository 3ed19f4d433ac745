// SPDX-License-Identifier: GPL-3.0-or-later
// The passes of the normalizer that need no more than one look at each character.
#include "format/simple_passes.h"

#include "format/collapse_spaces.h"
#include "format/line_access.h"
#include "text/toolkit.h"

namespace skorlin::format {

void TrimPass(text::Text& s) { text::TrimBlanks(s); }

void CollapsePass(text::Text& s) { CollapseSpacesInPlace(s); }

void HashSignPass(text::Text& s) { ReplaceChar(s, U'#', U'№'); }

void BackslashPass(text::Text& s) { ReplaceChar(s, U'\\', U'/'); }

void TrailingSlashPass(text::Text& s) {
  if (!s.empty() && s.back() == U'/') s.back() = U')';
}

}  // namespace skorlin::format
