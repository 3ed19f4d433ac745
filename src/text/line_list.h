// A text as a list of lines, and back: the form in which every line command handles a view.
#pragma once

#include "text/text.h"

namespace skorlin::text {

// A line ends at CR LF, a lone CR or a lone LF (LF CR is two breaks); the break is not
// part of the line. A NUL ends the text. A final break opens no further line; the empty
// text gives no lines.
Lines SplitLines(TextView text);
// Every line followed by CR LF, the last one too; no lines give the empty text.
Text JoinLines(const Lines& lines);

}  // namespace skorlin::text
