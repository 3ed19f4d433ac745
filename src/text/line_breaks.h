// SPDX-License-Identifier: GPL-3.0-or-later
// Line breaks of a whole UTF-8 text: the window's views hold CR LF between lines, the
// clipboard of the desktop LF. In UTF-8, CR and LF are single bytes that never occur
// inside another character, so both work on the bytes.
#pragma once

#include <string>
#include <string_view>

namespace skorlin::text {

// utf8 with every line break made CR LF: CR LF stays, a lone CR and a lone LF each become
// CR LF (LF CR is two breaks). Nothing else changes.
std::string WithCrLfBreaks(std::string_view utf8);
// The same for a text the caller hands over: given back as it is, without a copy, when it
// holds no lone CR and no lone LF.
std::string WithCrLfBreaks(std::string&& utf8);

// utf8 with every CR LF made LF; lone CR and lone LF stay as they are.
std::string WithLfBreaks(std::string_view utf8);

}  // namespace skorlin::text
