// Withdrawals and supplies through the form, on the emulated Bematech
// printer: what the printer received, and the MV, Y4 and Y2 records left.

#include "cash/cash_movement.hpp"

#include <gtest/gtest.h>

#include "cash_fixture.hpp"
#include "cash/movement_form.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "store/seal_record.hpp"

namespace zelto::cash::testing {
namespace {

using runtime::Decimal;
using screen::Key;

const char* kConfirmSupply = "Confirma o Ressuprimento ?     ";
const char* kConfirmWithdrawal = "Confirma a Sangria ?     ";

// The form filled in: description, the type left at "D", document, amount.
void fill(CashCtx& t, const std::string& description, const std::string& document, const std::string& amount) {
  t.script().type(description).press(Key::Enter).press(Key::Enter).type(document).press(Key::Enter).type(amount);
}

std::string six(long long n) { return runtime::strzero(Decimal(n), 6); }

TEST(CashMovement, ASupplyPrintsItsMoneyAndLeavesOneMovementOneDocumentAndOnePayment) {
  CashCtx t;
  fill(t, "troco inicial", "123", "150.00");
  t.script().button(" Gravar ").answer(kConfirmSupply, true);
  ASSERT_TRUE(RS_M10_BEM7(t.ctx, kSupply));
  t.screen.expect_done();

  // 150.00 reached the supply entry as 00000000015000 cents in "Dinheiro".
  const auto m = t.memory();
  EXPECT_EQ(m.day.totals.supplies, 15000);
  EXPECT_EQ(m.day.totals.withdrawals, 0);
  EXPECT_TRUE(t.roll_has({"SUPRIMENTO R$", "150,00"}));
  EXPECT_TRUE(t.roll_has({"Dinheiro", "150,00"}));
  EXPECT_EQ(t.g.WA, "R");
  EXPECT_EQ(t.g.WFORMASUPRIMENTO, "Dinheiro");
  // The form's heading and lines.
  const auto& form = t.transcript().entries().front();
  EXPECT_EQ(form.kind, "form");
  EXPECT_EQ(form.title, "  -= ZeltoECF =-   FECHAMENTO DO CUPOM FISCAL");
  EXPECT_EQ(form.text,
            "==> Movimentacao de Ressuprimento do Caixa | Usuario...................: CX1    | "
            "Estabelecimento........: 01 | Data......................: 11/12/2026 | Hora......................: 10:30");

  ASSERT_EQ(t.count("MV"), 1);
  xbase::Table& mv = t.db.area("MV");
  mv.go_top();
  EXPECT_EQ(mv.date("C096"), *runtime::Date::ymd(2026, 12, 11));
  EXPECT_EQ(mv.text("C091"), runtime::padr("TROCO INICIAL", 40));
  EXPECT_EQ(mv.number("C076"), Decimal::of("150.00"));
  EXPECT_EQ(mv.text("C037"), "01");
  EXPECT_EQ(mv.text("C130"), "D ");
  EXPECT_EQ(mv.text("C083"), "CX1   ");
  EXPECT_EQ(mv.text("C094"), "C");
  EXPECT_EQ(mv.text("C093"), "2026");
  EXPECT_EQ(mv.text("C090"), "         123");
  EXPECT_EQ(mv.text("C077"), "000001");
  EXPECT_EQ(mv.text("C101"), "CX1   2026121108:00");
  EXPECT_EQ(mv.text("C125"), "2");
  EXPECT_EQ(mv.text("C001"), "CX1");
  EXPECT_EQ(mv.text("C263"), "10:30");
  xbase::Table& nv = t.db.area("NV");
  nv.go_top();
  EXPECT_EQ(nv.number("C780"), Decimal(1));

  // The document's own numbers: the counters answer the last one used.
  ASSERT_EQ(t.count("Y4"), 1);
  xbase::Table& y4 = t.db.area("Y4");
  y4.go_top();
  EXPECT_EQ(y4.text("SIMBOLO"), "CN");
  EXPECT_EQ(y4.text("NROCOO"), six(m.coo));
  EXPECT_EQ(y4.text("NROGNF"), six(m.gnf));
  EXPECT_EQ(y4.text("NROGRG"), "000000");
  EXPECT_EQ(y4.text("NROCDC"), "000000");
  EXPECT_EQ(y4.text("PDV"), "001 ");
  EXPECT_EQ(y4.number("TAM_COLUNA"), Decimal(48));
  EXPECT_EQ(y4.date("DATARODAPE"), *runtime::Date::ymd(2026, 12, 11));
  EXPECT_EQ(y4.text("HORARODAPE"), "103000");
  EXPECT_EQ(runtime::rtrim(y4.text("NUMERSERIE")), "BE0101ZE0000001");
  EXPECT_TRUE(store::seal_holds(y4));

  ASSERT_EQ(t.count("Y2"), 1);
  xbase::Table& y2 = t.db.area("Y2");
  y2.go_top();
  EXPECT_EQ(y2.text("C125"), runtime::padr(six(m.coo), 8));
  EXPECT_EQ(y2.text("DOCUMENTO"), "CNF");
  EXPECT_EQ(runtime::rtrim(y2.text("C255")), "Dinheiro");
  EXPECT_EQ(y2.number("C361"), Decimal::of("150.00"));
  EXPECT_EQ(y2.text("C260"), "N");
  EXPECT_EQ(y2.number("C261"), Decimal(0));
  EXPECT_EQ(y2.text("C264"), six(m.gnf));
  EXPECT_EQ(y2.date("C402"), *runtime::Date::ymd(2026, 12, 11));
  EXPECT_EQ(y2.text("C451"), "  ");
  EXPECT_TRUE(store::seal_holds(y2));
  // A seal that holds is the record's own: a changed amount breaks it.
  y2.rlock();
  y2.put("C361", Decimal::of("15.00"));
  EXPECT_FALSE(store::seal_holds(y2));
  y2.unlock();
}

TEST(CashMovement, AWithdrawalTakesMoneyOutAndRecordsNoPayment) {
  CashCtx t;
  xbase::Table& nv = t.db.area("NV");
  nv.append_blank();
  nv.put("C780", Decimal(41));
  nv.unlock();
  fill(t, "DEPOSITO", "0", "40.25");
  t.script().button("ESC - Sair");  // first thoughts
  EXPECT_FALSE(RS_M10_BEM7(t.ctx, kWithdrawal));
  fill(t, "DEPOSITO", "0", "40.25");
  t.script().button(" Gravar ").answer(kConfirmWithdrawal, true);
  ASSERT_TRUE(RS_M10_BEM7(t.ctx, kWithdrawal));
  t.screen.expect_done();

  EXPECT_EQ(t.memory().day.totals.withdrawals, 4025);
  EXPECT_TRUE(t.roll_has({"SANGRIA R$", "40,25"}));
  EXPECT_EQ(t.g.WA, "S");
  EXPECT_EQ(t.transcript().entries().front().text.substr(0, 42), "==> Movimentacao de Sangria do Caixa      ");
  ASSERT_EQ(t.count("MV"), 1);
  xbase::Table& mv = t.db.area("MV");
  mv.go_top();
  EXPECT_EQ(mv.text("C094"), "D");
  EXPECT_EQ(mv.number("C076"), Decimal::of("40.25"));
  EXPECT_EQ(mv.text("C077"), "000042");
  EXPECT_EQ(mv.text("C090"), "           0");
  ASSERT_EQ(t.count("Y4"), 1);
  t.db.area("Y4").go_top();
  EXPECT_TRUE(store::seal_holds(t.db.area("Y4")));
  EXPECT_EQ(t.count("Y2"), 0);
}

TEST(CashMovement, ARefusedDocumentRecordsNothingAndTheFormComesBackAsTyped) {
  // No to the question, then the printer refuses, then the operator leaves.
  CashCtx t;
  t.faults(ecf::testing::fault([](sim::Faults& f) {
    f.after = 1;  // the Z check passes
    f.fail = 1;
    f.fail_code = -2;
  }));
  fill(t, "SANGRIA", "7", "10.00");
  t.script().button(" Gravar ").answer(kConfirmWithdrawal, false);
  t.script().button(" Gravar ").answer(kConfirmWithdrawal, true);
  t.script().ok("Parametro Invalido na Funcao.").ok("Não Conseguiu Gerar Sangria");
  t.script().press(Key::Esc);
  EXPECT_FALSE(RS_M10_BEM7(t.ctx, kWithdrawal));
  t.screen.expect_done();
  EXPECT_EQ(t.count("MV") + t.count("Y4") + t.count("Y2") + t.count("NV"), 0);
  EXPECT_EQ(t.memory().day.totals.withdrawals, 0);
  // The form came back three times, as typed.
  EXPECT_EQ(t.transcript().texts("form").size(), 3u);
  EXPECT_EQ(t.g.WVALORMOVIM, Decimal::of("10.00"));

  // Refused once, then printed: one of each, numbered first.
  CashCtx again;
  again.faults(ecf::testing::fault([](sim::Faults& f) {
    f.after = 1;
    f.fail = 1;
    f.fail_code = -2;
  }));
  fill(again, "SUPRIMENTO", "7", "10.00");
  again.script().button(" Gravar ").answer(kConfirmSupply, true);
  again.script().ok("Parametro Invalido na Funcao.").ok("Não Conseguiu Gerar Sangria");
  again.script().button(" Gravar ").answer(kConfirmSupply, true);
  ASSERT_TRUE(RS_M10_BEM7(again.ctx, kSupply));
  again.screen.expect_done();
  EXPECT_EQ(again.memory().day.totals.supplies, 1000);
  EXPECT_EQ(again.count("MV"), 1);
  EXPECT_EQ(again.count("Y4"), 1);
  EXPECT_EQ(again.count("Y2"), 1);
  again.db.area("MV").go_top();
  EXPECT_EQ(again.db.area("MV").text("C077"), "000001");
}

TEST(CashMovement, OnlyMoneyIsTakenAsThePaymentType) {
  CashCtx t;
  // "C" is refused on leaving the field and on " Gravar "; Up leaves it unchecked.
  t.script().type("X").press(Key::Enter).type("C").press(Key::Enter).focus(kTypeField);
  t.script().press(Key::Up).focus(kDescriptionField).press(Key::Enter);
  t.script().button(" Gravar ").focus(kTypeField).type("D").press(Key::Enter).press(Key::Enter).type("5.00");
  t.script().button(" Gravar ").answer(kConfirmSupply, true);
  ASSERT_TRUE(RS_M10_BEM7(t.ctx, kSupply));
  t.screen.expect_done();
  t.db.area("MV").go_top();
  EXPECT_EQ(t.db.area("MV").text("C130"), "D ");
  EXPECT_EQ(t.memory().day.totals.supplies, 500);
}

TEST(CashMovement, NothingWithoutTheRightOrAnOpenPeriodOrAfterTheZ) {
  struct Case {
    const char* what;
    int kind;
    bool revoke;
    bool z_done;
    bool no_period;
    const char* message;
  };
  const Case cases[] = {
      {"no right to supply", kSupply, true, false, false, "Este usuario nao tem permissao para acessar o modulo M103"},
      {"no right to withdraw", kWithdrawal, true, false, false,
       "Este usuario nao tem permissao para acessar o modulo M104"},
      {"no open cash period", kSupply, false, false, true, "Nao Existe nenhum caixa de usuario aberto"},
      {"the day's Z made", kWithdrawal, false, true, false, "Ja foi Efetuada a Reducao Z neste Movimento."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CashCtx t;
    if (c.revoke) t.g.VUSU = "CX2";
    if (c.no_period) t.g.WABERTCAIXA = "";
    if (c.z_done) t.change([](sim::FiscalMemory& m) { m.zs.back().movement = sim::Date{2026, 12, 11}; });
    t.script().ok(c.message);
    EXPECT_FALSE(RS_M10_BEM7(t.ctx, c.kind));
    t.screen.expect_done();
    EXPECT_TRUE(t.transcript().texts("form").empty());
    EXPECT_EQ(t.count("MV") + t.count("Y4") + t.count("Y2"), 0);
  }
}

}  // namespace
}  // namespace zelto::cash::testing

namespace zelto::cash::testing {
namespace {

class EveryMake : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryMake, ASupplyIsPrintedAndRecordedWithTheDocumentsNumbers) {
  const std::string make = GetParam();
  CashCtx t(make);
  // An Epson printer takes documents only once its day is opened.
  if (make == "EP") {
    ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "ABERTURA_ECF").ok);
  }
  fill(t, "SUPRIMENTO", "1", "150.00");
  t.script().button(" Gravar ").answer(kConfirmSupply, true);
  ASSERT_TRUE(RS_M10_BEM7(t.ctx, kSupply));
  t.screen.expect_done();
  const auto m = t.memory();
  EXPECT_EQ(m.day.totals.supplies, 15000);
  xbase::Table& y4 = t.db.area("Y4");
  y4.go_top();
  EXPECT_EQ(y4.text("NROCOO"), six(m.coo));
  // Epson's GNF is not read.
  EXPECT_EQ(y4.text("NROGNF"), make == "EP" ? "000000" : six(m.gnf));
  EXPECT_EQ(y4.date("DATARODAPE"), *runtime::Date::ymd(2026, 12, 11));
  EXPECT_TRUE(store::seal_holds(y4));
  xbase::Table& y2 = t.db.area("Y2");
  y2.go_top();
  EXPECT_EQ(y2.text("C125"), runtime::padr(six(m.coo), 8));
  EXPECT_TRUE(store::seal_holds(y2));
}

INSTANTIATE_TEST_SUITE_P(Makes, EveryMake, ::testing::Values("BE", "DA", "SW", "EP"));

}  // namespace
}  // namespace zelto::cash::testing
