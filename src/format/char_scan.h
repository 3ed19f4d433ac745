// SPDX-License-Identifier: GPL-3.0-or-later
// The backward character scan: one walk from the end of the line to its second character
// that applies the scan rules, in their order, at every position.
#pragma once

#include "format/line_access.h"
#include "text/text.h"

namespace skorlin::format {

// Walks i from lengthCount - 1 down to 2 (nothing when that is below 2). lengthCount is the
// line's length before the walk and stays fixed while the rules change the line; since every
// change lies at i - 1 or further right, the positions still to be walked never move.
void CharacterScanPass(text::Text& s, Pos lengthCount);

}  // namespace skorlin::format
