// Numbers and dates as the makers' entries take them, the tax-rate tables
// read into VALIQUOTAS and WALIQUOTAS, and Epson's reduction data brought to
// the 631 layout.

#include <gtest/gtest.h>

#include "ecf/number_format.hpp"
#include "ecf/tax_rates.hpp"
#include "ecf/z_data.hpp"

namespace zelto::ecf {
namespace {

TEST(NumberFormats, DigitsCentsThousandthsAndPlainDigits) {
  const auto d = [](const char* s) { return Decimal::of(s); };
  EXPECT_EQ(zero_digits(d("2.99"), 1000, 9), "000002990");  // unit price, classic makes
  EXPECT_EQ(plain_digits(d("2.99"), 100), "299");           // unit price, Epson
  EXPECT_EQ(zero_digits(d("1.5"), 1000, 7), "0001500");     // quantity
  EXPECT_EQ(plain_digits(d("1.5"), 1000), "1500");
  EXPECT_EQ(zero_digits(d("10"), 100, 12), "000000001000");  // a 10 % discount
  EXPECT_EQ(zero_digits(d("12.5"), 100, 14), "00000000001250");
  EXPECT_EQ(zero_digits(d("0.125"), 100, 3), "013");  // rounded half away from zero
  EXPECT_EQ(zero_digits(d("7891234567895"), 14), "07891234567895");
  EXPECT_EQ(zero_digits(d("7891234567895"), 13), "7891234567895");
  EXPECT_EQ(zero_digits(d("3"), 3), "003");
  EXPECT_EQ(zero_digits(d("12345"), 4), "****") << "a value that does not fit is refused by the printer";
  EXPECT_EQ(amount_of("000000000000123456", 2), d("1234.56"));
  EXPECT_EQ(amount_of("  ", 2), d("0"));
}

TEST(NumberFormats, Dates) {
  const Date d = *Date::ymd(2026, 12, 1);
  EXPECT_EQ(ddmmyy(d), "011226");
  EXPECT_EQ(ddmmyyyy(d), "01122026");
  EXPECT_EQ(dd_mm_yy(d), "01/12/26");
  EXPECT_EQ(dd_mm_yyyy(d), "01/12/2026");
  EXPECT_EQ(yyyymmdd(d), "20261201");
  EXPECT_EQ(ddmmyy(Date()), "");
}

TEST(TaxRates, ClassicTable) {
  const std::string blanks = ",    ,    ,    ,    ,    ,    ,    ,    ,    ,    ,    ,    ";
  RateTable t = classic_rate_table("1800,1200,0700" + blanks + ",    ");
  EXPECT_EQ(t.valiquotas, "+NN+II+FF+A01-18.00+A02-12.00+A03-07.00+");
  EXPECT_EQ(t.waliquotas, "180012000700");
  EXPECT_EQ(classic_rate_table("1800,1200,0700,0000" + blanks).valiquotas,
            "+NN+II+FF+A01-18.00+A02-12.00+A03-07.00+A04-00.00+");
  // A slot left blank keeps the numbers of those after it.
  EXPECT_EQ(classic_rate_table("    ,1200" + blanks + ",    ,    ").valiquotas, "+NN+II+FF+A02-12.00+");
  EXPECT_EQ(classic_rate_table(std::string(79, ' ')).valiquotas, "+NN+II+FF+");
}

TEST(TaxRates, EpsonTableCountsIcmsRatesOnly) {
  const std::string total(17, '0');
  RateTable t = epson_rate_table("T-1800" + total + ",S-0500" + total + ",T-1200" + total + ",T-0000" + total);
  EXPECT_EQ(t.valiquotas, "+NN+II+FF+A01-18.00+A02-12.00+");
  EXPECT_EQ(t.waliquotas, "18001200");
}

TEST(ZData, EpsonHeadBroughtToTheLayout) {
  std::string epson(kEpsonZDataWidth, '0');
  epson.replace(0, 22, "11122026223000,0007,1,");
  std::string common(kZDataWidth - 22, '5');
  epson.replace(22, common.size(), common);
  epson.replace(632, 18, "000000000001234567");
  const std::string z = z_data_631(Make::EP, epson);
  ASSERT_EQ(z.size(), kZDataWidth);
  EXPECT_EQ(z.substr(0, 7), "010007,");
  EXPECT_EQ(z.substr(7, 14), "00000001234567");
  EXPECT_EQ(z.substr(22), common);
  EXPECT_EQ(z_data_631(Make::BE, "as answered"), "as answered");
}

}  // namespace
}  // namespace zelto::ecf
