// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/html_view.h"

#include "format/token_stand_ins.h"
#include "html/convert_line.h"
#include "text/line_list.h"
#include "text/toolkit.h"

namespace skorlin::html {
namespace {

constexpr text::TextView kParagraph = U"<p>";
constexpr text::TextView kTableStart = U"<Table Width=100% Border=0 CellPadding=2 CellSpacing=0>";
constexpr text::TextView kRowStart = U"<tr><td>";
constexpr text::TextView kTableEnd = U"</Table>";

constexpr int kViewDashStyle = 2;  // em dashes

bool HasTab(text::TextView s) { return s.find(U'\t') != text::TextView::npos; }

}  // namespace

text::Text HtmlView(text::TextView input, const HtmlViewOptions& options) {
  text::Text trimmed(input);
  text::TrimBlanks(trimmed);
  text::Lines lines = text::SplitLines(trimmed);
  bool inTable = false;  // whether the previous line became a table row
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // The line is normalized and converted, its protected tokens found on the line as given
    // and kept out of both. The converter normalizes the line first; normalizing it once
    // more, as the view once did, would change nothing: the normalizer's output is its own
    // fixpoint.
    text::Text s = lines[i];
    const format::TokenStandIns standIns(s);
    ConvertStoodInLineToHtml(s, standIns, kViewDashStyle, true, options.table);
    standIns.PutBack(s, AppendTokenAsHtml);
    const bool row = options.table && HasTab(s);
    if (options.addP && !row && (!options.addPEmpty || !s.empty())) s.insert(0, kParagraph);
    if (row) {
      text::Text html(kRowStart);
      html.append(text::ReplaceAll(s, U"\t", U"<td>"));
      if (i == 0 || !inTable) html.insert(0, kTableStart);
      // The next line is tested as it stands in the input, before its own conversion.
      if (i + 1 == lines.size() || !HasTab(lines[i + 1])) html.append(kTableEnd);
      s = std::move(html);
    }
    inTable = row;
    lines[i] = std::move(s);
  }
  return text::JoinLines(lines);
}

}  // namespace skorlin::html
