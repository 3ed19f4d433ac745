// SPDX-License-Identifier: GPL-3.0-or-later
// The typographic normalizer of one line.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// One line of Russian (or mixed) text with its typography put in order: the sixteen
// passes, in their fixed order, with the line's protected tokens (addresses, paths, times,
// code, emoticons) kept out of their reach. Never fails; its output is its own fixpoint:
// normalizing it again changes nothing.
text::Text NormalizeLine(text::TextView line);
// The same, on the caller's string.
void NormalizeLineInPlace(text::Text& line);
// The passes alone, on a line whose protected tokens already stand as single characters
// (TokenStandIns): for callers that carry the stand-ins through further steps. The passes
// run again until the line stops changing, at most kMaxNormalizerRounds times; the rounds
// run are returned (a test checks that the bound is never what stops them).
int RunNormalizerPasses(text::Text& line);
inline constexpr int kMaxNormalizerRounds = 8;

}  // namespace skorlin::format
