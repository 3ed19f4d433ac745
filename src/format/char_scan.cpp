// The backward character scan.
#include "format/char_scan.h"

#include <utility>

#include "format/scan_line.h"
#include "format/scan_rules.h"

namespace skorlin::format {
namespace {

// Whether any rule could act at i: every rule needs one of these characters at i, and the
// last one a digit after its letter. Most positions of a text fail this at once.
bool ScanMayActAt(const ScanLine& s, Pos i) {
  const text::Char c = At(s, i);
  switch (c) {
    case U')':
    case U'(':
    case U',':
    case U'N':
    case U'№':
    case U'/':
    case U'.':
    case U';':
    case U':':
    case U'-':
      return true;
    default:
      break;
  }
  if (c >= U'0' && c <= U'9') return true;
  const text::Char next = At(s, i + 1);
  return c >= U'\u0400' && c <= U'\u045F' && next >= U'0' && next <= U'9';
}

}  // namespace

void CharacterScanPass(text::Text& s, Pos lengthCount) {
  if (lengthCount - 1 < 2) return;
  ScanLine line(std::move(s));
  for (Pos i = lengthCount - 1; i >= 2; --i) {
    if (!ScanMayActAt(line, i)) continue;
    text::Char c = At(line, i);
    for (const ScanRule& rule : kScanRules) {
      if (!MayAct(rule, c)) continue;
      rule.apply(line, i, lengthCount);
      c = At(line, i);  // the rule may have changed what stands at i
    }
  }
  s = line.Release();
}

}  // namespace skorlin::format
