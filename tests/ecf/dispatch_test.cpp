// IMP_FISCAL: the command table, the prefix match, the stops of a command or
// make that cannot run (shown, and the program goes on), the command's name
// and failure text while it runs, and operator input held for its length.

#include <gtest/gtest.h>

#include <set>

#include "ecf/commands.hpp"
#include "ecf/impresso.hpp"
#include "ecf/tef_response.hpp"
#include "platform/runtime/text.hpp"
#include "printer_ctx.hpp"

namespace zelto::ecf::testing {
namespace {

TEST(Commands, SeventyEightCommandsNoNameBeginsAnother) {
  const auto& all = commands();
  EXPECT_EQ(all.size(), 78u);
  std::set<std::string_view> names;
  for (const Command& a : all) {
    EXPECT_TRUE(names.insert(a.name).second) << a.name;
    EXPECT_FALSE(a.failure.empty()) << a.name;
    for (const Command& b : all) {
      if (&a != &b) {
        EXPECT_FALSE(runtime::prefix_equal(a.name, b.name)) << a.name << " begins with " << b.name;
      }
    }
  }
  EXPECT_EQ(find_command("CANC_ANTERIOR_ITEM")->name, "CANC_ANTERIOR");
  EXPECT_EQ(find_command("PAGO_HIPER"), nullptr);
  EXPECT_EQ(find_command(""), nullptr);
}

TEST(Dispatch, AnyCaseAndALongerNameRunTheCommandItBeginsWith) {
  zelto::testing::ScriptedCtx t;  // make "BE", no library in the folder
  t.g.VRETORIMPRE = true;
  t.script().ok("Error code: 2 loading Bemafi32.dll");
  const Answer a = IMP_FISCAL(t.ctx, "canc_anterior_item");
  EXPECT_FALSE(a.ok);
  EXPECT_EQ(t.g.WPARERRO, "CANC_ANTERIOR_ITEM");
  EXPECT_EQ(t.g.VERROCOMUNICAECF, w("Não Conseguiu Cancelar o Item Anterior"));
  EXPECT_FALSE(t.g.VRETORIMPRE);
  EXPECT_FALSE(t.run.end_requested);
  t.screen.expect_done();
}

TEST(Dispatch, StopsAreShownAndTheProgramGoesOn) {
  struct Case {
    const char* make;
    const char* command;
    const char* message;
  };
  const Case cases[] = {
      {"BE", "PAGO_HIPER", "Nao achou a funcao PAGO_HIPER  /  PAGO_HIPER"},
      {"EL", "VEN_ITEM", "Nao achou a Impressora EL  /  VEN_ITEM"},
      {"EL", "STATUS1", "Nao achou a Impressora EL  /  STATUS1"},
      {"EL", "GAVETA", "Impressora não localizada EL  /  GAVETA"},
      {"EL", "SERIAL_LEITURA_X", "Impressora não localizada EL  /  SERIAL_LEITURA_X"},
      {"EP", "ARQUIVO_MFD_COO", "Nao achou a Impressora EP  /  ARQUIVO_MFD_COO"},
      {"AC", "ABRIR_CUPOM", "Impressora pelo Monitor ACBr (AC) ainda nao disponivel  /  ABRIR_CUPOM"},
      {"AC", "NRO_CUPOM", "Impressora pelo Monitor ACBr (AC) ainda nao disponivel  /  NRO_CUPOM"},
  };
  for (const Case& c : cases) {
    zelto::testing::ScriptedCtx t;
    t.g.VIMP_FIS = c.make;
    t.script().ok(c.message);
    EXPECT_FALSE(IMP_FISCAL(t.ctx, c.command).ok) << c.command;
    EXPECT_FALSE(t.g.VRETORIMPRE);
    EXPECT_FALSE(t.run.end_requested) << c.command;
    EXPECT_FALSE(t.g.VTECLADO_TRAVADO);
    t.screen.expect_done();
  }
}

TEST(Dispatch, MakesThatLackAReadingFailWithoutAMessage) {
  for (const char* command : {"MEMORIA_FISCAL_DATA", "SIMP_MEMORIA_FISCAL_INTERVALO", "MEM_F_INTERVALO_ARQUIVO",
                              "ESPELHO_MFD_DATA", "ESPELHO_MFD_COO", "ARQUIVO_MFD_DATA"}) {
    zelto::testing::ScriptedCtx t;
    t.g.VIMP_FIS = "EP";
    EXPECT_FALSE(IMP_FISCAL(t.ctx, command).ok) << command;
    EXPECT_TRUE(t.transcript().entries().empty()) << command;
  }
  zelto::testing::ScriptedCtx t;
  t.script().ok("nao previsto bematech _Gerar_MFPAF_Data  ");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "GERAR_MFPAF_DATA").ok);
  EXPECT_FALSE(t.run.end_requested);
  t.screen.expect_done();
}

TEST(Dispatch, InputIsHeldWhileACommandRunsAndLiftedForItsBoxes) {
  zelto::testing::ScriptedCtx t;
  bool held = false, flagged = false;
  t.services.emplace<TefResponse>(TefResponse{[&](core::Ctx& c) {
    held = c.screen.input_blocked();
    flagged = c.g.VTECLADO_TRAVADO;
    return true;
  }});
  t.script().ok("Error code: 2 loading Bemafi32.dll");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "PAGO_CH_CON_TECBAN").ok);
  EXPECT_TRUE(held);
  EXPECT_TRUE(flagged);
  // The slip lines of the card response choose the form's name.
  EXPECT_EQ(t.g.WDESCFORMA, t.g.V_DPRESTU);
  const auto& entries = t.transcript().entries();
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries.back().kind, "alert");
  EXPECT_FALSE(entries.back().input_blocked);
  EXPECT_FALSE(t.screen.input_blocked());
  EXPECT_FALSE(t.g.VTECLADO_TRAVADO);

  t.services.remove<TefResponse>();
  t.script().ok("Error code: 2 loading Bemafi32.dll");
  IMP_FISCAL(t.ctx, "PAGO_CH_CON_TECBAN");
  EXPECT_EQ(t.g.WDESCFORMA, t.g.V_DPRESUC);
  t.screen.expect_done();
}

TEST(Dispatch, DirectTestsOfAMakeNoneServes) {
  zelto::testing::ScriptedCtx t;
  t.g.VIMP_FIS = "EL";
  t.script()
      .ok("Nao achou a Impressora EL  /  TEM_CUPOM_ABERTO")
      .ok("Nao achou a Impressora EL  /  FIM_PAPEL_BEM7");
  EXPECT_FALSE(TEM_CUPOM_ABERTO(t.ctx));
  EXPECT_TRUE(FIM_PAPEL_BEM7(t.ctx)) << "printing must not go on";
  EXPECT_FALSE(t.g.VTECLADO_TRAVADO);
  t.screen.expect_done();
}

}  // namespace
}  // namespace zelto::ecf::testing
