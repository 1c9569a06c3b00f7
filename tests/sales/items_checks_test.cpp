// The parts of item entry that stand on their own: scale labels, the
// barcode check digit, the printer's rate forms, amounts to cents, and the
// order in which a typed code finds its item.

#include <gtest/gtest.h>

#include "items_fixture.hpp"
#include "sales/amounts.hpp"
#include "sales/barcode_check.hpp"
#include "sales/item_lookup.hpp"
#include "sales/scale_label.hpp"
#include "sales/tax_code.hpp"

namespace zelto::sales::items_testing {
namespace {

core::Globals scale_settings() {
  core::Globals g;
  scale_labels_on(g);
  g.W_ULT_BALANCA = "9";
  return g;
}

TEST(ScaleLabel, CodeAndWeightComeFromTheirPositions) {
  core::Globals g = scale_settings();
  auto label = read_scale_label(g, Decimal::of("2001230012509"));
  ASSERT_TRUE(label);
  EXPECT_EQ(label->item_code, 1230);
  EXPECT_EQ(label->weight, Decimal::of("1.250"));

  struct Case {
    const char* code;
    const char* why;
  } refused[] = {
      {"7891000100103", "another first digit"},
      {"2000000012509", "no item code"},
      {"2001230000009", "no weight"},
      {"0", "nothing typed"},
  };
  for (const Case& c : refused) EXPECT_FALSE(read_scale_label(g, Decimal::of(c.code))) << c.why;

  g.W_CUL_BALANCA = "S";
  g.W_ULT_BALANCA = "8";
  EXPECT_FALSE(read_scale_label(g, Decimal::of("2001230012509"))) << "the last digit must be 8 now";
  EXPECT_TRUE(read_scale_label(g, Decimal::of("2001230012508")));
  g.W__CODBAR_BALANCA = "N";
  EXPECT_FALSE(read_scale_label(g, Decimal::of("2001230012508")));
}

TEST(Barcode, CheckDigitOfLongCodesShortCodesPass) {
  const struct {
    const char* code;
    bool valid;
  } cases[] = {
      {"7891000100103", true},  {"7891000100104", false}, {"7891000100105", false},
      {"12345678", true},       {"1", true},              {"036000291452", true},
      {"036000291453", false},  {"17891000100100", true}, {"123456789", false},
  };
  for (const auto& c : cases) EXPECT_EQ(G_EAN13(Decimal::of(c.code)), c.valid) << c.code;
  EXPECT_EQ(ean13("789100010010"), "7891000100103");
}

TEST(TaxCode, RatesAndTheirPrinterForms) {
  const std::string rates = "+NN+II+FF+A01-18.00+A02-12.00+A03-07.00+A04-05.00+";
  const struct {
    const char* code;
    bool taken;
  } cases[] = {
      {"FF", true}, {"II", true},  {"NN", true},   {"1800", true}, {"0700", true},
      {"2500", false}, {"IS", false}, {"   ", false}, {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(rate_programmed(c.code, rates), c.taken) << c.code;
  EXPECT_TRUE(rate_programmed("IS", rates + "A05-00.00+")) << "ISS needs a rate of 00.00";
  EXPECT_EQ(rate_refusal("2500"), "O Tipo de Aliquota/Configuracao \"2500\" nao esta nas aliquotas ou Configurado");
}

TEST(Amounts, RoundedOrCutToCents) {
  core::Globals g;
  g.W_ARREDON = "A";
  EXPECT_EQ(line_total(g, Decimal::of("0.33"), Decimal::of("1.055")), Decimal::of("0.35"));
  EXPECT_EQ(line_total(g, Decimal::of("3.00"), Decimal::of("3.333")), Decimal::of("10.00"));
  g.W_ARREDON = "T";
  EXPECT_EQ(line_total(g, Decimal::of("0.33"), Decimal::of("1.055")), Decimal::of("0.34"));
  EXPECT_EQ(line_total(g, Decimal::of("3.00"), Decimal::of("3.333")), Decimal::of("9.99"));
  // Written with four decimals first: 0.349996 reads 0.3500.
  EXPECT_EQ(to_cents(Decimal::of("0.349996"), true), Decimal::of("0.35"));
  EXPECT_EQ(subtotal_text(Decimal::of("123456.78")), "123 456.78");
  EXPECT_EQ(subtotal_text(Decimal::of("5")), "      5.00");
}

// The lookup and the tax situation against the catalogue's tables.
class Lookup : public ::testing::Test {
 protected:
  ItemsCtx t;
  std::string found(const char* code) {
    if (!find_item(t.ctx, Decimal::of(code))) return "none";
    return t.db.area("IT").text("C012");
  }
};

TEST_F(Lookup, ThirteenDigitsThenEightDigitBarcodeThenCode) {
  EXPECT_EQ(found(kRice.c_str()), "00000001");
  EXPECT_EQ(found("1230"), "00001230");
  // The item whose barcode is these 8 digits, not the item of that code.
  EXPECT_EQ(found("12345678"), "00000007");
  EXPECT_EQ(found("5"), "00000005") << "inactive items are found; the sale refuses them";
  EXPECT_EQ(found("99999"), "none");
  EXPECT_EQ(found("0"), "none");
  // A barcode that merely begins with the typed digits is another item.
  EXPECT_EQ(found(kRice.substr(0, 12).c_str()), "none");
}

TEST_F(Lookup, SituationLeadsToThePrinterTaxCode) {
  const struct {
    const char* situation;
    const char* rate_code;
    const char* wsitua;
  } cases[] = {
      {"T18", "T18", "1800"}, {"FF", "FF ", "FF"}, {"ISS", "ISS", "IS"}, {"XYZ", "   ", "   "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SITUA_TRIBU(t.ctx, c.situation), c.rate_code) << c.situation;
    EXPECT_EQ(t.g.WSITUA, c.wsitua) << c.situation;
  }
}

}  // namespace
}  // namespace zelto::sales::items_testing
