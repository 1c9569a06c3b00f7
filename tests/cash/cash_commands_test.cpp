// The printer commands of the cash and non-fiscal documents and of the
// payment forms, on the emulated printer.

#include <gtest/gtest.h>

#include "cash_fixture.hpp"
#include "ecf/core/printer.hpp"
#include "ecf/core/session.hpp"
#include "ecf/impresso.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::cash::testing {
namespace {

using runtime::Decimal;

// A receipt of 20.00 paid in one form, closed, straight on the printer.
int receipt_paid_in(CashCtx& t, const std::string& form) {
  auto must = [&](const sim::Operation& op) {
    sim::CallResult r = sim::run_command(t.dir.path(), sim::Make::BE, sim::CallKind::Command, op);
    ASSERT_TRUE(r.answered && r.outcome.ok()) << r.outcome.why;
  };
  must([](sim::Printer& p) { return p.open_receipt(""); });
  must([](sim::Printer& p) { return p.sell(sim::ItemSale{"1", "ITEM 1", "1800", "UN", 1000, 20000, 0, 0}); });
  must([](sim::Printer& p) { return p.subtotal(sim::Adjustment{}); });
  must([&](sim::Printer& p) { return p.pay(form, 2000); });
  must([](sim::Printer& p) { return p.close_receipt(""); });
  return t.memory().last->coo;
}

TEST(LinkedReceipt, AConsultedTecBanChequeOpensUnderItsOwnForm) {
  CashCtx t;
  const int coo = receipt_paid_in(t, "Cons. CH. TecBan");
  t.g.WPARA1 = "CHB";
  t.g.NPAGOH = Decimal::of("20.00");
  t.g.NPAGOA = Decimal::of("99.00");  // the card's amount is not this slip's
  t.g.WAUXNUM = Decimal(coo);
  t.g.WDESCFORMA = "Dinheiro";
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "ABRIR_RESPOSTA").ok);
  EXPECT_EQ(t.g.WDESCFORMA, t.g.V_DPRESTU);
  EXPECT_EQ(t.memory().doc.kind, sim::OpenDoc::Linked);
  EXPECT_TRUE(t.roll_has({"Cons. CH. TecBan", "20,00"}));
  EXPECT_TRUE(t.roll_has({"COO do documento vinculado:", runtime::strzero(Decimal(coo), 6)}));
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "FECHA_RESPOSTA").ok);
  EXPECT_EQ(t.memory().doc.kind, sim::OpenDoc::None);

  // Any other kind of operation prints nothing and succeeds.
  const auto before = t.memory();
  t.g.WPARA1 = "XYZ";
  t.g.WDESCFORMA = "Dinheiro";
  EXPECT_TRUE(ecf::IMP_FISCAL(t.ctx, "ABRIR_RESPOSTA").ok);
  EXPECT_EQ(t.g.WDESCFORMA, "Dinheiro");
  EXPECT_EQ(t.memory().coo, before.coo);
  t.screen.expect_done();
}

std::string form_name(int n) { return runtime::padr("Forma " + std::to_string(n), 16); }

// Gives the thirteen forms new names, on a printer that has none.
void thirteen_new_forms(CashCtx& t) {
  core::Text* forms[] = {&t.g.V_DPRESTD, &t.g.V_DPRESTC, &t.g.V_DPRESTT, &t.g.V_DPRESTA, &t.g.V_DPRESTB,
                         &t.g.V_DPRESTP, &t.g.V_DPRESTH, &t.g.V_DPRESTV, &t.g.V_DPRESTM, &t.g.V_DPRESTE,
                         &t.g.V_DPRESTI, &t.g.V_DPRESTR, &t.g.V_DPRESTU};
  for (int i = 0; i < 13; ++i) *forms[i] = form_name(i + 1);
  t.change([](sim::FiscalMemory& m) { m.forms.clear(); });
}

std::vector<std::string> programmed(const sim::FiscalMemory& m, bool linked_only = false) {
  std::vector<std::string> out;
  for (const auto& f : m.forms)
    if (!linked_only || f.linked) out.push_back(runtime::rtrim(f.name));
  return out;
}

TEST(PaymentForms, AllThirteenInOrderWithTheirLinkedReceiptFlag) {
  CashCtx t;
  thirteen_new_forms(t);
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "PROG_FORMAS_PGTO").ok);
  const auto m = t.memory();
  std::vector<std::string> all;
  for (int i = 1; i <= 13; ++i) all.push_back(runtime::rtrim(form_name(i)));
  EXPECT_EQ(programmed(m), all);
  EXPECT_EQ(programmed(m, true), (std::vector<std::string>{"Forma 4", "Forma 5", "Forma 6", "Forma 7", "Forma 13"}));
  EXPECT_EQ(t.transcript().texts("message"),
            (std::vector<std::string>{"Aguarde, Cadastrando as Formas de Pagamentos", ""}));
}

TEST(PaymentForms, TheFirstRefusalStopsTheList) {
  CashCtx t;
  thirteen_new_forms(t);
  t.faults(ecf::testing::fault([](sim::Faults& f) {
    f.after = 3;
    f.fail = 1;
    f.fail_code = -24;
  }));
  t.script().ok("Forma de Pagamento Nao Programada no ECF").ok("Não Conseguiu Programar as Formas de Pagamento");
  EXPECT_FALSE(ecf::IMP_FISCAL(t.ctx, "PROG_FORMAS_PGTO").ok);
  t.screen.expect_done();
  // Forms 5 to 13 were never sent: the printer would have taken them.
  EXPECT_EQ(programmed(t.memory()), (std::vector<std::string>{"Forma 1", "Forma 2", "Forma 3"}));
  EXPECT_EQ(t.transcript().texts("message").back(), "");
}

TEST(PaymentForms, OneFormAddedWithItsFlag) {
  CashCtx t;
  t.g.WFORMAPGTO = "Vale Refeicao";
  t.g.WTEF_ = Decimal(1);
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "INC_FORMAS_PGTO").ok);
  const sim::PaymentForm* f = t.memory().form("Vale Refeicao");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->linked);
  EXPECT_EQ(t.transcript().texts("message"),
            (std::vector<std::string>{"Aguarde, Cadastrando as Formas de Pagamentos", ""}));
}

TEST(CashCommands, WhatTheMonitorLacksIsToldAndRefused) {
  struct Case {
    const char* command;
    const char* message;
  };
  const Case cases[] = {
      {"PROG_FORMAS_PGTO", "nao definido para acbr"},
      {"INC_FORMAS_PGTO", "nao definido para acbr"},
      // No monitor command at all: a make these commands do not serve.
      {"GAVETA", "Impressora não localizada AC  /  GAVETA"},
      {"SANGRIA", "Impressora não localizada AC  /  SANGRIA"},
      {"ABRE_CU_NAO_FISCAL", "Impressora não localizada AC  /  ABRE_CU_NAO_FISCAL"},
      {"FECHA_CU_NAO_FISCAL", "Impressora não localizada AC  /  FECHA_CU_NAO_FISCAL"},
      {"GR_MOEDA", "Impressora não localizada AC  /  GR_MOEDA"},
      {"ABRIR_RESPOSTA", "Nao achou a Impressora AC  /  ABRIR_RESPOSTA"},
      {"LINHA_RESPOSTA", "Nao achou a Impressora AC  /  LINHA_RESPOSTA"},
      {"FECHA_RESPOSTA", "Nao achou a Impressora AC  /  FECHA_RESPOSTA"},
      {"GR_ARREDONDAMENTO", "Nao achou a Impressora AC  /  GR_ARREDONDAMENTO"},
      {"GR_TRUNCAMENTO", "Nao achou a Impressora AC  /  GR_TRUNCAMENTO"},
      // The monitor has these, but is not driven yet.
      {"INC_ALIQUOTA", "Impressora pelo Monitor ACBr (AC) ainda nao disponivel  /  INC_ALIQUOTA"},
      {"HORARIO_VERAO", "Impressora pelo Monitor ACBr (AC) ainda nao disponivel  /  HORARIO_VERAO"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    zelto::testing::ScriptedCtx t;
    t.g.VIMP_FIS = "AC";
    t.script().ok(c.message);
    EXPECT_FALSE(ecf::IMP_FISCAL(t.ctx, c.command).ok);
    t.screen.expect_done();
    EXPECT_FALSE(t.run.end_requested);
  }
}

TEST(CashCommands, TheDrawerAndAManagementReport) {
  CashCtx t;
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "GAVETA").ok);
  EXPECT_EQ(t.memory().drawer_openings, 1);
  const int grg = t.memory().grg;
  t.g.WTEXTO_TODO = runtime::padr("ABERTURA DO CAIXA", 48) + runtime::padr("=================", 48);
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "ABRE_CU_NAO_FISCAL").ok);
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "FECHA_CU_NAO_FISCAL").ok);
  const auto m = t.memory();
  EXPECT_EQ(m.grg, grg + 1);
  EXPECT_EQ(m.doc.kind, sim::OpenDoc::None);
  EXPECT_TRUE(t.roll_has({"ABERTURA DO CAIXA"}));
  EXPECT_TRUE(t.roll_has({"================="}));
}

TEST(PrinterSettings, EachSettingReachesThePrinter) {
  CashCtx t;
  auto run = [&](const char* command) { return ecf::IMP_FISCAL(t.ctx, command).ok; };
  ASSERT_TRUE(run("GR_TRUNCAMENTO"));
  EXPECT_TRUE(t.memory().truncate);
  ASSERT_TRUE(run("GR_ARREDONDAMENTO"));
  EXPECT_FALSE(t.memory().truncate);
  t.g.MOEDA = "US";
  ASSERT_TRUE(run("GR_MOEDA"));
  EXPECT_EQ(t.memory().currency, "US");
  const bool summer = t.memory().summer_time;
  ASSERT_TRUE(run("HORARIO_VERAO"));
  EXPECT_NE(t.memory().summer_time, summer);
  // An ISS rate: the flag goes as the text the entry reads.
  t.g.WNOVA_ALIQ = "1500";
  t.g.WISS_ICMS = Decimal(1);
  ASSERT_TRUE(run("INC_ALIQUOTA"));
  EXPECT_EQ(t.memory().rates.back(), (sim::TaxRate{1500, true}));
  t.screen.expect_done();
}

}  // namespace
}  // namespace zelto::cash::testing
