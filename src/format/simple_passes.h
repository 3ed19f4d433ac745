// SPDX-License-Identifier: GPL-3.0-or-later
// The passes of the normalizer that need no more than one look at each character.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// Leading and trailing characters with codes 0 to 32 removed.
void TrimPass(text::Text& s);
// Every run of spaces made one space.
void CollapsePass(text::Text& s);
// Every "#" written as the numero sign.
void HashSignPass(text::Text& s);
// Every backslash written as a slash.
void BackslashPass(text::Text& s);
// A slash that ends the line closes a bracket: it becomes ")".
void TrailingSlashPass(text::Text& s);

}  // namespace skorlin::format
