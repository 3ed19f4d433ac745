// SPDX-License-Identifier: GPL-3.0-or-later
// The formatted view: the whole text with every line typographically normalized.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/char_diff.h"
#include "text/text.h"

namespace skorlin::format {

// text trimmed of characters with codes 0 to 32 at both ends, split into lines, each line
// normalized, and joined again with CR LF after every line.
text::Text FormattedView(text::TextView text);

// The formatted view as a view holds it, and what the normalizer changed in it.
struct FormattedViewBytes {
  // The UTF-8 form of FormattedView.
  std::string utf8;
  // With the changes asked for, every line's changes against its input line
  // (text::CharChanges), in order, with begin and length counted in bytes of utf8.
  std::vector<text::CharChange> changes;
};
FormattedViewBytes FormattedViewUtf8(text::TextView text, bool withChanges);
// to followed by from: from's changes moved past the bytes of to.
void AppendView(FormattedViewBytes& to, FormattedViewBytes&& from);

// The UTF-8 form of FormattedView of UTF-8 text, each line decoded, normalized and encoded
// in turn (a large text's lines on two threads).
std::string FormattedViewFromUtf8(std::string_view utf8);

}  // namespace skorlin::format
