// SPDX-License-Identifier: GPL-3.0-or-later
// The typographic normalizer of one line.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// One line of Russian (or mixed) text with its typography put in order: the sixteen
// passes, in their fixed order, with the line's web addresses, e-mail addresses, paths
// and times of day kept out of their reach. Never fails; accepts its own output.
text::Text NormalizeLine(text::TextView line);
// The same, on the caller's string.
void NormalizeLineInPlace(text::Text& line);
// The passes alone, on a line whose protected tokens already stand as single characters
// (TokenStandIns): for callers that carry the stand-ins through further steps.
void RunNormalizerPasses(text::Text& line);

}  // namespace skorlin::format
