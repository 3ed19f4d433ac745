// SPDX-License-Identifier: GPL-3.0-or-later
// The locale-aware, case-ignoring comparison of the alphabetical sorts: on ICU, or on
// Windows on the system's own collation (chosen when the program is built).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace skorlin::lines {

namespace detail {
struct Collator;  // the platform's collator for one locale (collation_backend.h)
}  // namespace detail

// A collator for one locale at secondary strength: letters and accents count, case does
// not ("а" and "А" are equal, "е" and "ё" are not). An empty line is less than any other
// line, and two empty lines are equal. One object serves one thread at a time.
class LineCollator {
 public:
  // localeName names the locale ("ru_RU", "ru-RU", "ru_RU.UTF-8"); an empty name takes
  // the user's locale (UserCollationLocale). No locale, "C" or "POSIX" give the root
  // collation, as does a name the collation data does not know.
  explicit LineCollator(const std::string& localeName = "");
  ~LineCollator();
  LineCollator(const LineCollator&) = delete;
  LineCollator& operator=(const LineCollator&) = delete;

  // Negative, 0 or positive as line a (UTF-8) sorts before, with or after line b.
  int CompareLinesLocale(std::string_view a, std::string_view b) const;

  // The sort key of a line, UTF-8 or as characters, in key (replacing what it held): a
  // byte string ending in 0 (and holding no other 0) such that comparing two keys bytewise
  // (strcmp) gives the sign of CompareLinesLocale of their lines. Computing a key once per
  // line makes a sort far faster than comparing the lines themselves.
  void SortKey(std::string_view line, std::vector<std::uint8_t>& key) const;
  void SortKey(text::TextView line, std::vector<std::uint8_t>& key) const;

  // The locale whose collation is in use ("root" for the root collation): ICU's name
  // ("ru_RU", "ru") or, on Windows, the system's ("ru-RU").
  std::string LocaleName() const;

 private:
  // The key of the line held in buffer_.
  void SortKeyOfBuffer(std::vector<std::uint8_t>& key) const;

  detail::Collator* collator_ = nullptr;
  mutable std::u16string buffer_;  // the line in UTF-16, reused from call to call
  mutable text::Text chars_;       // the line's characters, where no collation data is found
};

// The user's locale for collation. On Windows the user's default locale ("ru-RU");
// elsewhere the one the environment names (LC_ALL, LC_COLLATE, LANG, the first that is
// set), without its encoding and modifier: "ru_RU.UTF-8" gives "ru_RU". Empty when none is
// set or it is "C" or "POSIX".
std::string UserCollationLocale();

}  // namespace skorlin::lines
