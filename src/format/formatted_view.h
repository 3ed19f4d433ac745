// The formatted view: the whole text with every line typographically normalized.
#pragma once

#include "text/text.h"

namespace skorlin::format {

// text trimmed of characters with codes 0 to 32 at both ends, split into lines, each line
// normalized, and joined again with CR LF after every line.
text::Text FormattedView(text::TextView text);

}  // namespace skorlin::format
