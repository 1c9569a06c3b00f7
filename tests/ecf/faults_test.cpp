// Faults injected into the emulated printer: the operator sees the
// messages of the failed command, the layer never repeats a command, and
// the fiscal memory keeps only what the printer really did.

#include <gtest/gtest.h>

#include "ecf/impresso.hpp"
#include "printer_ctx.hpp"

namespace zelto::ecf::testing {
namespace {

using runtime::Decimal;

const std::string kSell = "Não Conseguiu Vender o Item";

void open_with_an_item(PrinterCtx& t) {
  if (t.g.VIMP_FIS == "EP") {
    ASSERT_TRUE(IMP_FISCAL(t.ctx, "ABERTURA_ECF").ok);
  }
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "ABRIR_CUPOM").ok);
  t.g.WCOD_ITEM_BARRA = Decimal::of("7891234567895");
  t.g.WDESCR = "ARROZ TIPO 1 5KG";
  t.g.WSITUA = "1800";
  t.g.WVALOR = Decimal::of("21.90");
  t.g.WQUANTPRODU = 1;
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "VEN_ITEM").ok);
}

class Faults : public ::testing::TestWithParam<const char*> {
 protected:
  bool epson() const { return std::string(GetParam()) == "EP"; }
};

TEST_P(Faults, NoAnswerLeavesTheItemUnsoldUntilSentAgain) {
  PrinterCtx t(GetParam());
  open_with_an_item(t);
  const sim::FiscalMemory before = t.memory();
  t.faults(fault([](sim::Faults& f) { f.comm = 1; }));
  t.script().ok(epson() ? "Erro na Comunicacao com a Impressora\rImpressora Offline..."
                        : "Erro na Comunicacao com a Impressora,\r\r" + kSell + ".");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "VEN_ITEM").ok);
  EXPECT_EQ(t.memory().receipt->items.size(), 1u);
  EXPECT_EQ(t.memory().gt, before.gt);
  // The caller asks "Impressora Nao Responde, Tentar Novamente" and sends it again.
  EXPECT_TRUE(IMP_FISCAL(t.ctx, "VEN_ITEM").ok);
  EXPECT_EQ(t.memory().receipt->items.size(), 2u);
  EXPECT_EQ(t.memory().gt, before.gt + 2190);
  t.screen.expect_done();
}

TEST_P(Faults, AnInjectedCodeIsShownAsTheOtherError) {
  PrinterCtx t(GetParam());
  open_with_an_item(t);
  t.faults(fault([&](sim::Faults& f) {
    f.fail = 1;
    f.fail_code = epson() ? 99 : -99;
  }));
  t.script().ok("Outro erro   -99").ok(kSell);
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "VEN_ITEM").ok);
  EXPECT_EQ(t.memory().receipt->items.size(), 1u);
  t.screen.expect_done();
}

TEST_P(Faults, PowerLostAtThePaymentKeepsTheReceiptOpenForTheRetry) {
  PrinterCtx t(GetParam());
  open_with_an_item(t);
  t.g.WTIDESCACRES = "D";
  t.g.WTIPODESCAC = "%";
  t.g.NDESC = 0;
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "INIC_FECHAMENTO").ok);
  t.faults(fault([](sim::Faults& f) { f.power_loss = true; }));
  t.g.NPAGOD = Decimal::of("21.90");
  t.script().ok(epson() ? "Erro na Comunicacao com a Impressora\rImpressora Offline..."
                        : "Erro na Comunicacao com a Impressora,\r\rNão Conseguiu Gerar o Pagamento por Dinheiro.");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "PAGO_DINHEIRO").ok);
  EXPECT_TRUE(t.memory().receipt->payments.empty());
  EXPECT_TRUE(t.roll_has({"QUEDA DE ENERGIA"}));
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "PAGO_DINHEIRO").ok);
  t.g.WTOTALVALOR = Decimal::of("21.90");
  t.g.WVALDESC = "0000000000.00";
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "IMP_RODAPE").ok);
  const sim::FiscalMemory m = t.memory();
  EXPECT_FALSE(m.receipt.has_value());
  ASSERT_EQ(m.last->payments.size(), 1u);
  EXPECT_EQ(m.last->paid(), 2190);
  EXPECT_EQ(m.day.totals.receipts, 1);
  t.screen.expect_done();
}

TEST_P(Faults, AClosedReceiptWhoseAnswerWasLostIsNotClosedTwice) {
  PrinterCtx t(GetParam());
  open_with_an_item(t);
  t.g.WTIDESCACRES = "D";
  t.g.WTIPODESCAC = "%";
  t.g.NDESC = 0;
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "INIC_FECHAMENTO").ok);
  t.g.NPAGOD = 50;
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "PAGO_DINHEIRO").ok);
  t.faults(fault([&](sim::Faults& f) {
    f.after = epson() ? 1 : 0;  // Epson's footer lines go in a call of their own before the close
    f.lose = 1;
    f.lose_zero = true;
  }));
  t.g.WTOTALVALOR = Decimal::of("21.90");
  t.g.WVALDESC = "0000000000.00";
  t.script().ok(epson() ? "Erro na Comunicacao com a Impressora\rImpressora Offline..."
                        : "Erro na Comunicacao com a Impressora,\r\rNão Conseguiu Imprimir o Rodapé.");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "IMP_RODAPE").ok);
  // The printer did close it: asked, it says no receipt is open.
  EXPECT_FALSE(TEM_CUPOM_ABERTO(t.ctx));
  EXPECT_EQ(t.memory().day.totals.receipts, 1);
  t.screen.expect_done();
}

INSTANTIATE_TEST_SUITE_P(Makes, Faults, ::testing::Values("BE", "DA", "SW", "EP"));

}  // namespace
}  // namespace zelto::ecf::testing
