// The fingerprint files at start: the registered serial read before the
// login, the files written again after it.

#include <gtest/gtest.h>

#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/main_frame.hpp"
#include "app/startup.hpp"
#include "app/startup_hooks.hpp"
#include "startup_fixture.hpp"
#include "store/fingerprint_file.hpp"
#include "store/fingerprint_md5.hpp"
#include "store/fingerprint_write.hpp"
#include "store/seal_scramble.hpp"
#include "support/installed_libraries.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::app {
namespace {

using screen::Key;

struct Started : testing::ScriptedCtx {
  StartupHost host;
  testing::InDataFolder here{dir.path()};

  Started() {
    testing::make_data_folder(dir.path());
    host.run_until_end = [this] { screen.play([this] { return run.end_requested; }); };
  }
  void log_in() { script().type("GER").press(Key::Enter).type("ABC123").press(Key::Enter); }
  void run_main() {
    MAIN(ctx, host);
    screen.expect_done();
  }
  std::string file(const char* name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST(StartupFingerprints, TheSerialIsReadAndTheFilesAreWrittenAgain) {
  Started t;
  store::write_fingerprint(t.dir.path(), {store::ENCRYPT("stale"), store::ENCRYPT("00000000100.00"),
                                          store::ENCRYPT("BE0907SC5678901")});
  t.log_in();
  t.run_main();

  EXPECT_EQ(t.g.VNUMSERIEIMPRESSORA, "BE0907SC5678901");
  EXPECT_EQ(t.g.VNUM_SER, "BE0907SC5678901");
  // A complete folder: nothing told, every listed file digested.
  const std::string list = t.file("md5_arquivos.txt");
  EXPECT_EQ(t.g.VMD5_ARQUIVOS, store::md5_hex(list));
  EXPECT_EQ(store::RETORNA_MD5_ARQUIVO_TXT(t.ctx), t.g.VMD5_ARQUIVOS);
  EXPECT_EQ(list.find(" * \r\n"), std::string::npos) << list;
  EXPECT_EQ(t.g.V_SIGN_BEMA.size(), std::string("Bemafi32.Dll - ").size() + 32);
  // The grand total and serial on record are kept.
  EXPECT_EQ(store::DECRYPT(store::RETORNA_GT_ARQUIVO_TXT(t.ctx)), "00000000100.00");
  EXPECT_EQ(store::RETORNA_NUM_SER_ARQUIVO_TXT(t.ctx), "BE0907SC5678901");
}

TEST(StartupFingerprints, MissingPrinterLibrariesAreToldAndTheStartGoesOn) {
  Started t;
  for (const char* library : {"Bemafi32.dll", "Daruma32.dll", "ConvEcf.dll", "InterfaceEpson.dll"})
    std::filesystem::remove(t.dir / library);
  t.log_in();
  for (const char* make : {"\"Bemafi32.dll\", na pasta do ZeltoEcf,\rProvavelmente não conseguira comunicar com a Impressora BEMATECH",
                           "\"Daruma32.dll\", na pasta do ZeltoEcf,\rProvavelmente não conseguira comunicar com a Impressora DARUMA",
                           "\"ConvEcf.dll\", na pasta do ZeltoEcf,\rProvavelmente não conseguira comunicar com a Impressora SWEDA"})
    t.script().ok(std::string("Nao Achou a DLL, ") + make);
  // The sales screen's start cannot load the tax rates either.
  t.script().ok("Error code: 2 loading Bemafi32.dll").ok("Nao conseguiu Carregar as Aliquotas.");
  t.run_main();
  EXPECT_FALSE(t.run.end_requested);
  EXPECT_NE(t.file("md5_arquivos.txt").find("Daruma32.dll * \r\n"), std::string::npos);
  EXPECT_EQ(t.g.VNUMSERIEIMPRESSORA, "");
}

// The printer's answers reach the fingerprint files through the command
// layer: an emulated Daruma printer, which reads its grand total.
TEST(StartupFingerprints, ThePrinterIsAskedThroughTheCommandLayer) {
  testing::ScriptedCtx t;
  testing::install_libraries(t.dir.path());
  const std::string init = "cd '" + t.dir.path().string() + "' && '" +
                           (testing::built_standins() / "ecf" / "ecfsim").string() +
                           "' init --make DA --serial DA0907BR5678901 --clock '11/12/2026 10:30' --frozen >/dev/null";
  ASSERT_EQ(std::system(init.c_str()), 0);
  struct InFolder {
    std::filesystem::path before = std::filesystem::current_path();
    explicit InFolder(const std::filesystem::path& p) { std::filesystem::current_path(p); }
    ~InFolder() { std::filesystem::current_path(before); }
  } here(t.dir.path());
  t.g.VIMP_FIS = "DA";
  store::write_fingerprint(t.dir.path(), {"", store::ENCRYPT("00000000100.00"), ""});

  read_fingerprint_serial(t.ctx);
  EXPECT_EQ(t.g.VNUMSERIEIMPRESSORA, "");
  ASSERT_TRUE(store::register_printer_serial(t.ctx));
  EXPECT_EQ(t.g.VNUMSERIEIMPRESSORA, "DA0907BR5678901");
  t.g.VATUAL_GT_VENDA_BRUTA = "S";
  ASSERT_TRUE(store::GERA_MD5_ARQUIVOS_TXT(t.ctx));
  EXPECT_EQ(store::DECRYPT(store::RETORNA_GT_ARQUIVO_TXT(t.ctx)), "00000000000.00");  // a new printer's
  EXPECT_EQ(store::RETORNA_NUM_SER_ARQUIVO_TXT(t.ctx), "DA0907BR5678901");
}

}  // namespace
}  // namespace zelto::app
