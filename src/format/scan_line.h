// SPDX-License-Identifier: GPL-3.0-or-later
// The line under the character scan: an EditLine that also keeps what the comma rule has
// learnt about the run of figures it last read.
#pragma once

#include "format/edit_line.h"

namespace skorlin::format {

struct ScanLine : EditLine {
  using EditLine::EditLine;

  // The comma rule reads a whole run of digits, commas and spaces; every comma of one run
  // gives the same answer, and no rule of the scan adds or removes a digit or a comma or
  // puts anything else into a run. So the answer is kept for the run until the scan has
  // left it: it holds for a comma at any position after left.
  struct FiguresRun {
    bool known = false;
    Pos left = 0;  // the position before the run
    bool readsAsZero = false;
  };
  FiguresRun figures;
};

}  // namespace skorlin::format
