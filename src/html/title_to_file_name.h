// SPDX-License-Identifier: GPL-3.0-or-later
// The file name of an HTML page, made from its heading.
#pragma once

#include "text/text.h"

namespace skorlin::html {

// The file-name stem for a heading: guillemet entities dropped, Cyrillic letters written
// in Latin letters, "&nbsp;", spaces, punctuation and every other character but Latin
// letters, digits, "_" and "-" turned into "-", runs of "-" made one. Letter case is kept
// for Latin letters.
text::Text TitleToFileName(text::TextView title);

}  // namespace skorlin::html
