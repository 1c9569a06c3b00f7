// A card payment on the emulated fiscal printer through the printer layer's
// own commands: the payment on the fiscal receipt, the receipt closed, the
// card receipt twice on the receipt linked to the payment, or, when the
// printer fails on the way, in a management report.

#include <gtest/gtest.h>

#include <algorithm>

#include "ecf/impresso.hpp"
#include "ecf/library_call.hpp"
#include "ecf/printer_ctx.hpp"
#include "tef/core/office.hpp"
#include "tef/ger_padrao.hpp"
#include "tef/sale_hooks.hpp"
#include "tef_fixture.hpp"

namespace zelto::tef {
namespace {

using ecf::testing::PrinterCtx;

// The test's clock: the managers look at their folders at every pause, and
// the paper may run out while the operator tears the first copy of the card
// receipt off.
class CardClock : public os::Clock {
 public:
  CardClock(PrinterCtx& t, tefsim::Office& managers) : t_(t), managers_(managers) {}
  os::LocalTime now() override { return t_.clock.now(); }
  void sleep(std::chrono::milliseconds d) override {
    t_.clock.sleep(d);
    const os::LocalTime n = t_.clock.now();
    managers_.poll((n.date.serial() * 86400LL + n.seconds()) * 1000LL);
    // The manager's messages stand three seconds first; then the tear-off.
    if (d == std::chrono::seconds(3) && ++three_second_pauses == 2 && paper_ends_at_tear_off)
      t_.faults(ecf::testing::fault([](ecfsim::Faults& f) { f.paper = ecfsim::Faults::Paper::End; }));
  }
  bool paper_ends_at_tear_off = false;
  int three_second_pauses = 0;

 private:
  PrinterCtx& t_;
  tefsim::Office& managers_;
};

// The operator puts a new roll in before answering the printer's question.
class RefillingScreen : public screen::scripted::ScriptedScreen {
 public:
  explicit RefillingScreen(PrinterCtx& t) : t_(t) {}

 protected:
  bool do_ask_yes_no(const screen::Text& title, const screen::Text& text, bool yes) override {
    t_.faults({});
    return ScriptedScreen::do_ask_yes_no(title, text, yes);
  }

 private:
  PrinterCtx& t_;
};

struct CardSale {
  PrinterCtx t{"BE"};
  tefsim::Office managers{t.dir.path()};
  CardClock clock{t, managers};
  RefillingScreen screen{t};
  core::Ctx ctx{t.g, t.db, screen, clock, t.run, t.services};

  CardSale() {
    for (const char* alias : {"NV", "IO"}) {
      const auto& entry = *store::find_entry(alias);
      t.db.create(entry.file(), store::field_defs(*entry.table));
      t.db.use(entry.file(), entry.alias(), entry.mode, store::order_specs(entry));
    }
    SaleHooks hooks;
    hooks.close_receipt = [](core::Ctx& c) {
      c.g.WTIDESCACRES = "D";
      c.g.WTIPODESCAC = "$";
      c.g.WTOTALVALOR = c.g.NPAGOA;
      c.g.WMES = "VOLTE SEMPRE";
      return ecf::IMP_FISCAL(c, "IMP_RODAPE").ok;
    };
    t.services.emplace<SaleHooks>(hooks);
  }

  // A receipt of one item of 12.50 open and totalled on the printer.
  void sell() {
    auto& g = t.g;
    ecf::load_printer_library(ctx);
    ASSERT_TRUE(ecf::IMP_FISCAL(ctx, "ABRE_PORTA_SERIAL").ok);
    ASSERT_TRUE(ecf::IMP_FISCAL(ctx, "ABRIR_CUPOM").ok);
    g.WCOD_ITEM_BARRA = runtime::Decimal::of("7891234567895");
    g.WDESCR = "ARROZ 5KG";
    g.WSITUA = "1800";
    g.WVALOR = runtime::Decimal::of("12.50");
    g.WQUANTPRODU = 1;
    ASSERT_TRUE(ecf::IMP_FISCAL(ctx, "VEN_ITEM").ok);
    g.WTIDESCACRES = "D";
    g.WTIPODESCAC = "$";
    g.NDESC = 0;
    ASSERT_TRUE(ecf::IMP_FISCAL(ctx, "INIC_FECHAMENTO").ok);
    const ecf::Answer coo = ecf::IMP_FISCAL(ctx, "NRO_CUPOM");
    ASSERT_TRUE(coo.ok);
    g.WAUXNUM = coo.number;
    g.NPAGOA = runtime::Decimal::of("12.50");
    g.WCOL = 48;
  }
  long roll_count(const std::string& text) const {
    const auto roll = t.roll();
    return std::count_if(roll.begin(), roll.end(), [&](const std::string& l) { return l.find(text) != std::string::npos; });
  }
};

TEST(CardOnPrinter, TheCardReceiptPrintsTwiceOnTheReceiptLinkedToThePayment) {
  CardSale s;
  s.sell();
  ASSERT_TRUE(GER_PADRAO(s.ctx, "CRT", 0, "PAD")) << s.screen.transcript().str();
  EXPECT_FALSE(ecf::TEM_CUPOM_ABERTO(s.ctx));
  EXPECT_EQ(s.roll_count("COMPROVANTE CREDITO OU DEBITO"), 1);
  EXPECT_EQ(s.roll_count("COMPROVANTE DE PAGAMENTO"), 2);
  EXPECT_EQ(s.roll_count("RECONHECO E PAGAREI O VALOR ACIMA"), 2);
  EXPECT_EQ(s.roll_count("RELATORIO GERENCIAL"), 0);
  EXPECT_TRUE(s.t.roll_has({"Cartao", "12,50"}));
  EXPECT_TRUE(s.managers.manager("PAD").journal().back().find("CNF 2 confirmada") == 0);
}

TEST(CardOnPrinter, PaperRunningOutMidReceiptPrintsItAllAgainInAManagementReport) {
  CardSale s;
  s.sell();
  s.clock.paper_ends_at_tear_off = true;
  s.screen.script().ok("Fim do Papel").answer("Impressora Nao Responde, Tentar Novamente ?     ", true);
  ASSERT_TRUE(GER_PADRAO(s.ctx, "CRT", 0, "PAD")) << s.screen.transcript().str();
  EXPECT_TRUE(s.screen.script().empty()) << s.screen.transcript().str();
  EXPECT_EQ(s.roll_count("COMPROVANTE CREDITO OU DEBITO"), 1);
  EXPECT_EQ(s.roll_count("RELATORIO GERENCIAL"), 1);
  // Once on the linked receipt before the paper ran out, twice in the report.
  EXPECT_EQ(s.roll_count("COMPROVANTE DE PAGAMENTO"), 3);
  EXPECT_TRUE(s.managers.manager("PAD").journal().back().find("CNF 2 confirmada") == 0);
}

}  // namespace
}  // namespace zelto::tef
