// SPDX-License-Identifier: GPL-3.0-or-later
// "Оставить домен", "Оставить домен с папкой", "Оставить имя файла": each line of the
// input view is cut at one of its slashes.
#pragma once

#include <string>
#include <string_view>

#include "text/command_result.h"
#include "text/line_writer.h"

namespace skorlin::urls {

// Cuts the line (UTF-8) before the slash that ends the domain: the third slash of an http
// address ('http://host/dir' gives 'http://host'), the first slash of any other line
// ('host/dir' gives 'host'). A line without that slash stays. Returns true when the line
// changed.
bool CutToDomain(std::string& line);
// Cuts the line before its last slash, unless that slash is the second one of an http
// address ('http://host/dir/page' gives 'http://host/dir', 'http://host' stays).
bool CutToFolder(std::string& line);
// Keeps what follows the last slash. An http address whose last slash is its second one
// (or that has no slash) becomes empty: 'http://host' gives ''. Any other line without a
// slash stays.
bool CutToFileName(std::string& line);

// The three commands on the whole input view; caption "Готово.".
text::CommandResult KeepDomain(std::string_view viewText, text::LineWriter& out);
inline text::CommandResult KeepDomain(std::string_view viewText) {
  text::LineWriter whole;
  return KeepDomain(viewText, whole);
}
text::CommandResult KeepDomainWithFolder(std::string_view viewText, text::LineWriter& out);
inline text::CommandResult KeepDomainWithFolder(std::string_view viewText) {
  text::LineWriter whole;
  return KeepDomainWithFolder(viewText, whole);
}
text::CommandResult KeepFileName(std::string_view viewText, text::LineWriter& out);
inline text::CommandResult KeepFileName(std::string_view viewText) {
  text::LineWriter whole;
  return KeepFileName(viewText, whole);
}

}  // namespace skorlin::urls
