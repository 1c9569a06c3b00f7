// The whole start played headless: the checks of the data folder, the
// login, the post-login set-up, the main frame and the orderly end.

#include <gtest/gtest.h>

#include <fstream>

#include "app/main_frame.hpp"
#include "app/startup.hpp"
#include "startup_fixture.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::app {
namespace {

using screen::Key;

const std::string kEndQuestion = "Deseja Finalizar a Execucao do ZeltoECF ?     ";

struct Startup : testing::ScriptedCtx {
  StartupHost host;
  testing::InDataFolder here{dir.path()};
  bool frame_seen = false;

  Startup() {
    host.run_until_end = [this] {
      frame_seen = screen.window(kFrameWindow) != nullptr;
      screen.play([this] { return run.end_requested; });
    };
  }
  void with_data() { testing::make_data_folder(dir.path()); }
  void log_in(const std::string& op, const std::string& password) {
    script().type(op).press(Key::Enter).type(password).press(Key::Enter);
  }
  void run_main() {
    MAIN(ctx, host);
    screen.expect_done();
  }
  // A table of the folder changed before the program starts.
  template <class F>
  void change(const char* file, F&& f) {
    xbase::Workspace other({dir.path(), true, {}});
    f(other.use(file, "T", xbase::OpenMode::Exclusive));
  }
  int boxes() const {
    int n = 0;
    for (const auto& e : transcript().entries()) n += e.kind == "error" || e.kind == "alert";
    return n;
  }
};

TEST(Startup, WithoutTheOperatorsTableTheRunEndsAtOnce) {
  Startup t;
  t.script().ok("Nao achou o arquivo de usuários");
  t.run_main();
  EXPECT_TRUE(t.run.end_requested);
  EXPECT_EQ(t.boxes(), 1);
  EXPECT_TRUE(t.transcript().texts("window").empty());
  EXPECT_TRUE(t.db.aliases().empty());
}

TEST(Startup, AnOperatorsTableWithoutTheServiceOperatorIsRefused) {
  Startup t;
  t.with_data();
  t.change("M001.DBF", [](xbase::Table& us) {
    us.go_top();  // ZEL, the first one
    us.put("C001", "ZE ");
  });
  t.script().ok("Nao achou a versao dos dados");
  t.run_main();
  EXPECT_TRUE(t.run.end_requested);
  EXPECT_TRUE(t.transcript().texts("window").empty());
  EXPECT_TRUE(t.db.aliases().empty());
}

TEST(Startup, AConfigurationHeldByAnotherInstanceStopsTheSecondOne) {
  Startup t;
  t.with_data();
  xbase::Workspace first({t.dir.path(), true, {}});
  first.use("CONF.DBF", "CO", xbase::OpenMode::Shared);
  t.script().ok("O arquivo CONF.DBF nao pode ser aberto: esta em uso por outro programa");
  t.run_main();
  EXPECT_TRUE(t.run.end_requested);
  EXPECT_TRUE(t.transcript().texts("window").empty());
  EXPECT_FALSE(std::filesystem::exists(t.dir / "error.log"));  // the folder's state, not a failure
}

TEST(Startup, AnOperatorWithoutACashAccountSellsIntoTheDrawer) {
  Startup t;
  t.with_data();
  t.log_in("ANA", "SENHA1");
  t.script().press(Key::F11).answer(kEndQuestion, true);
  t.run_main();

  EXPECT_TRUE(t.frame_seen);
  EXPECT_EQ(t.g.VUSU, "ANA");
  EXPECT_EQ(t.g.VCAIXAUSUAR, "GAVETA");
  EXPECT_EQ(t.g.WNROCAIXAUSUECF, "02");
  EXPECT_EQ(t.g.WABERTCAIXA, "");  // no open cash period: no receipt can be opened
  EXPECT_EQ(t.g.WCAIXACODIG, "");
  EXPECT_FALSE(t.g.VPRIM_VUSU);
  EXPECT_EQ(t.g.WMAQUINA, "001");
  EXPECT_EQ(t.g.WCOL, core::Decimal(48));
  EXPECT_EQ(t.g.WTIPODESCAC, "$");
  EXPECT_EQ(t.g.WCODIGESTOQ, "001");
  // The orderly end.
  EXPECT_TRUE(t.run.end_requested);
  EXPECT_EQ(t.run.reason, "FECHA_SISTEMA");
  EXPECT_TRUE(t.g.WFIN_PROG);
  EXPECT_TRUE(t.g.WCONFFFFF);
  EXPECT_EQ(t.screen.window(kFrameWindow), nullptr);
  EXPECT_EQ(t.screen.window(kStartWindow), nullptr);
  EXPECT_TRUE(t.db.aliases().empty());
  for (const char* folder : {"relat", "sintegra", "tmp", "importa", "exporta"})
    EXPECT_TRUE(std::filesystem::is_directory(t.dir / folder)) << folder;
  EXPECT_EQ(t.boxes(), 0);
}

TEST(Startup, TheOperatorsCashPeriodAccountAndPreferences) {
  Startup t;
  t.with_data();
  t.change("M245.DBF", [](xbase::Table& re) {
    for (const auto& [state, day, hour] : std::vector<std::tuple<const char*, int, const char*>>{
             {"F", 9, "07:00"}, {"A", 11, "08:15"}}) {
      re.append_blank();
      re.put("C083", "GER   ");
      re.put("C099", state);
      re.put("C096", *runtime::Date::ymd(2026, 12, day));
      re.put("C104", hour);
    }
  });
  t.change("M081.DBF", [](xbase::Table& cf) {
    cf.append_blank();
    cf.put("C302", "GER");
    cf.put("C209", "S");
    cf.put("C211", "N");
    cf.put("C216", "N");
    cf.put("C218", "X");
    cf.put("C213", "fundo.bmp");  // no such file
    cf.put("C214", "papel.jpg");
  });
  std::ofstream(t.dir / "PAPEL.JPG") << "picture";
  t.log_in("GER", "ABC123");
  t.run_main();  // the script ends with the frame up

  EXPECT_FALSE(t.run.end_requested);
  EXPECT_EQ(t.g.VCAIXAUSUAR, "CX01  ");
  EXPECT_EQ(t.g.WNROCAIXAUSUECF, "01");
  EXPECT_EQ(t.g.WABERTCAIXA, "2026121108:15");
  EXPECT_EQ(t.g.WCAIXACODIG, "GER   ");
  EXPECT_TRUE(t.g.VMAXIMIZED);
  EXPECT_FALSE(t.g.VWINDOWMAXIMIZED);
  EXPECT_FALSE(t.g.VZEBRAR_WINDOW);
  EXPECT_FALSE(t.g.VBITMAP);
  EXPECT_TRUE(t.g.VBOTOES_WNDMAIN);
  EXPECT_EQ(t.g.VTIPOMENU, "2");
  EXPECT_EQ(t.g.WBRUSH_WINDOW, "PEDRA");
  EXPECT_EQ(t.g.WOBRUSH22, "papel.jpg");  // found in any case
  EXPECT_EQ(t.g.WOBRUSH55, "PAPEL");      // alegria.bmp is not there
  EXPECT_EQ(t.g.VLEMENUS, "S");
}

TEST(Startup, NoAtTheEndQuestionGoesOn) {
  Startup t;
  t.with_data();
  t.log_in("ANA", "SENHA1");
  t.script().button("F11 Voltar").answer(kEndQuestion, false);
  t.run_main();
  EXPECT_FALSE(t.run.end_requested);
  EXPECT_FALSE(t.g.WFIN_PROG);
  EXPECT_TRUE(t.frame_seen);
}

TEST(Startup, APrinterlessConfigurationIsReportedAndTheStartGoesOn) {
  Startup t;
  t.with_data();
  t.change("CONF.DBF", [](xbase::Table& co) {
    co.go_top();
    co.put("IMPRESSORA", "");
  });
  t.log_in("ANA", "SENHA1");
  t.script().ok("Impressora Nao Cadastrada");
  t.run_main();
  EXPECT_TRUE(t.frame_seen);
  EXPECT_FALSE(t.run.end_requested);
}

TEST(Startup, AMissingTableAtThePostLoginOpeningEndsTheRunInOrder) {
  Startup t;
  t.with_data();
  std::filesystem::remove(t.dir / "m610.dbf");
  std::filesystem::create_directory(t.dir / "tmp");
  std::ofstream(t.dir / "tmp" / "ANA1030.dbf") << "work table";
  t.log_in("ANA", "SENHA1");
  t.script().ok("Nao encontrou o arquivo m610.dbf");
  t.run_main();
  EXPECT_FALSE(t.frame_seen);
  EXPECT_TRUE(t.run.end_requested);
  EXPECT_TRUE(t.g.WFIN_PROG);
  EXPECT_FALSE(std::filesystem::exists(t.dir / "tmp" / "ANA1030.dbf"));  // temporary files go at the end
}

}  // namespace
}  // namespace zelto::app
