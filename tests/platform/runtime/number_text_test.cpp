#include "platform/runtime/number_text.hpp"

#include <gtest/gtest.h>

namespace zelto::runtime {
namespace {

Decimal D(const char* s) { return Decimal::of(s); }

TEST(NumberText, StrIsRightAlignedAndRounded) {
  EXPECT_EQ(str(D("12.5"), 8, 2), "   12.50");
  EXPECT_EQ(str(D("0.34815"), 10, 2), "      0.35");
  EXPECT_EQ(str(D("-3"), 5), "   -3");
  EXPECT_EQ(str(D("-0.001"), 5, 2), " 0.00");  // no negative zero
  EXPECT_EQ(str(D("123456"), 5), "*****");
  EXPECT_EQ(str(D("1.5")), "         1.50000");  // no width: five decimals
  EXPECT_EQ(str(D("1.055"), 10, 3), "     1.055");
}

TEST(NumberText, StrzeroAndDigits) {
  EXPECT_EQ(strzero(D("12"), 8), "00000012");
  EXPECT_EQ(strzero(D("12.5"), 8, 2), "00012.50");
  EXPECT_EQ(strzero(D("-12"), 6), "-00012");
  EXPECT_EQ(digits(D("12.5"), 8, 2), "00001250");
  EXPECT_EQ(digits(D("1234.56"), 14, 2), "00000000123456");
  EXPECT_EQ(digits(D("7"), 4, 0), "0007");
  EXPECT_EQ(digits(D("0.005"), 4, 2), "0001");
  EXPECT_EQ(digits(D("123456"), 4, 0), "****");
}

TEST(NumberText, BrazilianForm) {
  EXPECT_EQ(brl(D("1234.5"), 12, 2), "1.234,50");
  EXPECT_EQ(brl(D("-123"), 12, 2), "-123,00");
  EXPECT_EQ(brl(D("1234567.891"), 14, 2), "1.234.567,89");
  EXPECT_EQ(brl(D("-1234567"), 14, 0), "-1.234.567");
  EXPECT_EQ(brl(D("999"), 10, 2), "999,00");
  EXPECT_EQ(brl(D("0.5")), "0,50");
}

}  // namespace
}  // namespace zelto::runtime
