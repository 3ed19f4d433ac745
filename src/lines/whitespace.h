// The whitespace commands: trim the blanks of every line, delete empty lines, collapse
// runs of spaces. Each takes a view's text and gives its new text, counter and caption.
#pragma once

#include <string>
#include <string_view>

#include "lines/line_command.h"

namespace skorlin::lines {

// "Обрезать пробелы": removes the leading and trailing blanks (codes 0 to 32) of every
// line; counts the lines that changed. Progress "Пробелы: " p "% " c after every 100th
// line, final "Пробелы: 100% " c.
LineCommandResult TrimLineBlanks(text::TextView text, const Progress& progress = {});

// "Удалить пустые строки": deletes the lines of length 0 (a line of blanks stays), going
// from the last line to the first; counts the deleted lines. Progress "Пустые: " p "% " c,
// final "Пустые: 100% " c.
LineCommandResult DeleteEmptyLines(text::TextView text, const Progress& progress = {});

// "Удалить двойные пробелы": every run of two or more spaces (code 32 only) in the whole
// text becomes one space; counts the spaces removed. Start caption "Дв. пробелы: 0%",
// progress "Пробелы: " p "% " c at positions divisible by 5 (p relative to the text's
// length before the run), final "Дв. пробелы: 100% " c.
LineCommandResult DeleteDoubleSpaces(text::TextView text, const Progress& progress = {});

// The same on the bytes of a text in UTF-8 or Windows-1251 (no byte order mark), where a
// space, CR, LF and NUL are single bytes never found inside another character: exactly
// the text version's text in the same encoding, with its final caption. No progress: its
// positions count characters, which bytes cannot tell.
struct ByteTextResult {
  std::string bytes;  // CR LF after every line
  std::string caption;
};
ByteTextResult DeleteDoubleSpacesInBytes(std::string_view bytes);

}  // namespace skorlin::lines
