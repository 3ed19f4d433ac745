// SPDX-License-Identifier: GPL-3.0-or-later
// A pair of the closing table replaced until it is gone, in one pass.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// ReplaceAll of find by repl for as long as find still occurs (repl is shorter than find).
// A repl that is not shorter is applied once, since repeating it might never end.
text::Text ReplaceUntilGone(text::TextView s, text::TextView find, text::TextView repl);

}  // namespace skorlin::format
