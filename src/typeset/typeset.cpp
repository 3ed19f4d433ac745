// SPDX-License-Identifier: GPL-3.0-or-later
#include "typeset/typeset.h"

#include "format/normalize_line.h"
#include "text/line_list.h"
#include "text/utf8.h"

namespace skorlin::typeset {

text::Text Typeset(text::TextView text) { return format::FormattedView(text); }

format::FormattedViewBytes TypesetViewUtf8(text::TextView text, bool withChanges) {
  return format::FormattedViewUtf8(text, withChanges);
}

std::string TypesetFromUtf8(std::string_view utf8) { return format::FormattedViewFromUtf8(utf8); }

}  // namespace skorlin::typeset
