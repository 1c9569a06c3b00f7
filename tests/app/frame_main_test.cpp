// The main frame with the sales screen in it: the row the configuration
// chooses, the switch to the full row and the system menu, and the end.

#include <gtest/gtest.h>

#include "app/button_rows.hpp"
#include "app/main_frame.hpp"
#include "startup_fixture.hpp"
#include "store/open_catalogue.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::app {
namespace {

using screen::Key;

struct MainFrame : testing::ScriptedCtx {
  testing::InDataFolder here{dir.path()};
  StartupHost host;
  bool short_row_at_start = false;

  explicit MainFrame(const char* rows) {
    testing::make_data_folder(dir.path());
    {
      xbase::Workspace other({dir.path(), true, {}});
      xbase::Table& cg = other.use("M226.DBF", "CG", xbase::OpenMode::Exclusive);
      cg.go_top();
      cg.put("C596", rows);
    }
    g.VUSU = "ANA";
    EXPECT_TRUE(store::G_ABREAR(ctx).ok());
    host.run_until_end = [this] {
      const screen::Window* sales = screen.window(kSalesWindow);
      short_row_at_start = sales && sales->visible(short_row_button(Key::F10)) &&
                           !sales->visible(full_row_button(Key::F10));
      screen.play([this] { return run.end_requested; });
    };
  }
};

TEST(MainFrame, TheShortRowAtStartThenTheFullRowAndTheMenu) {
  MainFrame t("N");
  t.script()
      .press(Key::F10)  // the full row
      .press(Key::F10)
      .choose({"A. Utilitarios", "C. Menu de Cadastros", "D. Tabela de Tipos de Documentos"})
      .ok("Funcao nao disponivel nesta versao: N_455")
      .press(Key::F4)
      .ok("Funcao nao disponivel nesta versao: M61")
      .button("F11 Voltar")
      .answer("Deseja Finalizar a Execucao do ZeltoECF ?     ", true);
  OLD_MAIN(t.ctx, t.host);
  t.screen.expect_done();
  EXPECT_TRUE(t.short_row_at_start);
  EXPECT_EQ(t.g.VLEMENUS, "S");
  EXPECT_EQ(t.run.reason, "FECHA_SISTEMA");
  EXPECT_EQ(t.screen.window(kFrameWindow), nullptr);
}

TEST(MainFrame, TheFullRowAtStartOpensTheMenuAtOnce) {
  MainFrame t("S");
  t.script().press(Key::F10).press(Key::Esc).button("F11 Voltar").answer(
      "Deseja Finalizar a Execucao do ZeltoECF ?     ", false);
  OLD_MAIN(t.ctx, t.host);
  t.screen.expect_done();
  EXPECT_FALSE(t.short_row_at_start);
  EXPECT_EQ(t.transcript().texts("menu").size(), 1u);
  EXPECT_FALSE(t.run.end_requested);
}

}  // namespace
}  // namespace zelto::app
