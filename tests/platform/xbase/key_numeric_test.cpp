#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/xbase/key_expr.hpp"

namespace zelto::xbase {
namespace {

TEST(NumericKey, BytesOfTheFormat) {
  struct Case {
    const char* value;
    int len, dec;
    const char* key;
  };
  const Case cases[] = {
      {"-9999.91", 12, 2, ",,,,,####.#+"},
      {"12.5", 8, 2, "00012.50"},
      {"0", 5, 0, "00000"},
      {"-1", 3, 0, ",,+"},
      {"-10", 3, 0, ",+,"},
      {"-0.001", 5, 2, "00.00"},  // rounds to zero: no sign left
      {"7.125", 6, 2, "007.13"},  // half away from zero
      {"123456", 4, 0, "****"},   // does not fit, as STR shows it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(numeric_key(Decimal::of(c.value), c.len, c.dec), c.key);
  }
}

// The point of the encoding: byte order of the keys is numeric order.
TEST(NumericKey, ByteOrderIsNumericOrder) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<long long> cents(-99999999, 99999999);
  std::vector<Decimal> values = {Decimal(0), Decimal::of("-0.01"), Decimal::of("0.01")};
  for (int i = 0; i < 2000; ++i) values.push_back(Decimal::from_units(cents(rng), 2));
  std::sort(values.begin(), values.end());
  for (size_t i = 1; i < values.size(); ++i) {
    std::string a = numeric_key(values[i - 1], 12, 2), b = numeric_key(values[i], 12, 2);
    if (values[i - 1] == values[i]) {
      EXPECT_EQ(a, b);
    } else {
      EXPECT_LT(a, b) << values[i - 1].to_string() << " vs " << values[i].to_string();
    }
  }
}

TEST(DescendText, ReversesByteOrder) {
  EXPECT_EQ(descend_text(std::string("\x00\x01\x7f\x80\xff", 5)), std::string("\x00\xff\x81\x80\x01", 5));
  EXPECT_EQ(descend_text("20261211"), "\xCE\xD0\xCE\xCA\xCF\xCE\xCF\xCF");
  // Later dates sort first once descended, and a shorter prefix still sorts first.
  EXPECT_LT(descend_text("20261211"), descend_text("20261210"));
  EXPECT_LT(descend_text("A"), descend_text("AB"));
}

}  // namespace
}  // namespace zelto::xbase
