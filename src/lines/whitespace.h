// SPDX-License-Identifier: GPL-3.0-or-later
// The whitespace commands: trim the blanks of every line, delete empty lines, collapse
// runs of spaces. Each takes a view's text (UTF-8) and gives its new text, counter and
// caption. Trim and the collapse write their lines to a text::LineWriter as they go;
// without one they give the view's whole text.
#pragma once

#include <string_view>

#include "lines/line_command.h"
#include "text/line_writer.h"

namespace skorlin::lines {

// "Обрезать пробелы": removes the leading and trailing blanks (codes 0 to 32) of every
// line; counts the lines that changed. Progress "Пробелы: " p "% " c after every 100th
// line, final "Пробелы: 100% " c.
CommandResult TrimLineBlanks(std::string_view text, const Progress& progress, text::LineWriter& out);
inline CommandResult TrimLineBlanks(std::string_view text, const Progress& progress = {}) {
  text::LineWriter whole;
  return TrimLineBlanks(text, progress, whole);
}

// "Удалить пустые строки": deletes the lines of length 0 (a line of blanks stays), going
// from the last line to the first; counts the deleted lines. Gives the lines that stay. Progress "Пустые: " p
// "% " c, final "Пустые: 100% " c.
CommandResult DeleteEmptyLines(std::string_view text, const Progress& progress = {});

// "Удалить двойные пробелы": every run of two or more spaces (code 32 only) in the whole
// text becomes one space; counts the spaces removed. Start caption "Дв. пробелы: 0%",
// progress "Пробелы: " p "% " c at positions divisible by 5 (p relative to the text's
// length before the run, both in characters), final "Дв. пробелы: 100% " c.
CommandResult DeleteDoubleSpaces(std::string_view text, const Progress& progress, text::LineWriter& out);
inline CommandResult DeleteDoubleSpaces(std::string_view text, const Progress& progress = {}) {
  text::LineWriter whole;
  return DeleteDoubleSpaces(text, progress, whole);
}

}  // namespace skorlin::lines
