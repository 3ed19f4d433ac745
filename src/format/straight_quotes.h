// SPDX-License-Identifier: GPL-3.0-or-later
// The straight double quote put against the words it encloses: only the spaces around
// quotes change, the quotes themselves stay. A quote after "=" or before ">" keeps that
// neighbour unspaced, so attribute values of HTML-like text stay intact. A line with an
// odd number of quotes (a quotation begun or ended in another line), or with typographic
// quotation marks, is left as written.
#pragma once

#include "format/line_access.h"
#include "text/text.h"

namespace skorlin::format {

// Whether the quote passes act on s: its straight quotes pair up (an even number of them)
// and it holds no typographic quotation mark. Otherwise the line opens or closes a
// quotation that goes on in another line, or its quotes were typeset, and the spacing
// around its quotes stays as written. The passes do not change the answer.
bool QuotesPairUp(text::TextView s);
// The first quote of the line opens: no space after it, a space before it.
// lengthCount follows every insertion and deletion made here.
void FirstQuotePass(text::Text& s, Pos& lengthCount);
// The last quote of the line (not the first character) closes: a space after it (unless
// a period or an ellipsis ends the sentence there), none before it. Looks only at positions up to
// lengthCount, which follows every change.
void LastQuotePass(text::Text& s, Pos& lengthCount);
// Each quote that still stands between two spaces loses the space on its inner side; an
// odd count of quotes so far means it opens, unless the word it would join is not a word.
void SpacedQuotePairsPass(text::Text& s);

}  // namespace skorlin::format
