// SPDX-License-Identifier: GPL-3.0-or-later
// Quotation marks paired over a paragraph: «ёлочки» outside, „лапки“ inside.
#pragma once

#include <span>

#include "text/text.h"

namespace skorlin::typeset {

// Every straight double quote of the lines of one paragraph (a run of non-empty lines)
// that the pairing can decide becomes a typographic one: a quotation at the outer level
// takes « », one inside another „ “. A quote opens or closes by what stands around it
// (a quote after a blank and before a word opens, one after a word and before a blank or
// a sign closes); where its neighbours cannot tell, it closes the quotation left open, or
// opens one. Quotes already typographic are kept and counted in the pairing. A quote whose
// pair the paragraph does not hold (a quotation begun or ended in another paragraph, an
// inch sign) stays straight, and so do the quotes of an attribute's value (after "=").
void PairQuotes(std::span<text::Text> lines);

}  // namespace skorlin::typeset
