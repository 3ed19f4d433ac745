// SPDX-License-Identifier: GPL-3.0-or-later
// The size in thousands, the rate text and the prices: exact decimals, half to even.
#include "stats/price.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "stats/format_kilo.h"
#include "stats/rate.h"
#include "stats/stats_printers.h"

namespace skorlin::stats {
namespace {

std::string Utf8(text::TextView t) { return text::ToUtf8(t); }

TEST(FormatKilo, RoundsHundredsHalfToEven) {
  const struct {
    std::int32_t n;
    const char* comma;
  } cases[] = {
      {0, "0"},
      {1001, "1"},
      {1234, "1,2"},
      {1250, "1,2"},
      {1251, "1,3"},
      {1350, "1,4"},
      {1050, "1"},
      {1150, "1,2"},
      {1949, "1,9"},
      {1950, "2"},
      {2000, "2"},
      {99999, "100"},
      {-1350, "-1,4"},
      {-50, "0"},
      {-60, "-0,1"},
      {2147483647, "2147483,6"},
      {-2147483647 - 1, "-2147483,6"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8(FormatKilo(c.n, U",")), c.comma) << c.n;
  }
  EXPECT_EQ(Utf8(FormatKilo(1234, U".")), "1.2");
  EXPECT_EQ(Utf8(FormatKilo(1234, U"٫")), "1٫2");
}

TEST(ReadRate, AcceptsTheNumberForms) {
  const struct {
    const char32_t* text;
    Rate rate;
  } cases[] = {
      {U"0,8", {false, "8", -1}},
      {U"0.8", {false, "8", -1}},
      {U"  0,8  ", {false, "8", -1}},
      {U"+1", {false, "1", 0}},
      {U"-5", {true, "5", 0}},
      {U"1200", {false, "12", 2}},
      {U",5", {false, "5", -1}},
      {U"5,", {false, "5", 0}},
      {U"007,0100", {false, "701", -2}},
      {U"1e3", {false, "1", 3}},
      {U"2,5E-2", {false, "25", -3}},
      {U"1e+2", {false, "1", 2}},
      {U"0", {false, "", 0}},
      {U"-0,000", {true, "", 0}},
      {U"0e999999999999999999999", {false, "", 0}},
      {U"1e308", {false, "1", 308}},
      {U"1,7976931348623157e308", {false, "17976931348623157", 292}},
      {U"1e-400", {false, "1", -400}},
      {U"1e-99999999999999999999", {false, "1", -1'000'000'000'000'000}},
  };
  for (const auto& c : cases) {
    const auto rate = ReadRate(c.text, U",");
    ASSERT_TRUE(rate.has_value()) << Utf8(c.text);
    EXPECT_EQ(*rate, c.rate) << Utf8(c.text);
  }
}

TEST(ReadRate, RefusesEverythingElse) {
  for (const char32_t* text : {U"",      U" ",       U"abc",     U"0,8 руб", U"1,2,3",
                               U"1.2.3", U"1,2.3",   U"1e",      U"e5",      U"1e+",
                               U",",     U"-",       U"+-1",     U"−5",      U"1 000",
                               U"\t1",   U"1\u00a0", U"inf",     U"nan",     U"INF",
                               U"0x10",  U"1e400",   U"1,8e308", U"-1e309",  U"1e99999999999999999999"}) {
    EXPECT_FALSE(ReadRate(text, U",").has_value()) << Utf8(text);
  }
}

TEST(ReadRate, TheLocaleSeparatorAlsoSeparates) {
  EXPECT_EQ(ReadRate(U"0٫8", U"٫"), (Rate{false, "8", -1}));
  EXPECT_EQ(ReadRate(U"0,8", U"٫"), (Rate{false, "8", -1}));
  EXPECT_FALSE(ReadRate(U"0٫8", U",").has_value());
  EXPECT_FALSE(ReadRate(U"0٫8,1", U"٫").has_value());
  EXPECT_EQ(ParseRate(U"abc", U","), Rate{});
}

TEST(PriceOf, ExactAndHalfToEven) {
  const struct {
    std::int32_t count;
    const char32_t* rate;
    const char* price;  // with the decimal comma
  } cases[] = {
      {2000, U"0,8", "1,6"},
      {2000, U"0.8", "1,6"},
      {650, U"0,7", "0,46"},
      {0, U"0,8", "0"},
      {1000, U"abc", "0"},
      {1000, U"", "0"},
      {125, U"0,2", "0,02"},
      {135, U"0,2", "0,03"},
      {175, U"0,2", "0,04"},
      {25, U"0,2", "0"},
      {15, U"1", "0,02"},
      {5, U"1", "0"},
      {1, U"50", "0,05"},
      {10, U"10", "0,1"},
      {100, U"100", "10"},
      {1000, U"-5", "-5"},
      {1, U"-0,004", "0"},
      {1000, U"0,123456789", "0,12"},
      {3, U"0,5", "0"},
      {1000, U"1e-400", "0"},
      {1000, U"1e400", "0"},
      {7, U"0,0714285714285714285714285715", "0"},
      {70, U"0,0714285714285714285714285715", "0,01"},
      {2147483647, U"1000", "2147483647"},
      {1000, U"1e20", "100000000000000000000"},
      {1, U"1,5e-1", "0"},
      {100, U"1,5e-1", "0,02"},
      {300, U"0,05", "0,02"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8(FormatPrice(PriceOf(c.count, ParseRate(c.rate, U",")), U",")), c.price)
        << c.count << " at " << Utf8(c.rate);
  }
  const text::Text huge = FormatPrice(PriceOf(1000, ParseRate(U"1e300", U",")), U",");
  EXPECT_EQ(Utf8(huge), "1" + std::string(300, '0'));
  EXPECT_EQ(Utf8(FormatPrice(PriceOf(650, ParseRate(U"0,7", U",")), U".")), "0.46");
}

// A rate with at most three decimals against plain integer arithmetic: the price in
// hundredths is count × thousandths / 10000, rounded half to even.
TEST(PriceOf, MatchesIntegerArithmeticOnGeneratedRates) {
  std::mt19937 rng(4);
  std::uniform_int_distribution<std::int32_t> count(0, 3'000'000);
  std::uniform_int_distribution<std::int64_t> thousandths(-100'000, 100'000);
  for (int i = 0; i < 100000; ++i) {
    const std::int32_t c = i < 50000 ? count(rng) % 2000 : count(rng);
    const std::int64_t r = thousandths(rng);
    const std::int64_t product = c * r;
    const std::int64_t magnitude = product < 0 ? -product : product;
    std::int64_t q = magnitude / 10000;
    const std::int64_t rest = magnitude % 10000;
    if (rest > 5000 || (rest == 5000 && q % 2 != 0)) ++q;
    const Price expected{q != 0 && product < 0, std::to_string(q)};

    const std::int64_t absR = r < 0 ? -r : r;
    std::string rateText = (r < 0 ? "-" : "") + std::to_string(absR / 1000) + ",";
    const std::string frac = std::to_string(absR % 1000);
    rateText += std::string(3 - frac.size(), '0') + frac;
    const Price actual = PriceOf(c, ParseRate(text::FromUtf8(rateText), U","));
    ASSERT_EQ(actual, expected) << c << " at " << rateText;
  }
}

}  // namespace
}  // namespace skorlin::stats
