// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/url_chars.h"

namespace skorlin::urls {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

}  // namespace

bool MatchesNoCaseAt(std::string_view text, std::size_t at, std::string_view pattern) {
  if (at > text.size() || text.size() - at < pattern.size()) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (AsciiLower(text[at + k]) != AsciiLower(pattern[k])) return false;
  }
  return true;
}

bool IsHttpAddress(std::string_view line) {
  for (std::size_t at = line.find_first_of("hH"); at != std::string_view::npos;
       at = line.find_first_of("hH", at + 1)) {
    if (MatchesNoCaseAt(line, at, "http:")) return true;
  }
  return false;
}

}  // namespace skorlin::urls
