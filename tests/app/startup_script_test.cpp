// The headless program, zeltoecf-script, run as the acceptance runs use it:
// a script file, the current folder as the data folder, the transcript on
// standard output and the exit status.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

#include "startup_fixture.hpp"
#include "support/temp_dir.hpp"

namespace zelto::testing {
namespace {

std::string file_text(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

struct ScriptRunner {
  TempDir dir;
  ScriptRunner() {
    std::filesystem::create_directory(dir / "dados");
    make_data_folder(dir / "dados");
  }
  static std::filesystem::path program() { return ZELTOECF_SCRIPT; }
  ProgramRun run(const std::string& script, const std::string& script_name = "run.script") {
    if (!script.empty()) std::ofstream(dir / script_name) << script;
    const std::string command = "cd '" + (dir / "dados").string() + "' && '" + program().string() + "' '" +
                                (dir / script_name).string() + "' > '" + (dir / "out").string() + "' 2> '" +
                                (dir / "err").string() + "'";
    ProgramRun r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = file_text(dir / "out");
    r.err = file_text(dir / "err");
    return r;
  }
};

const std::string kLogIn = R"(clock 11/12/2026 10:30
type "ANA"
press Enter
type "SENHA1"
press Enter
)";

TEST(ZeltoecfScript, ALoginThatSucceedsRunsToTheOrderlyEnd) {
  ScriptRunner t;
  const ProgramRun r = t.run(kLogIn + R"(expect "LOGIN ZELTO SISTEMAS"
expect "Espere, Configurando o Ambiente de Trabalho..."
expect "ZeltoECF - Zelto Sistemas"
press F11
answer "Deseja Finalizar a Execucao do ZeltoECF ?     " yes
end
)");
  EXPECT_EQ(r.status, 0) << r.err << r.out;
  EXPECT_NE(r.out.find("window [ZeltoECF - Zelto Sistemas - Versao 7.901H]  -> frame"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("end FECHA_SISTEMA"), std::string::npos) << r.out;
  EXPECT_TRUE(std::filesystem::is_directory(t.dir / "dados" / "relat"));
}

TEST(ZeltoecfScript, ALoginThatFailsAndTheWayOut) {
  ScriptRunner t;
  const ProgramRun r = t.run(R"(type "ANA"
press Enter
type "ERRADA"
press Enter
ok "Usuario ou Senha NAO Conferem ..."
button "ESC - Sair"
answer "Deseja Finalizar a Execucao do Sistema Zelto ?     " yes
end
)");
  EXPECT_EQ(r.status, 0) << r.err << r.out;
  EXPECT_EQ(r.out.find("frame"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("end SAIR_ECF"), std::string::npos) << r.out;
}

TEST(ZeltoecfScript, ExpectationsThatDoNotHoldFail) {
  ScriptRunner t;
  // The refusal is not answered: the run stops at the box.
  ProgramRun r = t.run("type \"ANA\"\npress Enter\ntype \"ERRADA\"\npress Enter\npress Esc\n");
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.err.find("unexpected error box"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("form [LOGIN ZELTO SISTEMAS]"), std::string::npos) << r.out;  // the transcript still comes

  // The end is expected while the program goes on.
  r = t.run(kLogIn + "end\n");
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.err.find("the program goes on"), std::string::npos) << r.err;

  // A text that was never shown.
  r = t.run(kLogIn + "expect \"Reducao Z\"\n");
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.err.find("expect \"Reducao Z\""), std::string::npos) << r.err;

  // Steps left after the run ended.
  r = t.run(kLogIn + "press F11\nanswer \"Deseja Finalizar a Execucao do ZeltoECF ?     \" yes\npress F2\n");
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.err.find("were not used"), std::string::npos) << r.err;
}

TEST(ZeltoecfScript, AScriptThatCannotBeReadIsAUsageError) {
  ScriptRunner t;
  EXPECT_EQ(t.run("", "missing.script").status, 2);
  const ProgramRun r = t.run("clock 31/02/2026 10:30\nwobble\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
  EXPECT_EQ(t.run("clock 31/02/2026 10:30\n").status, 1);  // no such date
}

}  // namespace
}  // namespace zelto::testing
