// SPDX-License-Identifier: GPL-3.0-or-later
// Typesetting: the text as a Russian publisher would print it, in real characters.
#pragma once

#include <string>
#include <string_view>

#include "format/formatted_view.h"
#include "text/text.h"

namespace skorlin::typeset {

// The text trimmed of blanks at both ends and split into lines, as the formatted view
// splits it; every line normalized and typeset: «ёлочки» and „лапки“ paired over each
// paragraph (a run of non-empty lines), dashes, no-break spaces, "…", "©" before a year,
// letters of the other alphabet that look alike mended; protected tokens, code and lines
// in other languages left as the normalizer leaves them (prose in another language takes
// the dashes and the ellipsis); joined again with CR LF after every line. Only characters
// Windows-1251 holds are brought in, and typesetting the result again changes nothing.
text::Text Typeset(text::TextView text);

// Typeset as a view holds it (UTF-8), with what typesetting changed in each line, in bytes
// of the view (as the formatted view reports its changes).
format::FormattedViewBytes TypesetViewUtf8(text::TextView text, bool withChanges);

// The UTF-8 form of Typeset of UTF-8 text (a large text on two threads).
std::string TypesetFromUtf8(std::string_view utf8);

}  // namespace skorlin::typeset
