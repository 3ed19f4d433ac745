// SPDX-License-Identifier: GPL-3.0-or-later
// NormalizeLine on any input, and on its own output. Each input byte is a Windows-1251
// character; the bytes 0x98 (not in the code page) and, after an 0x98, the next byte pick
// characters outside Windows-1251 as well, so opaque symbols are tried too. The line's
// protected tokens come out as they went in, and normalizing the result changes nothing.
#include <cstddef>
#include <cstdint>

#include "format/formatted_view.h"
#include "format/normalize_line.h"
#include "format/protected_tokens.h"
#include "fuzz_input.h"
#include "text/text.h"

namespace {

using skorlin::text::Text;

using skorlin::fuzzing::BytesAsText;

// Every protected token of line stands in out, in the same order.
bool KeepsTokens(const Text& line, const Text& out) {
  std::size_t from = 0;
  for (const skorlin::format::TokenSpan& token : skorlin::format::FindProtectedTokens(line)) {
    const std::size_t at = out.find(line.substr(token.begin, token.end - token.begin), from);
    if (at == Text::npos) return false;
    from = at + (token.end - token.begin);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text line =
      BytesAsText(std::string_view(reinterpret_cast<const char*>(data), data == nullptr ? 0 : size));
  const Text once = skorlin::format::NormalizeLine(line);
  const Text twice = skorlin::format::NormalizeLine(once);
  // Every run of spaces is collapsed at the end, whatever came in.
  if (twice.find(U"  ") != Text::npos || once.find(U"  ") != Text::npos) __builtin_trap();
  FUZZ_CHECK(KeepsTokens(line, once));
  // The output is the normalizer's own fixpoint, reached before the bound on its rounds.
  FUZZ_CHECK(twice == once);
  Text passed = line;
  FUZZ_CHECK(skorlin::format::RunNormalizerPasses(passed) < skorlin::format::kMaxNormalizerRounds);
  if (size < 4096) skorlin::format::FormattedView(line);
  return 0;
}
