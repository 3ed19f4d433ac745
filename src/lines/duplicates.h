// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate commands over a view's whole text. Each gives exactly the text, counter
// and captions of a scan that searches the rest of the text for every line, but finds
// equal lines by hashing, in time linear in the text.
//
// Captions: the start caption ("Дубли: 0%"), the same directly followed by the counter 0
// once the text is taken ("Дубли: 0%0"), progress label p "% " c whenever the percentage
// of the scan position in the current text (both in characters) grows, and the final
// label "100% " c "...".
#pragma once

#include <string_view>

#include "lines/line_command.h"

namespace skorlin::lines {

// "Удалить дубли": later copies of every line are removed, first occurrences stay in
// their order; counts the removed lines. Captions "Дубли: ...".
CommandResult DeleteDuplicateLines(std::string_view text, const Progress& progress = {});

// "Удалить все дубли": every line that occurs more than once is removed with all its
// copies; counts the removed lines less the number of distinct repeated lines. Captions
// "Все дубли: ...".
CommandResult DeleteAllDuplicateLines(std::string_view text, const Progress& progress = {});

// "Удалить уникальные": the lines that occur once are removed, except empty lines, which
// always stay; on the HTML view an empty line is first added at the end. Counts the removed
// lines. Captions "Уник: ...".
CommandResult DeleteUniqueLines(std::string_view text, View view, const Progress& progress = {});

}  // namespace skorlin::lines
