// SPDX-License-Identifier: GPL-3.0-or-later
// The collation on Windows: the sort keys of the system's locale API (LCMapStringEx),
// case and character width ignored, punctuation sorted as symbols (string sort). For the
// languages written in Cyrillic, Cyrillic letters sort before Latin ones, as ICU's
// collation of those languages has them.
#ifdef _WIN32
#include <windows.h>

#include <climits>
#include <cstring>

#include "lines/collation.h"
#include "lines/collation_backend.h"

namespace skorlin::lines {

namespace detail {

struct Collator {
  std::wstring locale;  // the system's name ("ru-RU"), empty for the invariant locale
  bool cyrillicFirst = false;
};

namespace {

constexpr DWORD kKeyFlags =
    LCMAP_SORTKEY | NORM_IGNORECASE | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH | SORT_STRINGSORT;

// The languages whose letters are Cyrillic ("sr" but for "sr-Latn").
bool WrittenInCyrillic(const std::string& name) {
  static constexpr const char* kLanguages[] = {"ru", "uk", "be", "bg", "mk", "sr", "kk", "ky", "mn"};
  const std::string language = name.substr(0, name.find('_'));
  if (name.find("Latn") != std::string::npos) return false;
  for (const char* cyrillic : kLanguages)
    if (language == cyrillic) return true;
  return false;
}

// The key's primary weights are pairs of bytes, a script's number and a letter's weight,
// up to the first 1. The scripts Latin, Greek and Cyrillic (0x0E, 0x0F, 0x10) are
// renumbered Cyrillic 0x0E, Latin 0x0F, Greek 0x10. A weight of more than two bytes (a
// script numbered from 0x80 on) ends the renumbering: what follows it keeps the system's
// order, the same for every key.
void PutCyrillicFirst(std::vector<std::uint8_t>& key) {
  for (std::size_t i = 0; i + 1 < key.size() && key[i] > 1 && key[i] < 0x80; i += 2) {
    if (key[i] == 0x10) {
      key[i] = 0x0E;
    } else if (key[i] == 0x0E || key[i] == 0x0F) {
      ++key[i];
    }
  }
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::string Narrow(const std::wstring& ascii) {
  std::string out;
  for (const wchar_t c : ascii) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

// The system's key of a line, its closing 0 included; empty when the system makes none.
std::vector<std::uint8_t> SystemKey(const Collator& collator, std::u16string_view line) {
  if (line.size() > INT_MAX) return {};
  const auto* source = reinterpret_cast<LPCWSTR>(line.data());
  const int length = static_cast<int>(line.size());
  const LPCWSTR locale = collator.locale.empty() ? LOCALE_NAME_INVARIANT : collator.locale.c_str();
  const int needed = LCMapStringEx(locale, kKeyFlags, source, length, nullptr, 0, nullptr, nullptr, 0);
  if (needed <= 0) return {};
  std::vector<std::uint8_t> key(static_cast<std::size_t>(needed));
  // With LCMAP_SORTKEY the destination is a byte buffer and its size is counted in bytes.
  const int made = LCMapStringEx(locale, kKeyFlags, source, length, reinterpret_cast<LPWSTR>(key.data()),
                                 needed, nullptr, nullptr, 0);
  if (made <= 0) return {};
  key.resize(static_cast<std::size_t>(made));
  return key;
}

}  // namespace

Collator* OpenCollator(const std::string& name) {
  std::wstring locale = Widen(name);
  for (wchar_t& c : locale)
    if (c == L'_') c = L'-';
  if (!locale.empty() && !IsValidLocaleName(locale.c_str())) return nullptr;
  return new Collator{std::move(locale), WrittenInCyrillic(name)};
}

void CloseCollator(Collator* collator) { delete collator; }

int CompareUtf16(const Collator& collator, std::u16string_view a, std::u16string_view b) {
  // Compared by their keys, so that a sort by keys and one by comparisons agree.
  std::vector<std::uint8_t> first;
  std::vector<std::uint8_t> second;
  const bool hasFirst = AppendSortKey(collator, a, first);
  const bool hasSecond = AppendSortKey(collator, b, second);
  if (!hasFirst || !hasSecond) return hasFirst ? 1 : (hasSecond ? -1 : 0);
  const int result =
      std::strcmp(reinterpret_cast<const char*>(first.data()), reinterpret_cast<const char*>(second.data()));
  return (result > 0) - (result < 0);
}

bool AppendSortKey(const Collator& collator, std::u16string_view line, std::vector<std::uint8_t>& key) {
  std::vector<std::uint8_t> system = SystemKey(collator, line);
  if (system.empty()) return false;
  if (collator.cyrillicFirst) PutCyrillicFirst(system);
  // The bytes before the system's closing 0, with 0 and 1 written as two bytes (1 1 and
  // 1 2) so that the key holds no other 0 and keeps its bytewise order.
  for (std::size_t i = 0; i + 1 < system.size(); ++i) {
    const std::uint8_t b = system[i];
    if (b <= 1) {
      key.push_back(1);
      key.push_back(static_cast<std::uint8_t>(b + 1));
    } else {
      key.push_back(b);
    }
  }
  key.push_back(0);
  return true;
}

std::string CollatorLocaleName(const Collator& collator) {
  return collator.locale.empty() ? "root" : Narrow(collator.locale);
}

}  // namespace detail

std::string UserCollationLocale() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) <= 0) return "";
  return detail::Narrow(name);
}

}  // namespace skorlin::lines
#endif
