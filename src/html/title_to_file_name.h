// The file name of an HTML page, made from its heading.
#pragma once

#include "text/text.h"

namespace skorlin::html {

// The file-name stem for a heading: guillemet entities dropped, "&nbsp;" and spaces,
// punctuation, slashes and control characters turned into "-", Cyrillic letters written
// in Latin letters, runs of "-" made one. Letter case is kept for Latin letters.
text::Text TitleToFileName(text::TextView title);

}  // namespace skorlin::html
