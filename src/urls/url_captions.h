// SPDX-License-Identifier: GPL-3.0-or-later
// The captions of the URL commands (UTF-8).
#pragma once

namespace skorlin::urls {

inline constexpr char kDoneCaption[] = "Готово.";
inline constexpr char kNoUrlsCaption[] = "URLs не найдены";
inline constexpr char kEmptyClipboardCaption[] = "Буфер обмена пуст";

}  // namespace skorlin::urls
