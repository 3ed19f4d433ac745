// SPDX-License-Identifier: GPL-3.0-or-later
// Letters typed in the wrong alphabet: a Latin letter that looks like a Cyrillic one inside
// a Russian word ("кoфе" with a Latin o), or the reverse inside a Latin word.
#pragma once

#include "text/text.h"

namespace skorlin::typeset {

// In every word (a run of letters) whose letters of one alphabet all have a twin in the
// other, and which holds letters of the other alphabet that have none, the twins become the
// letters of the word's own alphabet. A word of one alphabet, and a word of mixed letters
// that are not look-alikes, stays as it is.
// Whether anything changed.
bool FixLookAlikeLetters(text::Text& s);

// Whether some word of s (a run of letters) holds letters of both alphabets.
bool HasMixedWord(text::TextView s);

}  // namespace skorlin::typeset
