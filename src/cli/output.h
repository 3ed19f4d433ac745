// How skorlin-cli writes a command's text: line breaks and encoding.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "text/encoding.h"
#include "text/text.h"

namespace skorlin::cli {

struct OutputFormat {
  text::Encoding encoding;
  Eol eol;
};

// The break that ends the first line of text (LF when it has none or its first break is
// a lone LF; a lone CR counts as CR LF).
Eol FirstBreakOf(text::TextView text);
Eol FirstBreakOf(std::string_view bytes);

// The bytes written for a command's output. A command's text ends its lines with CR LF:
// those become the chosen break. Output that keeps the input's breaks changes them only
// when --eol was given (changeBreaks), and then every break of any kind.
// Throws text::UnencodableError when the encoding cannot hold the text. Takes the text
// by value, so that a caller that moves it in spends no second copy on the breaks.
std::string RenderOutput(text::Text output, const OutputFormat& format, bool keepsInputBreaks,
                         bool changeBreaks);
// Writes the lines of a command that ran on the input's bytes, each followed by eol,
// through one buffer. Throws text::FileError when the output cannot be written.
void WriteLines(const std::vector<std::string_view>& lines, Eol eol, std::FILE* out);
// The bytes written for a byte command's new text: its CR LF breaks become eol.
std::string RenderByteText(std::string output, Eol eol);

}  // namespace skorlin::cli
