// The backward character scan.
#include "format/char_scan.h"

#include "format/scan_rules.h"

namespace skorlin::format {

void CharacterScanPass(text::Text& s, Pos lengthCount) {
  for (Pos i = lengthCount - 1; i >= 2; --i) {
    // Most positions hold a character that no rule acts on; they are passed over at once.
    if (!ScanMayActAt(s, i)) continue;
    for (const ScanRule& rule : kScanRules) rule.apply(s, i, lengthCount);
  }
}

}  // namespace skorlin::format
