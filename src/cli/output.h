// SPDX-License-Identifier: GPL-3.0-or-later
// How skorlin-cli writes a command's text: line breaks and encoding.
#pragma once

#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "text/encoding.h"

namespace skorlin::cli {

struct OutputFormat {
  text::Encoding encoding;
  Eol eol;
};

// The break that ends the first line of a UTF-8 text (LF when it has none or its first
// break is a lone LF; a lone CR counts as CR LF).
Eol FirstBreakOf(std::string_view text);

// The bytes written for a command's UTF-8 output. A command's text ends its lines with
// CR LF: those become the chosen break. Output that keeps the input's breaks changes them
// only when --eol was given (changeBreaks), and then every break of any kind. Throws
// text::UnencodableError when the encoding cannot hold the text. Takes the text by value
// and works in its storage where it can, so a large output is held once.
std::string RenderOutput(std::string output, const OutputFormat& format, bool keepsInputBreaks,
                         bool changeBreaks);

}  // namespace skorlin::cli
