#include "core/dialogs.hpp"

#include <gtest/gtest.h>

#include "support/scripted_ctx.hpp"

namespace zelto::core {
namespace {

using screen::Key;

TEST(Dialogs, QuestionTextTitleAndPreselection) {
  testing::ScriptedCtx t;
  t.script().answer("Confirma ?     ", true).answer("Confirma ?     ", false);
  EXPECT_TRUE(G_CONF(t.ctx, "Confirma"));
  EXPECT_FALSE(G_CONF(t.ctx, "Confirma", "S"));
  const auto& e = t.transcript().entries();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].kind, "tone");
  EXPECT_EQ(e[1].kind, "question");
  EXPECT_EQ(e[1].title, "   Zelto Sistemas");
  EXPECT_NE(e[1].detail.find("(no preselected)"), std::string::npos) << e[1].detail;
  EXPECT_NE(e[3].detail.find("(yes preselected)"), std::string::npos) << e[3].detail;
}

TEST(Dialogs, BoxesLiftTheInputBlockWhileShown) {
  testing::ScriptedCtx t;
  t.script().ok("Impressora Nao Cadastrada").ok("Sem papel");
  t.screen.block_input();
  G_ERRO(t.ctx, "Impressora Nao Cadastrada");
  G_ALERT(t.ctx, "Sem papel");
  EXPECT_TRUE(t.screen.input_blocked());
  const auto& e = t.transcript().entries();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_EQ(e[0].kind, "error");
  EXPECT_EQ(e[0].title, " -= ZeltoECF =- ");
  EXPECT_FALSE(e[0].input_blocked);
  EXPECT_EQ(e[1].kind, "alert");
}

TEST(Dialogs, TimedMessageAndTheEndOfRunQuestion) {
  testing::ScriptedCtx t;
  G_MENS(t.ctx, "Nao achou o Produto.", true);
  auto timed = t.transcript().texts("timed");
  ASSERT_EQ(timed.size(), 1u);
  EXPECT_EQ(timed[0], "Nao achou o Produto.");
  EXPECT_EQ(t.transcript().entries()[1].title, "Zelto Sistemas ");

  t.script().answer("Confirmar o fim de execucao do sistema ?     ", false);
  G_FIM(t.ctx);
  EXPECT_FALSE(t.run.end_requested);
  t.script().answer("Confirmar o fim de execucao do sistema ?     ", true);
  G_FIM(t.ctx);
  EXPECT_TRUE(t.run.end_requested);
}

TEST(Dialogs, BrowseWindowButtonsByHotLetter) {
  testing::ScriptedCtx t;
  t.db.create("m246", {{"C408", xbase::FieldType::Character, 2, 0, 0}});
  xbase::Table& ud = t.db.use("m246", "UD", xbase::OpenMode::Exclusive);
  for (const char* c : {"UN", "KG"}) {
    ud.append_blank();
    ud.put("C408", c);
  }
  ud.go_top();
  int included = 0;
  // "x" is claimed by no button; "i" runs "&Incluir"; "f" closes.
  t.script().type("x").type("i").type("f");
  G_DISPL2(t.ctx, "Unidades", 1, 1, 20, 60, "UD", {[&] { return ud.text("C408"); }}, {"Codigo"},
           {{"&Incluir", [&](Ctx&, screen::BrowseSession&) { ++included; }},
            {"&Fechar", [](Ctx&, screen::BrowseSession& b) { FINALIZABRW(b); }}});
  EXPECT_EQ(included, 1);
  t.screen.expect_done();
}

}  // namespace
}  // namespace zelto::core
