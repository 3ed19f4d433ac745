// SPDX-License-Identifier: GPL-3.0-or-later
// Straight double quotes turned into guillemets, line by line.
#pragma once

#include "text/text.h"

namespace skorlin::html {

// The text with each straight double quote decided, line by line (lines end at CR LF):
// a closing "»" after a word, before a space or closing punctuation and at the line's
// end; an opening "«" at the start, after a space or before a word; "«" before a period;
// otherwise the quote stays straight.
text::Text FixQuotes(text::TextView text);

}  // namespace skorlin::html
