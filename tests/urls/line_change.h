// Runs a per-line URL change and checks that its "changed" answer tells the truth.
#pragma once

#include <gtest/gtest.h>

#include "text/text.h"

namespace skorlin::urls {

// The line after change; the change's result must say whether the line really changed.
inline text::Text ApplyLineChange(bool (*change)(text::Text&), text::Text line) {
  const text::Text before = line;
  const bool changed = change(line);
  EXPECT_EQ(changed, line != before) << text::ToUtf8(before);
  return line;
}

}  // namespace skorlin::urls
