// SPDX-License-Identifier: GPL-3.0-or-later
// How skorlin-cli writes a command's text: line breaks and encoding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// The break eol stands for: "\r\n" or "\n".
std::string_view BreakOf(Eol eol);

// Writes bytes to standard output, whole; throws text::FileError, with the system's
// reason, when they cannot be written.
void WriteAll(std::string_view bytes);

// Writes lines to standard output, each followed by lineBreak, without building their
// text. source is the text the lines are views into (or may be: a line elsewhere is
// written as well): where the bytes after a line in source are lineBreak already, and
// where lines follow each other there, they form one run. A long run goes out from where
// it lies; short ones are copied into a buffer that goes out whenever it fills.
// lineBreak is one or two bytes. Throws as WriteAll.
void WriteLines(const std::vector<std::string_view>& lines, std::string_view lineBreak,
                std::string_view source);

}  // namespace skorlin::cli
