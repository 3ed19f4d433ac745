// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that change the order of a view's lines without changing the lines.
#pragma once

#include <string_view>

#include "lines/collation.h"
#include "lines/line_command.h"
#include "lines/random.h"

namespace skorlin::lines {

// "Сортировать": the lines in the collator's order (QuickSortLines, so equal lines come
// out in the order that scheme leaves them). No caption.
CommandResult SortLines(std::string_view text, const LineCollator& collator);

// "Сортировать зеркальные": the lines ordered by their reversed text, that is by their
// endings. Progress "Зерк. сорт. 0%" and "Зерк. сорт. 50%", final "Зерк. сорт. 100%".
CommandResult MirrorSortLines(std::string_view text, const LineCollator& collator,
                              const Progress& progress = {});

// "Сортировать по длине": shorter lines first, lengths in characters; lines of equal
// length come out in the order QuickSortLines leaves them. No caption.
CommandResult SortLinesByLength(std::string_view text);

// "Перемешать": swap passes driven by the generator (which the caller seeds, the window
// from the clock). On the input view every position takes one swap with a random line;
// on the formatted and HTML views the visited positions advance by 1 to 3 at random.
// Progress "Мешаем: " p "%" at every tenth position, final "Мешаем: 100%".
CommandResult ShuffleLines(std::string_view text, RandomGenerator& random, View view,
                           const Progress& progress = {});

// "Инвертировать": the lines in reverse order. No caption.
CommandResult InvertLines(std::string_view text);

}  // namespace skorlin::lines
