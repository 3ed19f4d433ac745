// NormalizeLine on any input, and on its own output. Each input byte is a Windows-1251
// character; the bytes 0x98 (not in the code page) and, after an 0x98, the next byte pick
// characters outside Windows-1251 as well, so opaque symbols are tried too.
#include <cstddef>
#include <cstdint>

#include "format/formatted_view.h"
#include "format/normalize_line.h"
#include "fuzz_input.h"
#include "text/text.h"

namespace {

using skorlin::text::Text;

using skorlin::fuzzing::BytesAsText;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text line =
      BytesAsText(std::string_view(reinterpret_cast<const char*>(data), data == nullptr ? 0 : size));
  const Text once = skorlin::format::NormalizeLine(line);
  const Text twice = skorlin::format::NormalizeLine(once);
  // Every run of spaces is collapsed at the end, whatever came in.
  if (twice.find(U"  ") != Text::npos || once.find(U"  ") != Text::npos) __builtin_trap();
  if (size < 4096) skorlin::format::FormattedView(line);
  return 0;
}
