// SPDX-License-Identifier: GPL-3.0-or-later
// Locale-aware, case-ignoring line comparison and sort keys over the platform's collator,
// with the empty line first and a code-point order where no collation data is found.
#include "lines/collation.h"

#include <algorithm>

#include "lines/collation_backend.h"
#include "text/utf8.h"

namespace skorlin::lines {

using text::TextView;

namespace {

// Key bytes that put the empty line before every other line, ahead of the collator's key.
constexpr std::uint8_t kEmptyLine = 1;
constexpr std::uint8_t kOtherLine = 2;

void PutUtf16(char32_t c, std::u16string& out) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else if (c <= 0x10FFFF) {
    out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
  } else {
    out.push_back(u'\uFFFD');
  }
}

// A line in UTF-16, the form the collator reads, one character as its characters give it
// (a lone surrogate as itself).
void ToUtf16(TextView line, std::u16string& out) {
  out.clear();
  out.reserve(line.size());
  for (const char32_t c : line) PutUtf16(c, out);
}

void ToUtf16(std::string_view line, std::u16string& out) {
  out.clear();
  out.reserve(line.size());
  for (std::size_t i = 0; i < line.size();) PutUtf16(text::NextUtf8Char(line, i), out);
}

// Without collation data: characters compared by their lower case, as code points.
char32_t FallbackWeight(char32_t c) { return std::min<char32_t>(text::LowerChar(c), 0x10FFFF); }

int FallbackCompare(TextView a, TextView b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char32_t x = FallbackWeight(a[i]);
    const char32_t y = FallbackWeight(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace

namespace detail {

std::string CleanLocaleName(std::string name) {
  name = name.substr(0, name.find_first_of(".@"));
  std::replace(name.begin(), name.end(), '-', '_');
  if (name == "C" || name == "POSIX") return "";
  return name;
}

}  // namespace detail

LineCollator::LineCollator(const std::string& localeName) {
  const std::string name = detail::CleanLocaleName(localeName.empty() ? UserCollationLocale() : localeName);
  collator_ = detail::OpenCollator(name);  // "" opens the root collation
  if (collator_ == nullptr && !name.empty()) collator_ = detail::OpenCollator("");
}

LineCollator::~LineCollator() {
  if (collator_ != nullptr) detail::CloseCollator(collator_);
}

int LineCollator::CompareLinesLocale(std::string_view a, std::string_view b) const {
  if (a.empty() || b.empty()) return a.empty() ? (b.empty() ? 0 : -1) : 1;
  if (collator_ == nullptr) return FallbackCompare(text::DecodeUtf8(a), text::DecodeUtf8(b));
  std::u16string first;
  std::u16string second;
  ToUtf16(a, first);
  ToUtf16(b, second);
  return detail::CompareUtf16(*collator_, first, second);
}

void LineCollator::SortKey(std::string_view line, std::vector<std::uint8_t>& key) const {
  if (collator_ == nullptr) {
    chars_ = text::DecodeUtf8(line);
    SortKey(TextView(chars_), key);
    return;
  }
  ToUtf16(line, buffer_);
  SortKeyOfBuffer(key);
}

void LineCollator::SortKey(TextView line, std::vector<std::uint8_t>& key) const {
  key.clear();
  if (collator_ == nullptr) {
    key.push_back(line.empty() ? kEmptyLine : kOtherLine);
    for (const char32_t c : line) {
      const std::uint32_t weight = FallbackWeight(c);  // three base-255 digits, none of them 0
      key.push_back(static_cast<std::uint8_t>(weight / (255 * 255) + 1));
      key.push_back(static_cast<std::uint8_t>(weight / 255 % 255 + 1));
      key.push_back(static_cast<std::uint8_t>(weight % 255 + 1));
    }
    key.push_back(0);
    return;
  }
  ToUtf16(line, buffer_);
  SortKeyOfBuffer(key);
}

void LineCollator::SortKeyOfBuffer(std::vector<std::uint8_t>& key) const {
  key.clear();
  if (buffer_.empty()) {
    key.push_back(kEmptyLine);
    key.push_back(0);
    return;
  }
  key.push_back(kOtherLine);
  if (!detail::AppendSortKey(*collator_, buffer_, key)) {
    key.resize(1);  // no key: the line sorts as the first non-empty line
    key.push_back(0);
  }
}

std::string LineCollator::LocaleName() const {
  return collator_ == nullptr ? "" : detail::CollatorLocaleName(*collator_);
}

}  // namespace skorlin::lines
