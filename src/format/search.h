// SPDX-License-Identifier: GPL-3.0-or-later
// The normalizer's search and replace-all: the toolkit's FindStr, and its ReplaceAll done
// in the string's own storage, with the places of the replacements reported.
#pragma once

#include <cstddef>
#include <functional>

#include "text/text.h"

namespace skorlin::format {

// FindStr(sub, s, start): the 1-based position of the first occurrence of sub that begins
// at start or later (a start of 0 counts as 1); 0 if there is none.
std::size_t FindText(text::TextView sub, text::TextView s, std::size_t start = 1);
// Exactly s = ReplaceAll(s, find, repl); done in s's own storage when repl is not longer.
// When given, replaced(at) is called after the replacement for each inserted repl with its
// 0-based position in the new s.
void ReplaceAllInPlace(text::Text& s, text::TextView find, text::TextView repl,
                       const std::function<void(std::size_t)>& replaced = {});

}  // namespace skorlin::format
