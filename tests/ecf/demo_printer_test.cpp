// zeltoecf-demodata places the emulated printer in the demo folder: the
// four libraries beside the tables and a printer the program talks to with
// the demo data's serial number, rates and payment forms.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "ecf/impresso.hpp"
#include "printer_ctx.hpp"

namespace zelto::ecf::testing {
namespace {

int run_tool(const fs::path& dir) {
  const std::string cmd = "'" DEMODATA_TOOL "' '" + dir.string() + "' > /dev/null 2>&1";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DemoFolder, HoldsThePrinterTheDemoDataDescribes) {
  PrinterCtx t("BE", Folder{false, false, ""});
  ASSERT_EQ(run_tool(t.dir / "demo"), 0);
  const fs::path demo = t.dir / "demo";
  for (const auto& lib : library_files()) EXPECT_TRUE(fs::exists(demo / lib.filename())) << lib.filename();
  ASSERT_TRUE(fs::exists(demo / "ecf_memoria.txt"));

  InFolder there(demo);
  t.db.set_folder(demo);
  Answer serial = IMP_FISCAL(t.ctx, "NUM_SER");
  ASSERT_TRUE(serial.ok);
  EXPECT_EQ(serial.text, "BE091010100011223344");
  ASSERT_TRUE(IMP_FISCAL(t.ctx, "CARREGA_ALIQUOTAS").ok);
  for (const char* rate : {"18.00", "12.00", "07.00"}) EXPECT_NE(t.g.VALIQUOTAS.find(rate), std::string::npos) << rate;
  const auto forms = sim::load_memory(demo).memory->forms;
  for (const char* form : {"Dinheiro", "Cartao", "Ticket", "Cheque"})
    EXPECT_TRUE(std::any_of(forms.begin(), forms.end(), [&](const auto& f) { return f.name == form; })) << form;
  EXPECT_TRUE(sim::load_memory(demo).memory->day.open) << "the demo day is open, so a new user sells at once";
  t.screen.expect_done();
}

}  // namespace
}  // namespace zelto::ecf::testing
