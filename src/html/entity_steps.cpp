// SPDX-License-Identifier: GPL-3.0-or-later
// The replacing steps of the HTML line converter: tabs, line breaks, ampersands, named
// entities, dashes and the fixed non-breaking spaces.
#include <array>
#include <cstddef>

#include "html/line_steps.h"
#include "text/toolkit.h"

namespace skorlin::html {

using text::Char;
using text::Text;
using text::TextView;

TextView DashEntity(int dashStyle) {
  switch (dashStyle) {
    case 1:
      return U"&ndash;";
    case 2:
      return U"&mdash;";
    default:
      return U"";
  }
}

void RemoveSpacesBesideTabs(Text& s) {
  if (s.find(U'\t') == Text::npos) return;
  // A run of spaces is dropped when a tab stands right before or right after it; the
  // characters bounding a run are never spaces, so dropping one run changes no other.
  Text result;
  result.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] != U' ') {
      result.push_back(s[i++]);
      continue;
    }
    std::size_t end = i;
    while (end < s.size() && s[end] == U' ') ++end;
    const bool tabBefore = i > 0 && s[i - 1] == U'\t';
    const bool tabAfter = end < s.size() && s[end] == U'\t';
    if (!tabBefore && !tabAfter) result.append(s, i, end - i);
    i = end;
  }
  s = std::move(result);
}

void TabsToSpaces(Text& s) {
  for (Char& c : s) {
    if (c == U'\t') c = U' ';
  }
}

namespace {

constexpr std::array kLineBreakTable{
    Replacement{U" \r\n", U"\r\n"},
    Replacement{U"\r\n ", U"\r\n"},
    Replacement{U"\r\n\r\n\r\n", U"\r\n\r\n"},
};

constexpr std::array kEntityTable{
    Replacement{U"\"", U"&quot;"},  Replacement{U">", U"&gt;"},    Replacement{U"<", U"&lt;"},
    Replacement{U"«", U"&laquo;"},  Replacement{U"»", U"&raquo;"}, Replacement{U"...", U"&hellip;"},
    Replacement{U"…", U"&hellip;"},
};

constexpr std::array kNumeroTable{
    Replacement{U"№ ", U"№&nbsp;"},
    Replacement{U"ЦК КПСС", U"ЦК&nbsp;КПСС"},
};

constexpr std::array kNobrTable{
    Replacement{U" ВКП(б)", U" <nobr>ВКП(б)</nobr>"},
};

constexpr std::array kClosingTable{
    Replacement{U"&laquo;О ", U"&laquo;О&nbsp;"},
    Replacement{U" &mdash;", U"&nbsp;&mdash;"},
    Replacement{U" &ndash;", U"&nbsp;&ndash;"},
    Replacement{U"©", U"&copy;"},
    Replacement{U"®", U"&reg;"},
    Replacement{U"™", U"&trade;"},
    Replacement{U"§", U"&sect;"},
};

constexpr TextView kAmp = U"&amp;";

}  // namespace

const std::span<const Replacement> kLineBreakRows{kLineBreakTable};
const std::span<const Replacement> kEntityRows{kEntityTable};
const std::span<const Replacement> kNumeroRows{kNumeroTable};
const std::span<const Replacement> kNobrRows{kNobrTable};
const std::span<const Replacement> kClosingRows{kClosingTable};

void EscapeAmpersands(Text& s) {
  const std::size_t n = s.size();
  if (n < 3) return;
  // The escape is inserted after the ampersand, so the characters read by the test of
  // every ampersand further left never change: one pass over the original text is enough.
  const TextView view(s);
  auto escapes = [&](std::size_t i) { return view[i] == U'&' && view.substr(i, kAmp.size()) != kAmp; };
  std::size_t count = 0;
  for (std::size_t i = 1; i + 1 < n; ++i) count += escapes(i) ? 1 : 0;
  if (count == 0) return;
  Text result;
  result.reserve(n + count * (kAmp.size() - 1));
  for (std::size_t i = 0; i < n; ++i) {
    if (i >= 1 && i + 1 < n && escapes(i)) {
      result.append(kAmp);
    } else {
      result.push_back(view[i]);
    }
  }
  s = std::move(result);
}

void WriteDashes(Text& s, TextView dash, TextView enDash, TextView emDash) {
  Text spaced(U" ");
  spaced.append(dash);
  spaced.push_back(U' ');
  const std::array rows{
      Replacement{U" - ", spaced},
      Replacement{U"–", enDash},
      Replacement{U"—", emDash},
  };
  for (const Replacement& row : rows) {
    if (row.find != row.replace) ApplyReplacements(s, std::span(&row, 1));
  }
}

}  // namespace skorlin::html
