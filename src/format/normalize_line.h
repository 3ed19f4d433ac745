// The typographic normalizer of one line.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// One line of Russian (or mixed) text with its typography put in order: the sixteen
// passes, in their fixed order. Never fails; accepts its own output.
text::Text NormalizeLine(text::TextView line);
// The same, on the caller's string.
void NormalizeLineInPlace(text::Text& line);

}  // namespace skorlin::format
