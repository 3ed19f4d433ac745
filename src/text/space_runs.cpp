// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/space_runs.h"

namespace skorlin::text {

Text CollapseSpaces(TextView s) {
  Text out(s);
  CollapseSpaceRuns(out);
  return out;
}

}  // namespace skorlin::text
