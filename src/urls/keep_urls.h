// SPDX-License-Identifier: GPL-3.0-or-later
// "Оставить URLs": the input view is replaced by the URLs found in it, one per line.
#pragma once

#include <string_view>

#include "text/command_result.h"
#include "text/line_list.h"

namespace skorlin::urls {

// The runs of UrlCharSet characters in text (UTF-8) that begin exactly (case and all) with
// "http://", "mail://" or "ftp://", in the order found, duplicates included.
text::LineViews FindUrls(std::string_view text);

// Replaces the view by JoinLines of FindUrls of its whole text, caption "Готово.", and
// counts the URLs. When no URL is found the view stays as it was and the caption is
// "URLs не найдены".
text::CommandResult KeepUrls(std::string_view viewText);

}  // namespace skorlin::urls
