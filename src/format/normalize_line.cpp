// The typographic normalizer of one line: its passes, in their fixed order.
#include "format/normalize_line.h"

#include "format/char_scan.h"
#include "format/closing_replacements.h"
#include "format/line_access.h"
#include "format/numero_years.h"
#include "format/simple_passes.h"
#include "format/straight_quotes.h"

namespace skorlin::format {

text::Text NormalizeLine(text::TextView line) {
  text::Text s(line);
  TrimPass(s);
  CollapsePass(s);
  // The quote passes keep their own count of the line's length, and the character scan
  // walks back from the figure they leave, however the scan changes the line.
  Pos lengthCount = Length(s);
  FirstQuotePass(s, lengthCount);
  HashSignPass(s);
  LastQuotePass(s, lengthCount);
  BackslashPass(s);
  CharacterScanPass(s, lengthCount);
  LeadingNumeroPass(s);
  YearsWithGPass(s);
  NumeroRangesPass(s);
  YearRangesPass(s);
  TrailingSlashPass(s);
  CollapsePass(s);
  ClosingReplacementsPass(s);
  SpacedQuotePairsPass(s);
  CollapsePass(s);
  return s;
}

}  // namespace skorlin::format
