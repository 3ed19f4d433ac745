// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/convert_line.h"

#include "format/normalize_line.h"
#include "format/token_stand_ins.h"
#include "html/fix_quotes.h"
#include "html/line_steps.h"

namespace skorlin::html {
namespace {

constexpr text::TextView kNbsp = U"&nbsp;";

// The quote rules read a token as a word, as they read the letters and digits it mostly
// begins and ends with: a quote right after a token closes, one right before it opens.
void FixQuotesBesideTokens(text::Text& s, const format::TokenStandIns& standIns) {
  if (standIns.Empty()) {
    s = FixQuotes(s);
    return;
  }
  text::Text asWords = s;
  for (text::Char& c : asWords) {
    if (standIns.IsStandIn(c)) c = U'x';
  }
  const text::Text decided = FixQuotes(asWords);
  // Only quotes change, one character for one.
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == U'"') s[i] = decided[i];
  }
}

}  // namespace

text::Text ConvertLineToHtml(text::TextView line, int dashStyle, bool wrapNobr, bool keepTabs) {
  text::Text s(line);
  const format::TokenStandIns standIns(s);
  ConvertStoodInLineToHtml(s, standIns, dashStyle, wrapNobr, keepTabs);
  standIns.PutBack(s, AppendTokenAsHtml);
  return s;
}

void ConvertStoodInLineToHtml(text::Text& s, const format::TokenStandIns& standIns, int dashStyle,
                              bool wrapNobr, bool keepTabs) {
  const text::TextView dash = DashEntity(dashStyle);
  format::RunNormalizerPasses(s);
  RemoveSpacesBesideTabs(s);
  if (!keepTabs) TabsToSpaces(s);
  ApplyReplacements(s, kLineBreakRows);
  FixQuotesBesideTokens(s, standIns);
  EscapeAmpersands(s);
  ApplyReplacements(s, kEntityRows);
  if (!dash.empty()) WriteDashes(s, dash, dash, dash);
  ApplyReplacements(s, kNumeroRows);
  if (wrapNobr) ApplyReplacements(s, kNobrRows);
  WriteMultiplicationSigns(s, U"&times;");
  if (!dash.empty()) WriteNumberRanges(s, U"&ndash;");
  JoinYearsAndCities(s, kNbsp);
  JoinInitials(s, kNbsp);
  JoinShortWords(s, kNbsp);
  ApplyReplacements(s, kClosingRows);
}

void AppendTokenAsHtml(text::TextView token, text::Text& out) {
  for (std::size_t i = 0; i < token.size(); ++i) {
    switch (token[i]) {
      case U'"':
        out.append(U"&quot;");
        break;
      case U'<':
        out.append(U"&lt;");
        break;
      case U'>':
        out.append(U"&gt;");
        break;
      default:
        out.push_back(token[i]);
        if (token[i] == U'&' && token.substr(i, 5) != U"&amp;") out.append(U"amp;");
    }
  }
}

}  // namespace skorlin::html
