// SPDX-License-Identifier: GPL-3.0-or-later
// The counting rules written out step by step with the toolkit's search and replace, the
// way the statistics were first defined: the reference the one-pass counters must match.
#pragma once

#include "stats/text_stats.h"
#include "text/text.h"

namespace skorlin::stats::testing {

std::int32_t LiteralCountWords(text::TextView text);
TextStats LiteralCountTextStats(text::TextView text);

}  // namespace skorlin::stats::testing
