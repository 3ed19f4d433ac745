// A text as a list of lines, and back: the form in which every line command handles a view.
#pragma once

#include "text/text.h"

namespace skorlin::text {

// Calls visit(line) for each line of text, as SplitLines would list them, without
// copying: the views point into text.
template <typename Visit>
void ForEachLine(TextView text, Visit&& visit) {
  const std::size_t nul = text.find(U'\0');
  if (nul != TextView::npos) text = text.substr(0, nul);
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Char c = text[i];
    if (c != U'\r' && c != U'\n') continue;
    visit(text.substr(begin, i - begin));
    if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size()) visit(text.substr(begin));
}

// A line ends at CR LF, a lone CR or a lone LF (LF CR is two breaks); the break is not
// part of the line. A NUL ends the text. A final break opens no further line; the empty
// text gives no lines.
Lines SplitLines(TextView text);
// Every line followed by CR LF, the last one too; no lines give the empty text.
Text JoinLines(const Lines& lines);

}  // namespace skorlin::text
