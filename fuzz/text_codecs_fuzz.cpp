// SPDX-License-Identifier: GPL-3.0-or-later
// Detection and the codecs: any bytes decode, and what they decode to survives a round trip.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/encoding.h"
#include "text/line_list.h"
#include "text/toolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skorlin::text;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const DecodedText decoded = DecodeAuto(bytes);
  if (decoded.encoding == Encoding::Cp1251 && EncodeCp1251(decoded.text) != bytes) std::abort();
  if (Decode(Encode(decoded.text, Encoding::Utf16LE), Encoding::Utf16LE) != decoded.text) std::abort();
  if (JoinLines(SplitLines(JoinLines(SplitLines(decoded.text)))) != JoinLines(SplitLines(decoded.text))) std::abort();
  const Text lower = LowerStr(decoded.text);
  if (lower.size() != decoded.text.size()) std::abort();
  if (!decoded.text.empty()) {
    const TextView sub = TextView(decoded.text).substr(decoded.text.size() / 2, 2);
    const std::size_t at = FindStrNoCase(sub, decoded.text, 1);
    if (at == 0 || at > decoded.text.size()) std::abort();
    (void)ReplaceAllNoCase(decoded.text, sub, U"x");
  }
  return 0;
}
