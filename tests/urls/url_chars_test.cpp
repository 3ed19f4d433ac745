// SPDX-License-Identifier: GPL-3.0-or-later
#include "urls/url_chars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "text/text.h"

namespace skorlin::urls {
namespace {

using text::Text;

// The members of the URL token set, by Windows-1251 code.
bool IsUrlCode(int code) {
  return code == 37 || code == 45 || code == 46 || code == 47 || (code >= 48 && code <= 57) || code == 58 ||
         (code >= 65 && code <= 90) || code == 95 || (code >= 97 && code <= 122) || code == 126;
}

// A character is in the set when its UTF-8 is one byte that is; a character of more bytes
// has none that is.
bool InSet(text::Char c) {
  const std::string utf8 = text::ToUtf8(text::Text(1, c));
  const bool anyByte = std::any_of(utf8.begin(), utf8.end(), [](char b) { return UrlCharSet.Contains(b); });
  EXPECT_TRUE(utf8.size() == 1 || !anyByte) << utf8;
  return anyByte;
}

TEST(UrlCharSetTest, HoldsExactlyTheUrlCharactersOfWindows1251) {
  for (int code = 0; code < 256; ++code) {
    EXPECT_EQ(InSet(text::Cp1251Char(static_cast<unsigned char>(code))), IsUrlCode(code)) << "code " << code;
  }
}

TEST(UrlCharSetTest, CharactersOutsideWindows1251AreNotMembers) {
  // A character whose UTF-8 bytes have a member in their low seven bits must not pass for one.
  for (text::Char c : {U'₽', U'é', U'\U0001F600', text::Char{0x80 + 'a'}, text::Char{0x100 + '/'},
                       text::Char{0x10000 + 'h'}, text::Char{0xAF}}) {
    EXPECT_FALSE(InSet(c)) << static_cast<unsigned long>(c);
  }
}

TEST(IsHttpAddressTest, FindsHttpColonAnywhereInAnyCase) {
  struct Case {
    Text line;
    bool expected;
  };
  const Case cases[] = {
      {U"http://host", true},   {U"HTTP://HOST", true}, {U"hTtP:", true},       {U"см. http://host", true},
      {U"https://host", false},  // "https:" does not hold "http:"
      {U"http//host", false},   {U"htt:p", false},      {U"ftp://host", false}, {U"", false},
      {U"http", false},         {U"xhttp:", true},      {U"ж http:", true},     {U"htt\u00D0:", false},
      {U"http\u1A3A", false},  // no byte of a character of more bytes is a colon
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsHttpAddress(text::ToUtf8(c.line)), c.expected) << text::ToUtf8(c.line);
  }
}

}  // namespace
}  // namespace skorlin::urls
