// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>

#include "text/encoding.h"
#include "text/text.h"
#include "text/toolkit.h"

namespace skorlin::text {
namespace {

TEST(Cp1251, EveryByteRoundTripsAndByte98IsU0098) {
  for (int code = 0; code < 256; ++code) {
    EXPECT_EQ(Cp1251Code(Cp1251Char(static_cast<unsigned char>(code))), code) << code;
  }
  EXPECT_EQ(Cp1251Char(0x98), U'\u0098');
  EXPECT_EQ(Cp1251Char(185), U'№');
  EXPECT_EQ(Cp1251Char(171), U'«');
  EXPECT_EQ(Cp1251Code(U'₽'), -1);
  EXPECT_EQ(Cp1251Code(U'é'), -1);
  EXPECT_EQ(Cp1251Code(0x10FFFF), -1);
}

TEST(CaseTables, MapExactlyTheListedPairs) {
  const int pairs[][2] = {{168, 184}, {128, 144}, {129, 131}, {138, 154}, {140, 156}, {141, 157},
                          {142, 158}, {143, 159}, {161, 162}, {163, 188}, {165, 180}, {170, 186},
                          {175, 191}, {178, 179}, {189, 190}};
  int mapped = 0;
  for (int code = 0; code < 256; ++code) {
    const auto c = static_cast<unsigned char>(code);
    if (LowerCaseTable(c) != c) {
      ++mapped;
      EXPECT_EQ(UpperCaseTable(LowerCaseTable(c)), c);  // each pair maps back
    }
  }
  EXPECT_EQ(mapped, 26 + 32 + 15);
  for (const auto& p : pairs) {
    EXPECT_EQ(LowerCaseTable(static_cast<unsigned char>(p[0])), p[1]);
    EXPECT_EQ(UpperCaseTable(static_cast<unsigned char>(p[1])), p[0]);
    EXPECT_EQ(LowerChar(Cp1251Char(static_cast<unsigned char>(p[0]))), Cp1251Char(static_cast<unsigned char>(p[1])));
  }
  EXPECT_EQ(LowerCaseTable(160), 160);
  EXPECT_EQ(UpperCaseTable(185), 185);
}

TEST(CharClasses, FollowTheWindows1251Ranges) {
  int digits = 0, latin = 0, cyrUpper = 0, cyrLower = 0;
  for (int code = 0; code < 256; ++code) {
    const Char c = Cp1251Char(static_cast<unsigned char>(code));
    digits += IsDigit(c);
    latin += IsLatin(c);
    cyrUpper += IsCyrUpper(c);
    cyrLower += IsCyrLower(c);
    EXPECT_EQ(IsCyr(c), code == 168 || code == 184 || code >= 192) << code;
    EXPECT_EQ(IsAlNum(c), IsDigit(c) || IsLetter(c));
    EXPECT_EQ(IsBlank(c), code <= 32);
  }
  EXPECT_EQ(digits, 10);
  EXPECT_EQ(latin, 52);
  EXPECT_EQ(cyrUpper, 33);
  EXPECT_EQ(cyrLower, 33);
  for (Char outside : {U'é', U'Ω', U'×', U'₽', U'\U0001F600', U'\u0502'}) {
    EXPECT_FALSE(IsAlNum(outside));
    EXPECT_FALSE(IsBlank(outside));
    EXPECT_EQ(LowerChar(outside), outside);
    EXPECT_EQ(UpperChar(outside), outside);
  }
}

TEST(CaseTables, DoNotDependOnTheMachineLocale) {
  const char* locales[] = {"C", "ru_RU.UTF-8", "tr_TR.UTF-8", "C.UTF-8"};
  const Text expected = FromUtf8("ёлка ўі ab iı");
  for (const char* name : locales) {
    std::setlocale(LC_ALL, name);  // may fail when the locale is not installed: that is fine
    EXPECT_EQ(LowerStr(FromUtf8("ЁЛКА ЎІ AB Iı")), expected) << name;
    EXPECT_EQ(FindStrNoCase(FromUtf8("I"), FromUtf8("ıi"), 1), 2u) << name;
  }
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace skorlin::text
