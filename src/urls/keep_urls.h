// "Оставить URLs": the input view is replaced by the URLs found in it, one per line.
#pragma once

#include "text/text.h"
#include "urls/url_result.h"

namespace skorlin::urls {

// The runs of UrlCharSet characters in text that begin exactly (case and all) with
// "http://", "mail://" or "ftp://", in the order found, duplicates included.
text::Lines FindUrls(text::TextView text);

// Replaces the view by JoinLines of FindUrls of its whole text, caption "Готово.". When
// no URL is found the view stays as it was and the caption is "URLs не найдены".
UrlResult KeepUrls(text::TextView viewText);

}  // namespace skorlin::urls
