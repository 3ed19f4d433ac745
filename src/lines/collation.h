// The locale-aware, case-ignoring comparison of the alphabetical sorts, on ICU.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/text.h"

struct UCollator;

namespace skorlin::lines {

// A collator for one locale at secondary strength: letters and accents count, case does
// not ("а" and "А" are equal, "е" and "ё" are not). An empty line is less than any other
// line, and two empty lines are equal. One object serves one thread at a time.
class LineCollator {
 public:
  // localeName names the locale ("ru_RU", "ru-RU", "ru_RU.UTF-8"); an empty name takes
  // the user's locale from LC_ALL, LC_COLLATE or LANG. No locale, "C" or "POSIX" give the
  // root collation, as does a name the collation data does not know.
  explicit LineCollator(const std::string& localeName = "");
  ~LineCollator();
  LineCollator(const LineCollator&) = delete;
  LineCollator& operator=(const LineCollator&) = delete;

  // Negative, 0 or positive as a sorts before, with or after b.
  int CompareLinesLocale(text::TextView a, text::TextView b) const;

  // Appends the sort key of line to keys: a byte string ending in 0 (and holding no other
  // 0) such that comparing two keys bytewise (strcmp) gives the sign of
  // CompareLinesLocale of their lines. Computing a key once per line makes a sort far
  // faster than comparing the lines themselves.
  void AppendSortKey(text::TextView line, std::vector<std::uint8_t>& keys) const;

  // The ICU locale whose collation is in use ("root" for the root collation).
  std::string LocaleName() const;

 private:
  UCollator* collator_ = nullptr;
  mutable std::u16string buffer_;  // the line in UTF-16, reused from call to call
};

// The locale named by the environment for collation (LC_ALL, LC_COLLATE, LANG, the first
// that is set), without its encoding and modifier: "ru_RU.UTF-8" gives "ru_RU". Empty when
// none is set or it is "C" or "POSIX".
std::string UserCollationLocale();

}  // namespace skorlin::lines
