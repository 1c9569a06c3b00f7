// The closing of a receipt through the sales window, played as the
// operator plays it, against the emulated printer: cash with change (F3),
// the adjustments of F5 with their limits, the offered forms, F8.

#include <gtest/gtest.h>

#include "closing_fixture.hpp"

namespace zelto::sales::closing_testing {
namespace {

namespace cn = closing_names;

TEST(ClosingCash, F3PaysInCashWithChangeAndTheReceiptIsClosedOnThePrinter) {
  ClosingCtx t;
  const int coo = t.memory().receipt->coo;
  t.play("press F3\n"
         "focus \"NVALO\"\n"
         "type \"50\"\npress Enter\n"
         "answer \"Confirma o Pagamento em Dinheiro ?     \" yes\n");
  EXPECT_EQ(t.g.WTROCO, Decimal::of("17.61"));
  EXPECT_EQ(t.text(cn::kChangeLabel), "TROCO.................. 17.61");
  EXPECT_EQ(t.g.NPAGOD, Decimal::of("50.00"));
  EXPECT_EQ(t.g.NFORMA, "D");
  EXPECT_TRUE(t.g.WOK);
  // On the printer: no adjustment, 50.00 in cash, the receipt closed.
  const auto m = t.memory();
  EXPECT_FALSE(m.receipt);
  ASSERT_TRUE(m.last);
  EXPECT_EQ(m.last->coo, coo);
  EXPECT_EQ(m.last->phase, ecfsim::Phase::Closed);
  EXPECT_EQ(m.last->adjustment, 0);
  ASSERT_EQ(m.last->payments.size(), 1u);
  EXPECT_EQ(runtime::trim(m.last->payments[0].form), "Dinheiro");
  EXPECT_EQ(m.last->payments[0].amount, ClosingCtx::cents("50.00"));
  EXPECT_EQ(m.last->total(), ClosingCtx::cents("32.39"));
  // The checkout is free for the next receipt.
  EXPECT_TRUE(t.shown(names::kBanner));
  EXPECT_FALSE(t.shown(cn::kCaption));
  EXPECT_EQ(t.count("IO"), 0);
  EXPECT_TRUE(t.row().field(kItemCodeField).focusable());
  EXPECT_FALSE(t.row().field(kPaidField).visible);
}

TEST(ClosingCash, LessThanTheTotalIsRefusedAndNoSendsTheFocusBackToTheCashField) {
  ClosingCtx t;
  t.play("press F3\n"
         "type \"30\"\npress Enter\n"
         "ok \"O Valor em Dinheiro nao pode ser menor que 32.39\"\n"
         "focus \"NVALO\"\n"
         "type \"40\"\npress Enter\n"
         "answer \"Confirma o Pagamento em Dinheiro ?     \" no\n"
         "focus \"NVALO\"\n");
  const auto m = t.memory();
  ASSERT_TRUE(m.receipt);
  EXPECT_EQ(m.receipt->phase, ecfsim::Phase::Items) << "nothing was sent to the printer";
  EXPECT_TRUE(t.shown(cn::kCaption));
}

TEST(ClosingCash, F8GoesBackToTheItemsAndTheReceiptGoesOn) {
  ClosingCtx t;
  t.play("press F3\nfocus \"NVALO\"\npress F8\n"
         "focus \"WCODIGITEM\"\n"
         "type \"" + items_testing::kRice + "\"\npress Enter\n");
  EXPECT_EQ(t.count("IO"), 3);
  EXPECT_FALSE(t.shown(cn::kCaption));
  EXPECT_FALSE(t.row().field(kPaidField).visible);
  EXPECT_EQ(t.memory().receipt->items.size(), 3u);
}

TEST(ClosingStart, AReceiptWithoutLinesCannotBeClosed) {
  ItemsCtx t;
  t.screen.script() = screen::scripted::Script::parse(
      "ok \"Nao e permitido fechar um cupom sem ter Item selecionado\"\n");
  EXPECT_FALSE(FECHA_CUPOM(t.ctx, 'D'));
  t.screen.expect_done();
  EXPECT_TRUE(sales_window(t.ctx).visible(names::kBanner));
}

// F5: the adjustment, then the form and the amount.
struct AdjustmentCase {
  const char* vdf;
  const char* kind_typed;  // "" when the mode does not ask it
  const char* value;
  const char* total;       // the receipt total shown and paid
  long long printer_adjustment;  // cents, below zero a discount
};

class ClosingAdjustment : public ::testing::TestWithParam<AdjustmentCase> {};

TEST_P(ClosingAdjustment, TheTotalAfterTheAdjustmentIsWhatThePrinterAndTheProgramAgreeOn) {
  const AdjustmentCase& c = GetParam();
  ClosingCtx t(c.vdf);
  std::string script = "press F5\n";
  if (*c.kind_typed) script += "focus \"NTIDES\"\ntype \"" + std::string(c.kind_typed) + "\"\npress Enter\n";
  script += "focus \"NDESC\"\ntype \"" + std::string(c.value) + "\"\npress Enter\n"
            "focus \"NFORM\"\ntype \"D\"\npress Enter\n"
            "focus \"NVALO\"\npress Enter\n"
            "answer \"Confirma o Pagamento em Dinheiro ?     \" yes\n";
  t.play(script);
  EXPECT_EQ(t.g.NPAGOD, Decimal::of(c.total));
  EXPECT_EQ(t.g.WTROCO, Decimal(0));
  const auto m = t.memory();
  EXPECT_FALSE(m.receipt);
  ASSERT_TRUE(m.last);
  EXPECT_EQ(m.last->phase, ecfsim::Phase::Closed);
  EXPECT_EQ(m.last->adjustment, c.printer_adjustment);
  EXPECT_EQ(m.last->total(), ClosingCtx::cents(c.total));
  ASSERT_EQ(m.last->payments.size(), 1u);
  EXPECT_EQ(m.last->payments[0].amount, ClosingCtx::cents(c.total));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ClosingAdjustment,
    ::testing::Values(AdjustmentCase{"DV", "", "2.39", "30.00", -239},
                      AdjustmentCase{"DV", "", "0", "32.39", 0},
                      // 10 % of 32.39 is 3.239: 3.24 off
                      AdjustmentCase{"DP", "", "10", "29.15", -324},
                      AdjustmentCase{"AV", "", "1.61", "34.00", 161},
                      // 5 % of 32.39 is 1.6195: 1.62 on
                      AdjustmentCase{"AP", "", "5", "34.01", 162},
                      AdjustmentCase{"TV", "D", "0.39", "32.00", -39},
                      AdjustmentCase{"TV", "A", "0.61", "33.00", 61},
                      AdjustmentCase{"CV", "A", "7.61", "40.00", 761}));

TEST(ClosingAdjustmentLimits, ADiscountOfTheWholeSubtotalOrAHundredPercentIsRefused) {
  for (const auto& [vdf, value] : {std::pair{"DV", "32.39"}, std::pair{"DP", "100"}, std::pair{"TV", "40"}}) {
    ClosingCtx t(vdf);
    t.play(std::string("press F5\n") + (std::string(vdf) == "TV" ? "press Enter\n" : "") +
           "focus \"NDESC\"\ntype \"" + value + "\"\npress Enter\n"
           "ok \"O Valor do Desconto tem que ser Menor que o Total\"\n"
           "focus \"NDESC\"\n");
    EXPECT_EQ(t.memory().receipt->phase, ecfsim::Phase::Items) << vdf << ": the closing did not begin";
    EXPECT_TRUE(t.window().bound(screen::Key::F8)) << vdf << ": the items are still within reach";
  }
}

TEST(ClosingAdjustmentLimits, TheKindFieldOfModeCVStartsAtSurchargeAndTakesOnlyDOrA) {
  ClosingCtx t("CV");
  t.play("press F5\nfocus \"NTIDES\"\n");
  EXPECT_EQ(t.row().text(kKindField), "A");
  EXPECT_EQ(t.text(cn::kAdjustmentLabel), "Acrescimo.......................:");
  t.play("type \"X\"\npress Enter\nok \"Campo Invalido.\"\nfocus \"NTIDES\"\n"
         "type \"D\"\npress Enter\nfocus \"NDESC\"\n");
  EXPECT_EQ(t.text(cn::kAdjustmentLabel), "Desconto.........................:");
}

TEST(ClosingForms, OnlyOfferedLettersAreTakenAndTheListShowsThem) {
  ClosingCtx t("DV", "DC");
  t.play("press F5\nfocus \"NDESC\"\npress Enter\nfocus \"NFORM\"\n");
  EXPECT_TRUE(t.shown(cn::kFormsList));
  EXPECT_EQ(t.text(cn::kFormsList), "D  =  Dinheiro\nC  =  C-FORMA");
  EXPECT_FALSE(t.window().bound(screen::Key::F8)) << "the closing began on the printer";
  t.play("type \"T\"\npress Enter\nok \"Forma de Pagamento Invalida.\"\nfocus \"NFORM\"\n"
         "type \"C\"\npress Enter\nfocus \"NVALO\"\n");
  EXPECT_EQ(t.text(cn::kFormName), "CHEQUE");
  EXPECT_EQ(t.row().number(kPaidField), Decimal::of("32.39"));
  EXPECT_FALSE(t.shown(cn::kFormsList));
  // Up goes back to the letter; the cheque then pays with change.
  t.play("press Up\nfocus \"NFORM\"\ntype \"C\"\npress Enter\n"
         "type \"40\"\npress Enter\n"
         "answer \"Confirma o Pagamento em C-FORMA ?     \" yes\n");
  EXPECT_EQ(t.g.NPAGOC, Decimal::of("40.00"));
  EXPECT_EQ(t.g.WTROCO, Decimal::of("7.61"));
  const auto m = t.memory();
  ASSERT_TRUE(m.last);
  EXPECT_EQ(m.last->phase, ecfsim::Phase::Closed);
  ASSERT_EQ(m.last->payments.size(), 1u);
  EXPECT_EQ(m.last->payments[0].amount, ClosingCtx::cents("40.00"));
  EXPECT_EQ(runtime::trim(m.last->payments[0].form), runtime::trim(t.g.V_DPRESTC));
}

}  // namespace
}  // namespace zelto::sales::closing_testing
