// SPDX-License-Identifier: GPL-3.0-or-later
// The typographic normalizer of one line: its passes, in their fixed order.
#include "format/normalize_line.h"

#include <array>

#include "format/char_scan.h"
#include "format/closing_replacements.h"
#include "format/line_access.h"
#include "format/numero_years.h"
#include "format/protected_tokens.h"
#include "format/simple_passes.h"
#include "format/straight_quotes.h"
#include "format/token_stand_ins.h"

namespace skorlin::format {

namespace {

// The signs that some passes need before they can change anything. No pass brings in a
// quote, a hyphen, "г", "#" or a backslash, and a numero sign comes only from "N" or "#";
// so a pass whose sign the collapsed line lacks has nothing to do and is skipped.
struct Signs {
  bool quote = false;
  bool hash = false;
  bool backslash = false;
  bool smallG = false;
  bool hyphen = false;
  bool numeroSource = false;
};

// The sign each character of the table gives (none for the others): one look each.
enum SignBit : unsigned char {
  kQuoteSign = 1,
  kHashSign = 2,
  kBackslashSign = 4,
  kSmallGSign = 8,
  kHyphenSign = 16,
  kNumeroSourceSign = 32,
};

constexpr std::array<unsigned char, 0x460> MakeSignTable() {
  std::array<unsigned char, 0x460> table{};
  table[U'"'] = kQuoteSign;
  table[U'#'] = kHashSign | kNumeroSourceSign;
  table[U'\\'] = kBackslashSign;
  table[U'г'] = kSmallGSign;
  table[U'-'] = kHyphenSign;
  table[U'N'] = kNumeroSourceSign;
  return table;
}

constexpr auto kSignTable = MakeSignTable();

Signs SignsOf(const text::Text& s) {
  unsigned bits = 0;
  for (const text::Char c : s) {
    if (c < kSignTable.size()) {
      bits |= kSignTable[c];
    } else if (c == U'№') {
      bits |= kNumeroSourceSign;
    }
  }
  Signs signs;
  signs.quote = (bits & kQuoteSign) != 0;
  signs.hash = (bits & kHashSign) != 0;
  signs.backslash = (bits & kBackslashSign) != 0;
  signs.smallG = (bits & kSmallGSign) != 0;
  signs.hyphen = (bits & kHyphenSign) != 0;
  signs.numeroSource = (bits & kNumeroSourceSign) != 0;
  return signs;
}

// collapsed: s holds no two spaces in a row (it is the result of an earlier run, which
// ends with a collapse), and the first collapse can be passed over.
void RunPassesOnce(text::Text& s, bool collapsed) {
  TrimPass(s);
  if (!collapsed) CollapsePass(s);
  const Signs signs = SignsOf(s);
  const bool quotes = signs.quote && QuotesPairUp(s);
  // The quote passes keep their own count of the line's length, and the character scan
  // walks back from the figure they leave, however the scan changes the line.
  Pos lengthCount = Length(s);
  if (quotes) FirstQuotePass(s, lengthCount);
  if (signs.hash) HashSignPass(s);
  if (quotes) LastQuotePass(s, lengthCount);
  if (signs.backslash) BackslashPass(s);
  CharacterScanPass(s, lengthCount);
  LeadingNumeroPass(s);
  if (signs.smallG) YearsWithGPass(s);
  if (signs.numeroSource) NumeroRangesPass(s);
  if (signs.hyphen) YearRangesPass(s);
  TrailingSlashPass(s);
  CollapsePass(s);
  ClosingReplacementsPass(s);
  if (quotes) SpacedQuotePairsPass(s);
  CollapsePass(s);
}

}  // namespace

text::Text NormalizeLine(text::TextView line) {
  text::Text s(line);
  NormalizeLineInPlace(s);
  return s;
}

void NormalizeLineInPlace(text::Text& s) {
  // The tokens are looked for again in the result: spacing the text around a token can
  // make a token of what was none, or the reverse ("но- C:\x" becomes "но-C:\x", where the
  // path no longer follows a space). Then the passes run again with those tokens stood in.
  for (int round = 1;; ++round) {
    const TokenStandIns standIns(s);
    RunNormalizerPasses(s);
    if (standIns.Empty() && FindProtectedTokens(s).empty()) return;  // most lines of prose
    const text::Text stoodIn = s;
    standIns.PutBack(s);
    text::Text again = s;
    const TokenStandIns foundAgain(again);
    if ((foundAgain == standIns && again == stoodIn) || round == kMaxNormalizerRounds) return;
  }
}

int RunNormalizerPasses(text::Text& s) {
  // A rule may insert or delete a space where an earlier rule has already looked, so one
  // run of the passes can leave something a second run would still change. The passes run
  // again until the line stops changing: the result is then the normalizer's own fixpoint.
  text::Text before;
  for (int round = 1;; ++round) {
    before = s;
    RunPassesOnce(s, round > 1);
    if (s == before || round == kMaxNormalizerRounds) return round;
  }
}

}  // namespace skorlin::format
