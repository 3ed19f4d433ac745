// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML view: the whole input text as HTML source, line by line.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace skorlin::html {

// The three options of the HTML view, as its check boxes set them.
struct HtmlViewOptions {
  bool addP = true;            // cbxAddP: "<p>" at the start of every line
  bool skipEmptyLines = true;  // cbxAddPEmpty: no "<p>" on an empty line
  bool table = true;           // cbxTable: lines with tabs become the rows of a table
};

// The text of the HTML view: the input trimmed and split into lines, each line
// normalized and converted to HTML, with its paragraph tag or as a table row, joined
// again with CR LF after every line. The empty (or blank) input gives the empty text.
text::Text HtmlView(text::TextView input, const HtmlViewOptions& options);
// The UTF-8 form of HtmlView of UTF-8 input, each line decoded, converted and encoded in
// turn (a large text's lines on two threads).
std::string HtmlViewFromUtf8(std::string_view input, const HtmlViewOptions& options);

}  // namespace skorlin::html
