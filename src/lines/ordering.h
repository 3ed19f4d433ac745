// The commands that change the order of a view's lines without changing the lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lines/collation.h"
#include "lines/line_command.h"
#include "lines/random.h"

namespace skorlin::lines {

// "Сортировать": the lines in the collator's order (QuickSortLines, so equal lines come
// out in the order that scheme leaves them). No caption.
LineCommandResult SortLines(text::TextView text, const LineCollator& collator);

// "Сортировать зеркальные": the lines ordered by their reversed text, that is by their
// endings. Progress "Зерк. сорт. 0%" and "Зерк. сорт. 50%", final "Зерк. сорт. 100%".
LineCommandResult MirrorSortLines(text::TextView text, const LineCollator& collator,
                                  const Progress& progress = {});

// "Сортировать по длине": shorter lines first; lines of equal length come out in the
// order QuickSortLines leaves them. No caption.
LineCommandResult SortLinesByLength(text::TextView text);

// "Перемешать": swap passes driven by the generator (which the caller seeds, the window
// from the clock). On the input view every position takes one swap with a random line;
// on the formatted and HTML views the visited positions advance by 1 to 3 at random.
// Progress "Мешаем: " p "%" at every tenth position, final "Мешаем: 100%".
LineCommandResult ShuffleLines(text::TextView text, RandomGenerator& random, View view,
                               const Progress& progress = {});

// "Инвертировать": the lines in reverse order. No caption.
LineCommandResult InvertLines(text::TextView text);

// The shuffle and the inversion on the bytes of a text in UTF-8 or Windows-1251 (no byte
// order mark), where CR, LF and NUL are single bytes never found inside another character:
// the lines move as they are, without decoding or copying. Joined with CR LF after every
// line (JoinLineViewsOf), the result is exactly the text version's result in the same
// encoding, with the same caption.
struct ByteLineResult {
  std::vector<std::string_view> lines;  // views into the bytes, in their new order
  std::string caption;
};
ByteLineResult ShuffleLineBytes(std::string_view bytes, RandomGenerator& random, View view,
                                const Progress& progress = {});
ByteLineResult InvertLineBytes(std::string_view bytes);

}  // namespace skorlin::lines
