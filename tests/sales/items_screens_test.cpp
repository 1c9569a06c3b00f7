// The ANVISA data asked before a controlled medicine is sold, and the
// weighing-scale settings screen M614.

#include <gtest/gtest.h>

#include "items_fixture.hpp"
#include "platform/runtime/text.hpp"
#include "sales/item_entry.hpp"

namespace zelto::sales::items_testing {
namespace {

using runtime::trim;

const std::string kMedicine = ean13("789100010110");

TEST(Anvisa, TheLineCarriesTheDataConfirmedAndNothingIsSoldWithout) {
  ItemsCtx t([](core::Globals& g) { g.W_ANVISA = "S"; });
  t.play("type \"" + kMedicine + "\"\npress Enter\n"
         "expect \" -= ZeltoECF =-   Tela de Dados para CONTROLE DA ANVISA\"\n"
         "button \"ESC - Sair\"\n");
  EXPECT_EQ(t.count("PC"), 0);
  EXPECT_FALSE(t.memory().receipt) << "no receipt is opened for a line given up";

  // Confirmed with a required input left empty: asked for, then sold.
  t.play("type \"" + kMedicine + "\"\npress Enter\n"
         "type \"lote 77\"\npress Enter\npress Enter\npress Enter\npress Enter\n"
         "type \"10122026\"\npress Enter\n"
         "type \"Dra Ana Souza\"\npress Enter\ntype \"CRM 4411\"\npress Enter\npress Enter\npress Enter\n"
         "type \"Joao Lima\"\npress Enter\npress Enter\n"
         "button \"Confirmar\"\n"
         "ok \"Este Campo Nao pode ser Vazio...\"\n"
         "type \"MG1234567\"\n"
         "button \"Confirmar\"\n");
  ASSERT_EQ(t.count("PC"), 1);
  xbase::Table& pc = t.db.area("PC");
  pc.go_top();
  EXPECT_EQ(pc.text("C507"), "S");
  EXPECT_EQ(trim(pc.text("C509")), "LOTE 77");
  EXPECT_EQ(pc.text("C510"), "1");
  EXPECT_EQ(pc.date("C511"), *runtime::Date::ymd(2026, 12, 10));
  EXPECT_EQ(trim(pc.text("C512")), "DRA ANA SOUZA");
  EXPECT_EQ(trim(pc.text("C516")), "JOAO LIMA");
  EXPECT_EQ(trim(pc.text("C518")), "MG1234567");
  EXPECT_TRUE(store::seal_holds(pc));

  // Another item sells with no data asked.
  t.play("type \"1\"\npress Enter\n");
  EXPECT_EQ(t.count("PC"), 2);
  pc.go_bottom();
  EXPECT_EQ(trim(pc.text("C507")), "");
}

TEST(ScaleSettings, StoredWithWhoAndWhenOrKeptForTheRunOnly) {
  ItemsCtx t;
  t.screen.script() = screen::scripted::Script::parse(
      "type \"s\"\npress Enter\ntype \"2\"\npress Enter\ntype \"9\"\npress Enter\ntype \"n\"\npress Enter\n"
      "type \"8\"\npress Enter\ntype \"5\"\npress Enter\ntype \"2\"\npress Enter\ntype \"6\"\npress Enter\n"
      "type \"1\"\npress Enter\ntype \"2\"\npress Enter\ntype \"3\"\npress Enter\ntype \"3\"\n"
      "button \"&Gravar\"\n");
  M614(t.ctx);
  t.screen.expect_done();
  EXPECT_EQ(t.g.W__CODBAR_BALANCA, "S");
  EXPECT_EQ(t.g.W_PRI_BALANCA, "2");
  EXPECT_EQ(t.g.W_FQU_BALANCA, Decimal(6));
  EXPECT_EQ(t.g.W_FP2QUANT, Decimal(3));
  xbase::Table& co = t.db.area("CO");
  co.go_top();
  EXPECT_EQ(co.text("C850"), "S");
  EXPECT_EQ(co.number("C851"), Decimal(2));
  EXPECT_EQ(co.number("C852"), Decimal(9));
  EXPECT_EQ(co.number("C853"), Decimal(8));
  EXPECT_EQ(co.number("C856"), Decimal(6));
  EXPECT_EQ(co.number("C862"), Decimal(3));
  EXPECT_EQ(trim(co.text("C863")), "CX1");
  EXPECT_EQ(co.date("C864"), t.clock.now().date);
  EXPECT_EQ(co.text("C865"), "10:30");

  // Left without storing: the run keeps what was typed, the record not.
  t.screen.script() = screen::scripted::Script::parse("type \"4\"\nbutton \"ESC - Sair\"\n");
  M614(t.ctx);
  EXPECT_EQ(t.g.W__CODBAR_BALANCA, "4");
  co.go_top();
  EXPECT_EQ(co.text("C850"), "S");
}

}  // namespace
}  // namespace zelto::sales::items_testing
