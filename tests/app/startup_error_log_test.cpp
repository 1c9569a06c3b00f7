// A failed operation written to error.log, and the next login's takeover
// of that file into the error-log table.

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

#include "app/startup.hpp"
#include "core/error_log.hpp"
#include "core/run_guard.hpp"
#include "platform/screen/scripted/script.hpp"
#include "store/lookup.hpp"
#include "store/tables.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::app {
namespace {

const std::string kFailureBox = "Ocorreu um erro e a operacao foi interrompida: ";

std::string file_text(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void write_file(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

// The file's time as the directory listing will show it in local time.
void set_file_time(const std::filesystem::path& p, int y, int mo, int d, int h, int mi, int s) {
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  tm.tm_sec = s;
  tm.tm_isdst = -1;
  const auto sys = std::chrono::system_clock::from_time_t(std::mktime(&tm));
  std::filesystem::last_write_time(p, std::chrono::file_clock::from_sys(sys));
}

struct ErrorLog : testing::ScriptedCtx {
  std::filesystem::path log() const { return dir / "error.log"; }
  xbase::Table& open_error_table() {
    const store::CatalogueEntry& y0 = *store::find_entry("Y0");
    db.create(y0.file(), store::field_defs(*y0.table));
    return db.use(y0.file(), y0.alias(), y0.mode, store::order_specs(y0));
  }
};

TEST(ErrorLogFile, DescriptionsGoBeforeTheSystemLine) {
  testing::TempDir dir;
  core::add_to_error_log(dir.path(), {"Erro: primeiro", "Operating system said no"}, "SYSTEM: ZeltoECF", {"Pasta: x"});
  EXPECT_EQ(file_text(dir / "error.log"),
            "Erro: primeiro\r\nOperating sistema said no\r\nSYSTEM: ZeltoECF\r\nPasta: x\r\n");
  core::add_to_error_log(dir.path(), {"Erro: segundo\nem duas linhas"}, "SYSTEM: outro", {"nada"});
  EXPECT_EQ(file_text(dir / "error.log"),
            "Erro: primeiro\r\nOperating sistema said no\r\nErro: segundo\r\nem duas linhas\r\nSYSTEM: ZeltoECF\r\n"
            "Pasta: x\r\n");
}

TEST(ErrorLogFile, AFailedOperationIsLoggedShownAndTheProgramGoesOn) {
  ErrorLog t;
  t.g.VUSU = "ANA";
  t.script().ok(kFailureBox + "disco cheio").ok(kFailureBox + "tabela danificada");
  EXPECT_FALSE(core::run_guarded(t.ctx, "F3", [] { throw std::runtime_error("disco cheio"); }));
  auto second = core::guarded(t.ctx, "F5", [] { throw std::runtime_error("tabela danificada"); });
  second();
  EXPECT_TRUE(core::run_guarded(t.ctx, "F8", [] {}));
  t.screen.expect_done();

  const auto lines = core::read_error_log_lines(t.log());
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(lines[0], "Erro: disco cheio");
  EXPECT_EQ(lines[1], "Operacao: F3");
  EXPECT_EQ(lines[2], "Data: 11/12/2026 10:30:00  Usuario: ANA");
  EXPECT_EQ(lines[3], "Erro: tabela danificada");
  EXPECT_EQ(lines[4], "Operacao: F5");
  EXPECT_TRUE(core::is_system_line(lines[6])) << lines[6];
  EXPECT_FALSE(t.run.end_requested);
}

TEST(ErrorLogFile, AScriptThatGivesUpIsNotTheProgramsFailure) {
  ErrorLog t;
  EXPECT_THROW(core::run_guarded(t.ctx, "F2", [] { throw screen::scripted::ScriptError("no step"); }),
               screen::scripted::ScriptError);
  EXPECT_FALSE(std::filesystem::exists(t.log()));
}

TEST(ErrorLogTakeover, LinesUpToSystemGoIntoTheTableAndTheFileGoes) {
  ErrorLog t;
  xbase::Table& y0 = t.open_error_table();
  t.g.VUSU = "GER";
  write_file(t.log(), "Erro: disco cheio\r\nOperacao: F3\nSystem: ZeltoECF 7.901H\r\nPasta: /dados\r\n");
  set_file_time(t.log(), 2026, 12, 10, 21, 5, 9);
  GRAVAR_LOG_ERRO(t.ctx);

  EXPECT_FALSE(std::filesystem::exists(t.log()));
  y0.go_top();
  ASSERT_FALSE(y0.eof());
  EXPECT_EQ(y0.text("C901"), "Erro: disco cheio\r\nOperacao: F3\r\n");
  EXPECT_EQ(y0.date("C902"), *runtime::Date::ymd(2026, 12, 10));
  EXPECT_EQ(y0.text("C903"), "21:05:09");
  EXPECT_EQ(y0.text("C001"), "GER");
  EXPECT_EQ(y0.date("C262"), *runtime::Date::ymd(2026, 12, 11));
  EXPECT_EQ(y0.text("C263"), "10:30");
  EXPECT_FALSE(y0.holds_lock(y0.recno()));
}

TEST(ErrorLogTakeover, AFirstLineHoldingSystemGivesAnEmptyText) {
  ErrorLog t;
  xbase::Table& y0 = t.open_error_table();
  write_file(t.log(), "a system failure\r\nErro: x\r\n");
  GRAVAR_LOG_ERRO(t.ctx);
  EXPECT_FALSE(std::filesystem::exists(t.log()));
  y0.go_top();
  ASSERT_FALSE(y0.eof());
  EXPECT_EQ(y0.text("C901"), "");
}

TEST(ErrorLogTakeover, TheFileStaysWhenTheTableCannotTakeIt) {
  ErrorLog t;  // the error-log table is not open
  write_file(t.log(), "Erro: disco cheio\r\nSYSTEM\r\n");
  t.script().ok(
      "O arquivo error.log nao foi gravado no registro de erros e foi mantido: no table open as Y0");
  GRAVAR_LOG_ERRO(t.ctx);
  t.screen.expect_done();
  EXPECT_EQ(file_text(t.log()), "Erro: disco cheio\r\nSYSTEM\r\n");
}

TEST(ErrorLogTakeover, WhatTheHandlerWroteIsTakenOverAsItsDescription) {
  ErrorLog t;
  xbase::Table& y0 = t.open_error_table();
  t.g.VUSU = "ZEL";
  t.script().ok(kFailureBox + "indice danificado");
  core::run_guarded(t.ctx, "M52", [] { throw std::runtime_error("indice danificado"); });
  GRAVAR_LOG_ERRO(t.ctx);
  EXPECT_FALSE(std::filesystem::exists(t.log()));
  y0.go_top();
  EXPECT_EQ(y0.text("C901"), "Erro: indice danificado\r\nOperacao: M52\r\nData: 11/12/2026 10:30:00  Usuario: ZEL\r\n");
}

}  // namespace
}  // namespace zelto::app
