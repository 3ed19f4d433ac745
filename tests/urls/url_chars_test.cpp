#include "urls/url_chars.h"

#include <gtest/gtest.h>

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

TEST(UrlCharSetTest, HoldsExactlyTheUrlCharactersOfWindows1251) {
  for (int code = 0; code < 256; ++code) {
    const text::Char c = text::Cp1251Char(static_cast<unsigned char>(code));
    EXPECT_EQ(UrlCharSet.Contains(c), IsUrlCode(code)) << "code " << code;
  }
}

TEST(UrlCharSetTest, CharactersOutsideWindows1251AreNotMembers) {
  // A code point whose low seven bits are a member must not pass for one.
  for (text::Char c : {U'₽', U'é', U'\U0001F600', text::Char{0x80 + 'a'}, text::Char{0x100 + '/'},
                       text::Char{0x10000 + 'h'}, text::Char{0xFFFFFFFF}}) {
    EXPECT_FALSE(UrlCharSet.Contains(c)) << static_cast<unsigned long>(c);
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
      {U"http", false},         {U"xhttp:", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsHttpAddress(c.line), c.expected) << text::ToUtf8(c.line);
  }
}

}  // namespace
}  // namespace skorlin::urls
