// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's collation under LineCollator: ICU (collation_icu.cpp) or the Windows
// locale API (collation_windows.cpp), one of them compiled in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skorlin::lines::detail {

struct Collator;

// "ru_RU.UTF-8@euro" → "ru_RU"; "ru-RU" → "ru_RU"; "C", "POSIX", "C.UTF-8" → "".
std::string CleanLocaleName(std::string name);

// The collation of a locale as CleanLocaleName gives it ("" is the root collation), case
// ignored, letters and accents counted; nullptr when the platform has none for the name.
Collator* OpenCollator(const std::string& name);
void CloseCollator(Collator* collator);

// Negative, 0 or positive as a sorts before, with or after b.
int CompareUtf16(const Collator& collator, std::u16string_view a, std::u16string_view b);

// Appends the sort key of a non-empty line to key: bytes ending in 0 and holding no other
// 0, whose bytewise order is CompareUtf16's. False (key as it was) when no key can be made.
bool AppendSortKey(const Collator& collator, std::u16string_view line, std::vector<std::uint8_t>& key);

// The locale whose collation is in use, "root" for the root collation.
std::string CollatorLocaleName(const Collator& collator);

}  // namespace skorlin::lines::detail
