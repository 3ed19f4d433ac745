// SPDX-License-Identifier: GPL-3.0-or-later
// "Добавить http" and "Удалить http": the "http://" prefix of every line of the input view.
#pragma once

#include <string>
#include <string_view>

#include "text/command_result.h"
#include "text/line_writer.h"

namespace skorlin::urls {

// Puts "http://" in front of a line (UTF-8) that is not an http address (an empty line
// too); 'Http://host' and 'see http://host' stay. Returns true when the line changed.
bool AddHttpPrefix(std::string& line);
// Removes the first seven characters of a line that begins with "http://" in any mix of
// case; every other line stays, also one that holds "http:" further on ('see http://host').
bool RemoveHttpPrefix(std::string& line);

// The two commands on the whole input view; caption "Готово.".
text::CommandResult AddHttp(std::string_view viewText, text::LineWriter& out);
inline text::CommandResult AddHttp(std::string_view viewText) {
  text::LineWriter whole;
  return AddHttp(viewText, whole);
}
text::CommandResult RemoveHttp(std::string_view viewText, text::LineWriter& out);
inline text::CommandResult RemoveHttp(std::string_view viewText) {
  text::LineWriter whole;
  return RemoveHttp(viewText, whole);
}

}  // namespace skorlin::urls
