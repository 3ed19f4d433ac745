// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/html_view.h"

#include <string_view>

#include "format/token_stand_ins.h"
#include "html/convert_line.h"
#include "text/line_chunks.h"
#include "text/line_list.h"
#include "text/toolkit.h"
#include "text/utf8.h"

namespace skorlin::html {
namespace {

constexpr text::TextView kParagraph = U"<p>";
constexpr text::TextView kTableStart = U"<Table Width=100% Border=0 CellPadding=2 CellSpacing=0>";
constexpr text::TextView kRowStart = U"<tr><td>";
constexpr text::TextView kTableEnd = U"</Table>";

constexpr int kViewDashStyle = 2;  // em dashes

bool HasTab(text::TextView s) { return s.find(U'\t') != text::TextView::npos; }
bool HasTab(std::string_view s) { return s.find('\t') != std::string_view::npos; }

// An input line normalized and converted, its protected tokens found on the line as given
// and kept out of both. The converter normalizes the line first; normalizing it once more,
// as the view once did, would change nothing: the normalizer's output is its own fixpoint.
text::Text Converted(text::Text s, const HtmlViewOptions& options) {
  const format::TokenStandIns standIns(s);
  ConvertStoodInLineToHtml(s, standIns, kViewDashStyle, true, options.table);
  standIns.PutBack(s, AppendTokenAsHtml);
  return s;
}

bool IsRow(text::TextView converted, const HtmlViewOptions& options) {
  return options.table && HasTab(converted);
}

// A converted line as the view shows it: with its paragraph tag, or as a row of a table
// that the row opens (when the line before was no row) or closes (when the next input line,
// as it stands before its own conversion, holds no tab, or there is none).
text::Text ViewLine(text::Text s, const HtmlViewOptions& options, bool afterRow, bool nextHasTab) {
  if (!IsRow(s, options)) {
    if (options.addP && (!options.skipEmptyLines || !s.empty())) s.insert(0, kParagraph);
    return s;
  }
  text::Text html(kRowStart);
  html.append(text::ReplaceAll(s, U"\t", U"<td>"));
  if (!afterRow) html.insert(0, kTableStart);
  if (!nextHasTab) html.append(kTableEnd);
  return html;
}

// Hands put each view line of the input lines [first, last), with its index; decode gives an
// input line's characters. A run that starts after other lines converts the line before it
// once more, to know whether that line became a table row.
template <typename InputLines, typename Decode, typename Put>
void ViewLines(const InputLines& lines, std::size_t first, std::size_t last, const HtmlViewOptions& options,
               const Decode& decode, const Put& put) {
  bool afterRow = first > 0 && IsRow(Converted(decode(lines[first - 1]), options), options);
  for (std::size_t i = first; i < last; ++i) {
    text::Text s = Converted(decode(lines[i]), options);
    const bool row = IsRow(s, options);
    const bool nextHasTab = i + 1 < lines.size() && HasTab(lines[i + 1]);
    put(i, ViewLine(std::move(s), options, afterRow, nextHasTab));
    afterRow = row;
  }
}

}  // namespace

text::Text HtmlView(text::TextView input, const HtmlViewOptions& options) {
  text::Text trimmed(input);
  text::TrimBlanks(trimmed);
  const text::Lines lines = text::SplitLines(trimmed);
  text::Lines view(lines.size());
  const auto work = [&](std::size_t first, std::size_t last, std::size_t) {
    ViewLines(
        lines, first, last, options, [](const text::Text& line) { return line; },
        [&view](std::size_t i, text::Text line) { view[i] = std::move(line); });
  };
  text::WorkInTwoRuns(
      lines.size(), [&lines](std::size_t i) { return lines[i].size(); }, nullptr, work);
  return text::JoinLines(view);
}

std::string HtmlViewFromUtf8(std::string_view utf8, const HtmlViewOptions& options) {
  const text::LineViews lines = text::SplitLines(text::TrimBlankBytes(utf8));
  return text::WorkOnLines(lines, [&](std::size_t first, std::size_t last, std::string& out) {
    ViewLines(
        lines, first, last, options, [](std::string_view line) { return text::DecodeUtf8(line); },
        [&out](std::size_t, const text::Text& line) {
          text::AppendUtf8(out, line);
          out += "\r\n";
        });
  });
}

}  // namespace skorlin::html
