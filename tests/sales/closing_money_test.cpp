// The money of the closing on its own: the adjustments to the cent, and
// the instalments with what the rounding leaves on the first.

#include <gtest/gtest.h>

#include "closing_fixture.hpp"
#include "sales/closing_adjustment.hpp"
#include "sales/instalments.hpp"
#include "sales/payment_forms.hpp"

namespace zelto::sales::closing_testing {
namespace {

Decimal d(const char* s) { return Decimal::of(s); }

TEST(ClosingMoney, PercentagesComeToTheCentAndTheLimitsHold) {
  const AdjustmentMode dp = adjustment_mode("DP");
  EXPECT_EQ(receipt_total(dp, 'D', d("10"), d("33.33")), d("30.00"));  // 3.333 off as 3.33
  EXPECT_EQ(receipt_total(dp, 'D', d("12.5"), d("0.04")), d("0.03"));   // 0.005 off as 0.01
  EXPECT_EQ(receipt_total(adjustment_mode("AP"), 'A', d("2.5"), d("19.98")), d("20.48"));  // 0.4995 as 0.50
  EXPECT_TRUE(adjustment_too_large(dp, 'D', d("100"), d("5")));
  EXPECT_FALSE(adjustment_too_large(dp, 'D', d("99.99"), d("5")));
  const AdjustmentMode dv = adjustment_mode("DV");
  EXPECT_TRUE(adjustment_too_large(dv, 'D', d("5.00"), d("5.00")));
  EXPECT_FALSE(adjustment_too_large(dv, 'D', d("4.99"), d("5.00")));
  EXPECT_FALSE(adjustment_too_large(adjustment_mode("AV"), 'A', d("500"), d("5.00")));
  // Unknown modes are a discount in money.
  EXPECT_EQ(adjustment_mode("XX").code, "DV");
  EXPECT_EQ(adjustment_mode("").code, "DV");
}

TEST(ClosingMoney, ThePrinterGetsTheKindOfValueOfTheMode) {
  core::Globals g;
  g.WTIPODESCAC = "$";  // what the configuration record said
  set_printer_adjustment(g, adjustment_mode("DP"), 'D', d("10"));
  EXPECT_EQ(g.WTIDESCACRES, "D");
  EXPECT_EQ(g.WTIPODESCAC, "%");
  EXPECT_EQ(g.WVALORPERCENTUAL, "P");
  EXPECT_EQ(g.WVALDESC, "000000010.0000");
  set_printer_adjustment(g, adjustment_mode("CV"), 'A', d("7.61"));
  EXPECT_EQ(g.WTIDESCACRES, "A");
  EXPECT_EQ(g.WTIPODESCAC, "$");
  EXPECT_EQ(g.WVALORPERCENTUAL, "V");
  EXPECT_EQ(g.WVALDESC, "00000000007.61");
}

TEST(ClosingMoney, InstalmentsPutTheRemainderOnTheFirst) {
  using V = std::vector<Decimal>;
  EXPECT_EQ(split_instalments(d("100.00"), 3), (V{d("33.34"), d("33.33"), d("33.33")}));
  EXPECT_EQ(split_instalments(d("100.00"), 6), (V{d("16.65"), d("16.67"), d("16.67"), d("16.67"), d("16.67"), d("16.67")}));
  EXPECT_EQ(split_instalments(d("0.02"), 3), (V{d("0.00"), d("0.01"), d("0.01")}));
  EXPECT_EQ(split_instalments(d("50.00"), 1), (V{d("50.00")}));
  EXPECT_TRUE(split_instalments(d("50.00"), 0).empty());
}

TEST(ClosingMoney, GeneratedInstalmentsFollowTheDocumentType) {
  ItemsCtx t;
  xbase::Table& td = t.db.area("TD");
  td.append_blank();
  td.put("C130", "DP");
  td.put("C131", "DUPLICATA");
  td.put("C132", d("2"));
  td.put("C134", Decimal(30));
  td.unlock();
  t.g.WTOTALVALOR = d("120.00");
  t.g.W_NENTRADA = d("20.00");
  t.g.W_NPRESTA = Decimal(3);
  t.g.W_NTIPDOCU = "DP";
  t.g.WAUXNUM = Decimal(4711);
  GERA_PRESTACOES(t.ctx);
  const runtime::Date today = t.clock.now().date;
  xbase::Table& p2 = t.db.area("P2");
  std::vector<std::string> rows;
  for (p2.go_top(); !p2.eof(); p2.skip()) {
    rows.push_back(p2.text("C451") + " " + p2.text("C130") + " " + runtime::trim(p2.text("C452")) + " " +
                   std::to_string(p2.date("C453").minus(today)) + " " + p2.number("C700").to_string() + " " +
                   p2.number("C454").to_string());
  }
  // 100.00 on credit: 2 % off what is received, to the cent.
  EXPECT_EQ(rows, (std::vector<std::string>{"01 DP 4711 30 33.34 32.67", "02 DP 4711 60 33.33 32.66",
                                            "03 DP 4711 90 33.33 32.66"}));
}

TEST(ClosingMoney, TheListOfFormsHasTheOfferedOnesInOrder) {
  core::Globals g;
  offer(g, "UMD");
  EXPECT_EQ(offered_forms_lines(g), (std::vector<core::Text>{"D  =  Dinheiro", "M =  M-FORMA", "U  =  U-FORMA"}));
  ASSERT_TRUE(payment_form('v'));
  EXPECT_EQ(payment_form('v')->letter, 'V');
  EXPECT_EQ(payment_form('X'), nullptr);
}

}  // namespace
}  // namespace zelto::sales::closing_testing
