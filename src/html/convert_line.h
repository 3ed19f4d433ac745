// One line of the user's text as HTML source.
#pragma once

#include "text/text.h"

namespace skorlin::html {

// The line normalized (NormalizeLine), its quotes made guillemets, the HTML special
// characters escaped, typographic characters written as named entities and non-breaking
// spaces put where Russian typesetting wants them. dashStyle 1 writes dashes as "&ndash;",
// 2 as "&mdash;", any other value leaves dashes and number ranges alone; wrapNobr keeps
// " ВКП(б)" in a no-break element; keepTabs keeps tabs (table cells), otherwise each
// becomes a space. Also accepts several lines joined by CR LF. Never fails.
text::Text ConvertLineToHtml(text::TextView line, int dashStyle, bool wrapNobr, bool keepTabs);

}  // namespace skorlin::html
