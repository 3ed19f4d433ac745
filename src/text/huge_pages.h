// SPDX-License-Identifier: GPL-3.0-or-later
// Large buffers (a view's whole text, its line index, sort keys) written into fresh memory
// cost a page fault for every few kilobytes; backed by huge pages, where the system offers
// them, they cost one for every two megabytes. A hint only: the contents and the results
// are the same whether it is taken or not.
#pragma once

#include <cstddef>

namespace skorlin::text {

// Asks for huge pages behind the whole 2 MB stretches of [data, data + bytes).
void PreferHugePages(const void* data, std::size_t bytes);

// Reserves room for count elements and asks for huge pages behind it, before any of it is
// written.
template <typename Container>
void ReserveLarge(Container& container, std::size_t count) {
  container.reserve(count);
  PreferHugePages(container.data(), container.capacity() * sizeof(*container.data()));
}

}  // namespace skorlin::text
