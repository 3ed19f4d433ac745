// SPDX-License-Identifier: GPL-3.0-or-later
// Readable failure messages for the statistics tests.
#pragma once

#include <ostream>
#include <string>

#include "stats/price.h"
#include "stats/rate.h"
#include "stats/text_stats.h"
#include "text/text.h"

namespace skorlin::stats {

inline void PrintTo(const TextStats& s, std::ostream* os) {
  *os << "{Line " << s.LineCount << ", AllLine " << s.AllLineCount << ", Word " << s.WordCount << ", Letter "
      << s.LetterCount << ", Char " << s.CharCount << ", Spaced " << s.SpacedCount << ", SpacedAll "
      << s.SpacedAllCount << "}";
}

inline void PrintTo(const Rate& r, std::ostream* os) {
  *os << (r.negative ? "-" : "+") << (r.digits.empty() ? "0" : r.digits) << "e" << r.exponent;
}

inline void PrintTo(const Price& p, std::ostream* os) {
  *os << (p.negative ? "-" : "") << p.hundredths << "/100";
}

namespace testing {

// A text with its control characters spelled out: "a<CR><LF>b".
inline std::string Visible(text::TextView t) {
  std::string out;
  for (const text::Char c : t) {
    if (c == U'\r')
      out += "<CR>";
    else if (c == U'\n')
      out += "<LF>";
    else if (c == U'\t')
      out += "<TAB>";
    else if (c < 32)
      out += "<" + std::to_string(static_cast<unsigned>(c)) + ">";
    else
      out += text::ToUtf8(text::TextView(&c, 1));
  }
  return out;
}

}  // namespace testing
}  // namespace skorlin::stats
