// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/huge_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace skorlin::text {

void PreferHugePages([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::size_t kHugePage = std::size_t{2} << 20;
  if (bytes < kHugePage) return;
  // From the first 2 MB boundary in the buffer, whole stretches of 2 MB.
  const std::size_t skip = (kHugePage - reinterpret_cast<std::uintptr_t>(data) % kHugePage) % kHugePage;
  if (bytes <= skip) return;
  const std::size_t length = (bytes - skip) / kHugePage * kHugePage;
  // A refusal (no huge pages configured) leaves the memory as it was.
  if (length > 0) madvise(const_cast<char*>(static_cast<const char*>(data)) + skip, length, MADV_HUGEPAGE);
#endif
}

}  // namespace skorlin::text
