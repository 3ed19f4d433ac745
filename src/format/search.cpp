// SPDX-License-Identifier: GPL-3.0-or-later
// The normalizer's search and replace-all, on the toolkit's search.
#include "format/search.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "text/toolkit.h"

namespace skorlin::format {

std::size_t FindText(text::TextView sub, text::TextView s, std::size_t start) {
  return text::FindStr(sub, s, start);
}

void ReplaceAllInPlace(text::Text& s, text::TextView find, text::TextView repl,
                       const std::function<void(std::size_t)>& replaced) {
  if (find.empty()) return;
  if (repl.size() > find.size()) {
    // Written afresh: the positions come from a second look at the old text.
    text::Text result;
    std::size_t copied = 0;
    std::vector<std::size_t> sites;
    for (std::size_t p = text::FindStr(find, s, 1); p != 0; p = text::FindStr(find, s, p + find.size())) {
      result.append(s, copied, p - 1 - copied);
      sites.push_back(result.size());
      result.append(repl);
      copied = p - 1 + find.size();
    }
    if (sites.empty()) return;
    result.append(s, copied);
    s = std::move(result);
    if (replaced) {
      for (const std::size_t at : sites) replaced(at);
    }
    return;
  }
  // The written part never overtakes the part still to be read, since repl is not longer.
  const auto begin = s.begin();
  std::size_t read = 0;
  std::size_t write = 0;
  std::size_t count = 0;
  std::size_t sites[16];
  std::size_t siteCount = 0;
  bool sitesLost = false;
  for (std::size_t p = text::FindStr(find, s, 1); p != 0; p = text::FindStr(find, s, read + 1)) {
    const std::size_t index = p - 1;
    write = static_cast<std::size_t>(std::copy(begin + static_cast<std::ptrdiff_t>(read),
                                               begin + static_cast<std::ptrdiff_t>(index),
                                               begin + static_cast<std::ptrdiff_t>(write)) -
                                     begin);
    if (siteCount < std::size(sites)) {
      sites[siteCount++] = write;
    } else {
      sitesLost = true;
    }
    write = static_cast<std::size_t>(
        std::copy(repl.begin(), repl.end(), begin + static_cast<std::ptrdiff_t>(write)) - begin);
    read = index + find.size();
    ++count;
  }
  if (count == 0) return;
  write = static_cast<std::size_t>(std::copy(begin + static_cast<std::ptrdiff_t>(read), s.end(),
                                             begin + static_cast<std::ptrdiff_t>(write)) -
                                   begin);
  s.resize(write);
  if (!replaced) return;
  if (sitesLost) {
    // Too many to keep: every position is reported, as if each were a site.
    for (std::size_t at = 0; at <= s.size(); ++at) replaced(at);
    return;
  }
  for (std::size_t k = 0; k < siteCount; ++k) replaced(sites[k]);
}

}  // namespace skorlin::format
