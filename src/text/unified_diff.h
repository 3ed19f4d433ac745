// SPDX-License-Identifier: GPL-3.0-or-later
// A unified diff of two texts, as `diff -u` writes it, so that `patch` turns the first
// text into the second.
#pragma once

#include <string>
#include <string_view>

namespace skorlin::text {

// The texts are taken as bytes and their lines end after each LF, as diff and patch read
// them, so any encoding and any line breaks come through byte for byte. The diff begins
// with "--- beforeName" and "+++ afterName" (quoted as diff quotes a file name holding
// spaces, quotes, backslashes, control characters or bytes beyond ASCII), then the hunks:
// "@@ -start,count +start,count @@", each change with three lines of context on both
// sides, changes closer than that sharing a hunk; a line without a final LF is followed by
// "\ No newline at end of file". Empty when the texts are equal.
std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeName,
                        std::string_view afterName);

}  // namespace skorlin::text
