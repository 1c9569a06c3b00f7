#include "platform/runtime/picture.hpp"

#include <gtest/gtest.h>

namespace zelto::runtime {
namespace {

Decimal D(const char* s) { return Decimal::of(s); }

TEST(Picture, TextTemplates) {
  EXPECT_EQ(transform("abc", "@!"), "ABC");
  EXPECT_EQ(transform("12.345.678/0001-99", "99.999.999/9999-99"), "12.345.678/0001-99");
  EXPECT_EQ(transform("12345678000199", "@R 99.999.999/9999-99"), "12.345.678/0001-99");
  EXPECT_EQ(transform("ab", "!!!"), "AB ");
  EXPECT_EQ(transform("31122026", "@R 99/99/9999"), "31/12/2026");
}

TEST(Picture, NumberTemplates) {
  struct Case {
    const char* value;
    const char* picture;
    const char* shown;
  };
  const Case cases[] = {
      {"12.5", "99.99", "12.50"},
      {"1.055", "999999.999", "     1.055"},
      {"1234.5", "@E 999,999.99", "  1.234,50"},
      {"1234567.5", "@ 999 999 999.99", "  1 234 567.50"},
      {"5", "@ 999 999 999.99", "          5.00"},
      {"0.5", "999.99", "  0.50"},
      {"-12.5", "9999.99", " -12.50"},
      {"123456", "9999", "****"},
      {"-1234", "9999", "****"},
  };
  for (const auto& c : cases) EXPECT_EQ(transform(D(c.value), c.picture), c.shown) << c.value << " " << c.picture;
  EXPECT_EQ(transform(D("0"), "@Z 999.99"), "      ");
  EXPECT_EQ(transform(D("12.5"), "", 8, 2), "   12.50");
  EXPECT_EQ(transform(D("12.5"), "@B 9999.99"), "12.50  ");
}

TEST(Picture, DatesAndLogicals) {
  EXPECT_EQ(transform(*Date::ymd(2026, 12, 11), "99/99/9999"), "11/12/2026");
  EXPECT_EQ(transform_logical(true, "Y"), "Y");
  EXPECT_EQ(transform_logical(false, ""), "F");
}

}  // namespace
}  // namespace zelto::runtime
