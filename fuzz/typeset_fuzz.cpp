// SPDX-License-Identifier: GPL-3.0-or-later
// Typeset on any input: it never fails, keeps the protected tokens, brings in no character
// that Windows-1251 lacks, and typesetting its output again changes nothing. Each input
// byte is a Windows-1251 character; 0x98 and the byte after it pick one outside it.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "text/encoding.h"
#include "text/text.h"
#include "typeset/typeset.h"

namespace {

using skorlin::text::Text;

// Whether every character of out that in lacks is one Windows-1251 holds.
bool BringsInOnlyWindows1251(const Text& in, const Text& out) {
  for (const skorlin::text::Char c : out) {
    if (skorlin::text::Cp1251Code(c) < 0 && in.find(c) == Text::npos) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 8192) return 0;
  const Text text = skorlin::fuzzing::BytesAsText(
      std::string_view(reinterpret_cast<const char*>(data), data == nullptr ? 0 : size));
  const Text once = skorlin::typeset::Typeset(text);
  FUZZ_CHECK(BringsInOnlyWindows1251(text, once));
  FUZZ_CHECK(skorlin::typeset::Typeset(once) == once);
  return 0;
}
