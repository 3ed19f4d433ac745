// SPDX-License-Identifier: GPL-3.0-or-later
// The passes of the normalizer that need no more than one look at each character.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// Leading and trailing characters with codes 0 to 32 removed.
void TrimPass(text::Text& s);
// Every run of spaces made one space.
void CollapsePass(text::Text& s);
// Every "#" before a digit written as the numero sign ("#5"); "#include" and "C#" stay.
void HashSignPass(text::Text& s);
// A backslash in Russian text written as a slash: between Russian letters ("и\или"), or
// between a Russian word and a blank or the end of the line ("ВКП \б\"). Code, paths and
// drawings keep theirs: "\n", "'\0'", "--\ main".
void BackslashPass(text::Text& s);
// A slash that ends the line and closes a pair around a word becomes ")" ("ВКП (б/").
void TrailingSlashPass(text::Text& s);

}  // namespace skorlin::format
