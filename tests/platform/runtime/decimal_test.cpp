#include "platform/runtime/decimal.hpp"

#include <gtest/gtest.h>

namespace zelto::runtime {
namespace {

Decimal D(const char* s) { return Decimal::of(s); }

TEST(Decimal, ParsesFieldAndTypedTexts) {
  struct Case {
    const char* text;
    const char* value;  // to_string of the result, or nullptr when refused
  };
  const Case cases[] = {
      {"  12.50", "12.50"}, {"-3.5", "-3.5"}, {"+7", "7"}, {".5", "0.5"}, {"", "0"}, {"     ", "0"},
      {"-   1.25", "-1.25"}, {"1.2.3", nullptr}, {"12a", nullptr}, {"-", nullptr}, {"1,5", nullptr},
  };
  for (const auto& c : cases) {
    auto d = Decimal::parse(c.text);
    if (c.value == nullptr) {
      EXPECT_FALSE(d.has_value()) << c.text;
    } else {
      ASSERT_TRUE(d.has_value()) << c.text;
      EXPECT_EQ(d->to_string(), c.value) << c.text;
    }
  }
  EXPECT_EQ(Decimal::parse_brl("1.234,56")->to_string(), "1234.56");
  EXPECT_EQ(Decimal::parse_brl("0,5")->to_string(), "0.5");
  EXPECT_EQ(Decimal::parse_brl("12.5")->to_string(), "12.5");
}

TEST(Decimal, ArithmeticIsExactInCents) {
  // The classic binary-float trap: 0.1 + 0.2 is exactly 0.3 here.
  EXPECT_EQ(D("0.1") + D("0.2"), D("0.3"));
  Decimal total;
  for (int i = 0; i < 1000; ++i) total += D("0.01");
  EXPECT_EQ(total, D("10"));
  EXPECT_EQ((D("1.055") * D("0.33")).to_string(), "0.34815");
  EXPECT_EQ(D("19.99") * 3, D("59.97"));
  EXPECT_EQ(D("5") - D("7.25"), D("-2.25"));
  EXPECT_TRUE(D("1.50") == D("1.5"));
  EXPECT_LT(D("-0.01"), D("0"));
}

TEST(Decimal, RoundsHalfAwayFromZeroAndTruncates) {
  struct Case {
    const char* in;
    int places;
    const char* rounded;
    const char* truncated;
  };
  const Case cases[] = {
      {"0.34815", 2, "0.35", "0.34"}, {"2.345", 2, "2.35", "2.34"},   {"-2.345", 2, "-2.35", "-2.34"},
      {"2.5", 0, "3", "2"},           {"-2.5", 0, "-3", "-2"},       {"1.2", 2, "1.20", "1.20"},
      {"1249", -2, "1200", "1200"},   {"1250", -2, "1300", "1200"},  {"0.005", 2, "0.01", "0.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(D(c.in).round(c.places).to_string(), c.rounded) << c.in << " " << c.places;
    EXPECT_EQ(D(c.in).trunc(c.places).to_string(), c.truncated) << c.in << " " << c.places;
  }
}

TEST(Decimal, DividesToStatedPlaces) {
  EXPECT_EQ(Decimal::divide(D("10"), D("3"), 2).to_string(), "3.33");
  EXPECT_EQ(Decimal::divide(D("20"), D("3"), 2).to_string(), "6.67");
  EXPECT_EQ(Decimal::divide(D("-20"), D("3"), 2).to_string(), "-6.67");
  EXPECT_EQ(Decimal::divide(D("1"), D("8"), 2).to_string(), "0.13");  // 0.125 half away
  EXPECT_EQ(Decimal::divide(D("-1"), D("8"), 2).to_string(), "-0.13");
  EXPECT_EQ(Decimal::divide(D("0.01"), D("3"), 2).to_string(), "0.00");
  // Ten percent of 123.45: the discount a shop would compute.
  EXPECT_EQ(Decimal::divide(D("123.45") * 10, 100, 2).to_string(), "12.35");
  EXPECT_THROW(Decimal::divide(1, 0, 2), std::domain_error);
}

TEST(Decimal, ValReadsTheLeadingNumber) {
  EXPECT_EQ(val("12abc"), D("12"));
  EXPECT_EQ(val("abc"), D("0"));
  EXPECT_EQ(val("  -3.5x"), D("-3.5"));
  EXPECT_EQ(val("00012345"), D("12345"));
  EXPECT_EQ(val(""), D("0"));
}

TEST(Decimal, OverflowIsAnErrorNotAWrongNumber) {
  Decimal big = Decimal::of("99999999999999999999");  // 1e20
  EXPECT_THROW(big * big * big, std::overflow_error);
  EXPECT_THROW(big.to_int(), std::overflow_error);
}

}  // namespace
}  // namespace zelto::runtime
