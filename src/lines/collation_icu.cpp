// SPDX-License-Identifier: GPL-3.0-or-later
// The collation on ICU's collator, everywhere but on Windows.
#ifndef _WIN32
#include <unicode/ucol.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "lines/collation.h"
#include "lines/collation_backend.h"

namespace skorlin::lines {

namespace detail {

struct Collator {
  UCollator* icu = nullptr;
};

namespace {

std::int32_t IcuLength(std::u16string_view s) {
  return static_cast<std::int32_t>(std::min<std::size_t>(s.size(), INT32_MAX));
}

}  // namespace

Collator* OpenCollator(const std::string& name) {
  UErrorCode status = U_ZERO_ERROR;
  UCollator* collator = ucol_open(name.c_str(), &status);
  if (U_FAILURE(status)) {
    if (collator != nullptr) ucol_close(collator);
    return nullptr;
  }
  ucol_setStrength(collator, UCOL_SECONDARY);
  return new Collator{collator};
}

void CloseCollator(Collator* collator) {
  ucol_close(collator->icu);
  delete collator;
}

int CompareUtf16(const Collator& collator, std::u16string_view a, std::u16string_view b) {
  const UCollationResult result = ucol_strcoll(collator.icu, a.data(), IcuLength(a), b.data(), IcuLength(b));
  return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0);
}

bool AppendSortKey(const Collator& collator, std::u16string_view line, std::vector<std::uint8_t>& key) {
  const std::size_t start = key.size();
  const std::int32_t length = IcuLength(line);
  std::size_t room = std::min<std::size_t>(4 * static_cast<std::size_t>(length) + 16, INT32_MAX);
  key.resize(start + room);
  std::int32_t needed =
      ucol_getSortKey(collator.icu, line.data(), length, key.data() + start, static_cast<std::int32_t>(room));
  if (needed > static_cast<std::int32_t>(room)) {
    room = static_cast<std::size_t>(needed);
    key.resize(start + room);
    needed = ucol_getSortKey(collator.icu, line.data(), length, key.data() + start,
                             static_cast<std::int32_t>(room));
  }
  if (needed <= 0 || needed > static_cast<std::int32_t>(room)) {
    key.resize(start);
    return false;
  }
  key.resize(start + static_cast<std::size_t>(needed));  // the key's own 0 ends it
  return true;
}

std::string CollatorLocaleName(const Collator& collator) {
  UErrorCode status = U_ZERO_ERROR;
  const char* name = ucol_getLocaleByType(collator.icu, ULOC_ACTUAL_LOCALE, &status);
  if (U_FAILURE(status) || name == nullptr || *name == '\0') return "root";
  return name;
}

}  // namespace detail

std::string UserCollationLocale() {
  for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return detail::CleanLocaleName(value);
  }
  return "";
}

}  // namespace skorlin::lines
#endif
