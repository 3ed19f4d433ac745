// "Вставить URL из буфера" and "Вставить анкоры из буфера": every non-blank line of the
// input view becomes an HTML link, the other half of which is the next clipboard line.
#pragma once

#include "text/text.h"
#include "urls/url_result.h"

namespace skorlin::urls {

// Each non-blank view line becomes <a href="ADDRESS">LINE</a>, ADDRESS being the next
// clipboard line; the clipboard lines are used in turn and again from the first when they
// run out. Blank lines (only codes 0 to 32) stay and take no clipboard line. An empty
// clipboard changes nothing and gives the caption "Буфер обмена пуст".
UrlResult InsertUrls(text::TextView viewText, text::TextView clipboardText);

// As InsertUrls, but the view line is the address and the clipboard line the link text:
// <a href="LINE">TEXT</a>.
UrlResult InsertAnchors(text::TextView viewText, text::TextView clipboardText);

}  // namespace skorlin::urls
