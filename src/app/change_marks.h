// SPDX-License-Identifier: GPL-3.0-or-later
// The formatter's changes drawn on a view: a soft background under the characters it
// inserted or changed, a small mark where it deleted some, and the way from one changed
// line to the next.
#pragma once

#include <vector>

#include "text/char_diff.h"

namespace skorlin::app {

class TextView;

// Replaces the marks of the view by changes (byte offsets into its text as it is now, as
// format::FormattedViewUtf8 gives them); none clears them. Many changes are marked a
// slice at a time between the events of the window, from the start of the text on; a
// change of the text stops the marking there.
void ShowChanges(TextView& view, std::vector<text::CharChange> changes);

// Puts the caret on the first change of the next line after the caret's line that holds
// a change (forward) or of the last such line before it, and shows it. Returns false, and
// leaves the caret, when there is none.
bool GoToChangedLine(TextView& view, bool forward);

}  // namespace skorlin::app
