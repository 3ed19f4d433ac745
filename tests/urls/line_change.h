// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a per-line URL change and checks that its "changed" answer tells the truth.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "text/text.h"

namespace skorlin::urls {

// The line (as characters) after change, which works on its UTF-8; the change's result
// must say whether the line really changed.
inline text::Text ApplyLineChange(bool (*change)(std::string&), text::TextView line) {
  const std::string before = text::ToUtf8(line);
  std::string after = before;
  const bool changed = change(after);
  EXPECT_EQ(changed, after != before) << before;
  return text::FromUtf8(after);
}

}  // namespace skorlin::urls
