// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/str_to_float_lenient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace skorlin::format {
namespace {

TEST(StrToFloatLenient, ReadsBothDecimalPoints) {
  struct Case {
    const char32_t* input;
    double expected;
  } cases[] = {
      {U"1,5", 1.5}, {U"1.5", 1.5},    {U",5", 0.5},      {U"5,", 5.0},
      {U"5.", 5.0},  {U",", 0.0},      {U".", 0.0},       {U"  -2,25 \t", -2.25},
      {U"+7", 7.0},  {U"1e3", 1000.0}, {U"1,5E-1", 0.15}, {U",5e+1", 5.0},
      {U"007", 7.0}, {U"0,0", 0.0},    {U" 12 ", 12.0},   {U"\r\n3\r\n", 3.0},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(StrToFloatLenient(c.input), c.expected) << text::ToUtf8(c.input);
}

TEST(StrToFloatLenient, AnythingElseIsZero) {
  for (const char32_t* input :
       {U"",    U"   ", U"1,2,3", U"1.2.3", U"1,2.3", U"e5", U",e5",    U"1e",   U"1e+", U"1 2",
        U"--1", U"+-1", U"abc",   U"1a",    U"١",     U"５", U"1,5 кг", U"0x10", U"inf", U"nan"}) {
    EXPECT_EQ(StrToFloatLenient(input), 0.0) << text::ToUtf8(input);
  }
}

TEST(StrToFloatLenient, BehavesAsADoubleAtTheEdges) {
  // Any length of digits; values beyond the range of a double overflow, tiny ones vanish.
  EXPECT_DOUBLE_EQ(StrToFloatLenient(text::Text(40, U'9')), 1e40);
  EXPECT_EQ(StrToFloatLenient(text::Text(400, U'9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(StrToFloatLenient(U"-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(StrToFloatLenient(U"1e99999999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(StrToFloatLenient(U"1e-999"), 0.0);
  EXPECT_EQ(StrToFloatLenient(U"0e99999"), 0.0);
  EXPECT_EQ(StrToFloatLenient(U"," + text::Text(400, U'0') + U"1"), 0.0);
  EXPECT_DOUBLE_EQ(StrToFloatLenient(text::Text(400, U'0') + U"2,5"), 2.5);
}

}  // namespace
}  // namespace skorlin::format
