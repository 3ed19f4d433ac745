// A view's text as a list of line views into it, and back: the line list of a command
// without a string per line.
#pragma once

#include <vector>

#include "text/text.h"

namespace skorlin::lines {

using LineViews = std::vector<text::TextView>;

// The lines of text exactly as text::SplitLines gives them (CR LF, lone CR or lone LF end
// a line, a NUL ends the text, a final break opens no further line), as views into text.
LineViews SplitLineViews(text::TextView text);
// Every line followed by CR LF, as text::JoinLines; allocates the result once.
text::Text JoinLineViews(const LineViews& lines);
// The whole text of a view holding text: JoinLines(SplitLines(text)).
text::Text WholeText(text::TextView text);

}  // namespace skorlin::lines
