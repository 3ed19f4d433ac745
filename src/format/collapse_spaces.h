// Collapsing repeated text in one pass.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// Every run of spaces becomes a single space; TAB and the other blanks are untouched.
text::Text CollapseSpaces(text::TextView s);
// ReplaceAll of find by repl for as long as find still occurs (repl is shorter than find).
text::Text ReplaceUntilGone(text::TextView s, text::TextView find, text::TextView repl);

}  // namespace skorlin::format
