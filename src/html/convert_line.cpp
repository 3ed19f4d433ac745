#include "html/convert_line.h"

#include "format/normalize_line.h"
#include "html/fix_quotes.h"
#include "html/line_steps.h"

namespace skorlin::html {

text::Text ConvertLineToHtml(text::TextView line, int dashStyle, bool wrapNobr, bool keepTabs) {
  const text::TextView dash = DashEntity(dashStyle);
  text::Text s = format::NormalizeLine(line);
  RemoveSpacesBesideTabs(s);
  if (!keepTabs) TabsToSpaces(s);
  ApplyReplacements(s, kLineBreakRows);
  s = FixQuotes(s);
  EscapeAmpersands(s);
  ApplyReplacements(s, kEntityRows);
  if (!dash.empty()) WriteDashes(s, dash);
  ApplyReplacements(s, kNumeroRows);
  if (wrapNobr) ApplyReplacements(s, kNobrRows);
  WriteMultiplicationSigns(s);
  if (!dash.empty()) WriteNumberRanges(s);
  JoinYearsAndCities(s);
  JoinInitials(s);
  JoinShortWords(s);
  ApplyReplacements(s, kClosingRows);
  return s;
}

}  // namespace skorlin::html
