// The makers' libraries reached by file name from the data folder: a file
// missing or not loadable, an entry missing, the Z through its file when the
// run's library did not load, the buffers' room, and the start-up step that
// loads the library and opens the port.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/startup_hooks.hpp"
#include "ecf/impresso.hpp"
#include "ecf/library_call.hpp"
#include "ecf/make.hpp"
#include "printer_ctx.hpp"

namespace zelto::ecf::testing {
namespace {

std::string read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(Library, FoundWithoutRegardToCaseOrWhyNot) {
  zelto::testing::TempDir dir;
  copy_libraries(dir.path());
  os::Library lib = os::Library::load(dir.path(), "BEMAFI32.DLL");
  ASSERT_TRUE(lib.loaded()) << lib.error_text();
  EXPECT_EQ(lib.error_code(), 0);
  EXPECT_NE(lib.entry("Bematech_FI_AbreCupom"), nullptr);
  EXPECT_EQ(lib.entry("Daruma_FI_AbreCupom"), nullptr);
  os::Library moved = std::move(lib);
  EXPECT_FALSE(lib.loaded());
  EXPECT_TRUE(moved.loaded());

  os::Library missing = os::Library::load(dir.path(), "sign_bema.dll");
  EXPECT_FALSE(missing.loaded());
  EXPECT_EQ(missing.error_code(), os::Library::kFileNotFound);

  std::ofstream(dir / "notalib.dll") << "MZ this is no library";
  os::Library bad = os::Library::load(dir.path(), "NotALib.dll");
  EXPECT_FALSE(bad.loaded());
  EXPECT_EQ(bad.error_code(), os::Library::kNotLoadable);
  EXPECT_FALSE(bad.error_text().empty());
  EXPECT_EQ(bad.entry("anything"), nullptr);
}

TEST(Library, AMissingLibraryFailsEachCommandWithItsLoadError) {
  PrinterCtx t("SW", without_libraries());
  load_printer_library(t.ctx);
  t.script().ok("Error code: 2 loading ConvEcf.dll").ok("Error code: 2 loading ConvEcf.dll");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "ABRIR_CUPOM").ok);
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "NRO_CUPOM").ok);
  EXPECT_FALSE(t.g.VRETORIMPRE);
  EXPECT_FALSE(t.run.end_requested);
  t.screen.expect_done();
  EXPECT_FALSE(fs::exists(t.dir / "error.log")) << "a missing file says all in its alert";
}

TEST(Library, AFileThatDoesNotLoadKeepsTheLoadersReasonInTheErrorLog) {
  PrinterCtx t("SW", without_libraries());
  std::ofstream(t.dir / "ConvEcf.dll") << "not a library";
  t.script().ok("Error code: 11 loading ConvEcf.dll");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "LEITURA_X").ok);
  t.screen.expect_done();
  const std::string log = read(t.dir / "error.log");
  EXPECT_NE(log.find("ConvEcf.dll"), std::string::npos) << log;
  EXPECT_NE(log.find("Motivo: "), std::string::npos) << log;
}

TEST(Library, AnEntryTheLibraryLacksIsReportedNotCalled) {
  PrinterCtx t("BE", without_libraries());
  fs::copy_file(ECFSIM_DARUMA, t.dir / "Bemafi32.dll");
  t.script().ok("Nao achou a funcao Bematech_FI_AbreCupom na biblioteca Bemafi32.dll");
  EXPECT_FALSE(IMP_FISCAL(t.ctx, "ABRIR_CUPOM").ok);
  t.screen.expect_done();
  EXPECT_FALSE(t.memory().receipt.has_value());
}

TEST(Library, TheZLoadsItsOwnFileWhenTheRunsLibraryDidNotLoad) {
  for (const char* make : {"BE", "DA", "SW"}) {
    PrinterCtx t(make, without_libraries());
    load_printer_library(t.ctx);  // nothing there yet
    copy_libraries(t.dir.path());
    const std::string file = library_file(make);
    t.script().ok("Error code: 2 loading " + file);
    EXPECT_FALSE(IMP_FISCAL(t.ctx, "NUMERO_REDUCOES_Z").ok) << make;
    t.g.WDATA = t.clock.now().date;
    EXPECT_TRUE(IMP_FISCAL(t.ctx, "REDUCAO_Z").ok) << make;
    EXPECT_TRUE(t.g.VRETORIMPRE);
    EXPECT_EQ(t.memory().crz, 2) << make;
    t.screen.expect_done();
  }
}

TEST(Library, BuffersHaveRoomForTheWholeAnswer) {
  // A serial number of twenty characters comes back whole.
  PrinterCtx be("BE", with_serial("BE091010100011223344"));
  Answer serial = IMP_FISCAL(be.ctx, "NUM_SER");
  ASSERT_TRUE(serial.ok);
  EXPECT_EQ(serial.text, "BE091010100011223344");
  EXPECT_EQ(IMP_FISCAL(be.ctx, "LER_MOEDA").text, "R$");
  EXPECT_EQ(IMP_FISCAL(be.ctx, "LER_TRUNC_ARRED").text, "0");

  PrinterCtx ep("EP");
  EXPECT_EQ(IMP_FISCAL(ep.ctx, "NUM_SER").text, "EP0101ZE000000000001");
  // The currency and the rounding flag are answered into room of their own.
  Answer symbol = IMP_FISCAL(ep.ctx, "LER_MOEDA");
  EXPECT_TRUE(symbol.ok);
  EXPECT_EQ(symbol.text, "R$");
  EXPECT_EQ(IMP_FISCAL(ep.ctx, "LER_TRUNC_ARRED").text, "0");
  EXPECT_EQ(IMP_FISCAL(ep.ctx, "NUMERO_REDUCOES_Z").text, "0001") << "the CRZ after the COO's six digits";
  be.screen.expect_done();
  ep.screen.expect_done();
}

TEST(Library, OutputBuffers) {
  Out blank(6);
  EXPECT_EQ(blank.text(), "      ");
  EXPECT_EQ(blank.width(), 6u);
  EXPECT_TRUE(blank.intact());
  blank.data()[0] = '\0';
  EXPECT_EQ(blank.byte(), 0) << "a status byte of zero";
  Out preset(std::string("000000"));
  EXPECT_EQ(preset.text(), "000000");
  preset.data()[7] = 'X';  // past the terminator
  EXPECT_FALSE(preset.intact());
}

TEST(StartUp, LoadsTheMakesLibraryAndOpensThePort) {
  PrinterCtx be("BE");
  app::open_printer(be.ctx);
  const PrinterLibrary* lib = be.services.find<PrinterLibrary>();
  ASSERT_NE(lib, nullptr);
  EXPECT_TRUE(lib->library.loaded());
  EXPECT_TRUE(be.transcript().entries().empty());

  // Epson's port is opened through its library; without it the operator is
  // told, and the start goes on.
  PrinterCtx ep("EP", without_libraries());
  ep.script().ok("Error code: 2 loading InterfaceEpson.dll");
  app::open_printer(ep.ctx);
  EXPECT_FALSE(ep.run.end_requested);
  ep.screen.expect_done();
}

}  // namespace
}  // namespace zelto::ecf::testing
