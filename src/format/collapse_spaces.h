// Collapsing repeated text in one pass.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// Every run of spaces becomes a single space; TAB and the other blanks are untouched.
text::Text CollapseSpaces(text::TextView s);
// The same, in the string's own storage.
void CollapseSpacesInPlace(text::Text& s);
// ReplaceAll of find by repl for as long as find still occurs (repl is shorter than find).
// A repl that is not shorter is applied once, since repeating it might never end.
text::Text ReplaceUntilGone(text::TextView s, text::TextView find, text::TextView repl);

}  // namespace skorlin::format
