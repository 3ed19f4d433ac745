// SPDX-License-Identifier: GPL-3.0-or-later
// "Вставить URL из буфера" and "Вставить анкоры из буфера": every non-blank line of the
// input view becomes an HTML link, the other half of which is the next clipboard line.
#pragma once

#include <string_view>

#include "text/command_result.h"
#include "text/line_writer.h"

namespace skorlin::urls {

// Each non-blank view line becomes <a href="ADDRESS">LINE</a>, ADDRESS being the next
// clipboard line; the clipboard lines are used in turn and again from the first when they
// run out. Blank lines (only codes 0 to 32) stay and take no clipboard line. An empty
// clipboard changes nothing and gives the caption "Буфер обмена пуст". Both texts UTF-8.
text::CommandResult InsertUrls(std::string_view viewText, std::string_view clipboardText,
                               text::LineWriter& out);
inline text::CommandResult InsertUrls(std::string_view viewText, std::string_view clipboardText) {
  text::LineWriter whole;
  return InsertUrls(viewText, clipboardText, whole);
}

// As InsertUrls, but the view line is the address and the clipboard line the link text:
// <a href="LINE">TEXT</a>.
text::CommandResult InsertAnchors(std::string_view viewText, std::string_view clipboardText,
                                  text::LineWriter& out);
inline text::CommandResult InsertAnchors(std::string_view viewText, std::string_view clipboardText) {
  text::LineWriter whole;
  return InsertAnchors(viewText, clipboardText, whole);
}

}  // namespace skorlin::urls
