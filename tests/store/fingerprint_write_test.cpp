// Writing the fingerprint files with the printer's grand total and serial.

#include "store/fingerprint_write.hpp"

#include <gtest/gtest.h>

#include "store/fingerprint_file.hpp"
#include "store/fingerprint_file_list.hpp"
#include "store/fingerprint_md5.hpp"
#include "store/fingerprint_printer.hpp"
#include "store/seal_fixture.hpp"
#include "store/seal_scramble.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::store {
namespace {

using runtime::Decimal;

const char* const kNoSerial = "Nao Conseguiu Comunicar com a Impressora NUM_SER.";

// A printer that answers what it is told to, and counts the questions.
struct Printer {
  std::optional<Decimal> grand_total;
  std::optional<std::string> serial;
  int asked = 0;
};

// A complete folder: every library the list names is there, so nothing is
// announced.
struct Checkout {
  zelto::testing::ScriptedCtx t;
  std::shared_ptr<Printer> printer = std::make_shared<Printer>();

  Checkout() {
    for (const ListedFile& f : listed_files())
      if (f.at == InstalledAt::DataFolder) testing::write_bytes(t.dir / std::string(f.file), "library");
    auto& queries = t.services.emplace<FingerprintPrinter>();
    queries.grand_total = [p = printer](core::Ctx&) {
      ++p->asked;
      return p->grand_total;
    };
    queries.serial = [p = printer](core::Ctx&) {
      ++p->asked;
      return p->serial;
    };
  }
  void refresh_both() {
    t.g.VATUAL_GT_VENDA_BRUTA = "S";
    t.g.VATUAL_NUM_SER_TXT = "S";
  }
};

TEST(FingerprintWrite, GrandTotalAndSerialGoInAndComeBack) {
  Checkout c;
  c.t.g.VNUMSERIEIMPRESSORA = "BE0907SC5678901";
  c.printer->grand_total = Decimal::of("12345.6");
  c.printer->serial = "BE0907SC5678901";
  c.refresh_both();
  EXPECT_TRUE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx, "S"));

  EXPECT_EQ(DECRYPT(RETORNA_GT_ARQUIVO_TXT(c.t.ctx)), "00000012345.60");
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(c.t.ctx), "BE0907SC5678901");
  // The digest in force is the list's, as it was written.
  const std::string list = testing::read_bytes(c.t.dir / "md5_arquivos.txt");
  EXPECT_EQ(c.t.g.VMD5_ARQUIVOS, md5_hex(list));
  EXPECT_EQ(RETORNA_MD5_ARQUIVO_TXT(c.t.ctx), c.t.g.VMD5_ARQUIVOS);
  EXPECT_EQ(c.t.g.VATUAL_GT_VENDA_BRUTA, "N");
  EXPECT_EQ(c.t.g.VATUAL_NUM_SER_TXT, "N");

  // Without requests the stored parts stay and the printer is not asked.
  const int asked = c.printer->asked;
  c.printer->grand_total = Decimal(99);
  EXPECT_TRUE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx));
  EXPECT_EQ(c.printer->asked, asked);
  EXPECT_EQ(DECRYPT(RETORNA_GT_ARQUIVO_TXT(c.t.ctx)), "00000012345.60");
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(c.t.ctx), "BE0907SC5678901");
}

TEST(FingerprintWrite, WithoutRefreshTheDigestInForceIsWritten) {
  Checkout c;
  c.t.g.VMD5_ARQUIVOS = "0123456789abcdef0123456789abcdef";
  EXPECT_TRUE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx, "N"));
  EXPECT_EQ(RETORNA_MD5_ARQUIVO_TXT(c.t.ctx), "0123456789abcdef0123456789abcdef");
}

TEST(FingerprintWrite, AFailedQueryKeepsTheStoredValue) {
  Checkout c;
  c.t.g.VNUMSERIEIMPRESSORA = "BE0907SC5678901";
  c.printer->grand_total = Decimal::of("500");
  c.printer->serial = "BE0907SC5678901";
  c.refresh_both();
  ASSERT_TRUE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx, "S"));

  c.printer->grand_total.reset();
  c.printer->serial.reset();
  c.refresh_both();
  c.t.script().ok(kNoSerial);  // the grand total's failure is the printer layer's to tell
  EXPECT_TRUE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx));
  EXPECT_TRUE(c.t.script().empty());
  EXPECT_EQ(DECRYPT(RETORNA_GT_ARQUIVO_TXT(c.t.ctx)), "00000000500.00");
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(c.t.ctx), "BE0907SC5678901");
  EXPECT_EQ(c.t.g.VATUAL_GT_VENDA_BRUTA, "N");
}

TEST(FingerprintWrite, NoPrinterInTheRunIsAFailedQuery) {
  Checkout c;
  c.t.services.remove<FingerprintPrinter>();
  c.t.g.VATUAL_GT_VENDA_BRUTA = "S";
  EXPECT_TRUE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx, "S"));
  EXPECT_EQ(RETORNA_GT_ARQUIVO_TXT(c.t.ctx), "");
}

TEST(FingerprintWrite, WithoutARegisteredSerialTheSerialStaysEmpty) {
  Checkout c;
  c.printer->serial = "BE0907SC5678901";
  c.t.g.VATUAL_NUM_SER_TXT = "S";
  EXPECT_TRUE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx, "S"));
  EXPECT_EQ(c.printer->asked, 0);
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(c.t.ctx, "N"), "");
  EXPECT_NE(testing::read_bytes(c.t.dir / "zelto_md5.txt").find("N.S.:FIM"), std::string::npos);
}

TEST(FingerprintWrite, ANewInstallationRegistersThePrintersSerial) {
  Checkout c;
  c.printer->serial = "BE0907SC5678901";
  EXPECT_TRUE(register_printer_serial(c.t.ctx));
  EXPECT_EQ(c.t.g.VNUMSERIEIMPRESSORA, "BE0907SC5678901");
  EXPECT_EQ(c.t.g.VNUM_SER, "BE0907SC5678901");
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(c.t.ctx), "BE0907SC5678901");
  EXPECT_EQ(c.printer->asked, 1);

  // One registered stays: another printer's answer changes nothing.
  c.printer->serial = "DR0311BR000000123456";
  EXPECT_TRUE(register_printer_serial(c.t.ctx));
  EXPECT_EQ(RETORNA_NUM_SER_ARQUIVO_TXT(c.t.ctx), "BE0907SC5678901");

  Checkout silent;
  silent.t.script().ok(kNoSerial);
  EXPECT_FALSE(register_printer_serial(silent.t.ctx));
  EXPECT_EQ(silent.t.g.VNUMSERIEIMPRESSORA, "");
  EXPECT_FALSE(std::filesystem::exists(silent.t.dir / "zelto_md5.txt"));
}

TEST(FingerprintWrite, AFolderThatWillNotTakeTheFileIsToldAndTheOldOneStays) {
  Checkout c;
  c.printer->grand_total = Decimal(7);
  c.t.g.VATUAL_GT_VENDA_BRUTA = "S";
  ASSERT_TRUE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx, "S"));
  std::filesystem::create_directory(c.t.dir / "zelto_md5.txt.tmp");
  c.printer->grand_total = Decimal(8);
  c.t.g.VATUAL_GT_VENDA_BRUTA = "S";
  bool told = false;
  try {
    EXPECT_FALSE(GERA_MD5_ARQUIVOS_TXT(c.t.ctx));
  } catch (const screen::scripted::ScriptError& e) {
    told = std::string(e.what()).find("Nao Conseguiu Gravar o Arquivo zelto_md5.txt") != std::string::npos;
  }
  EXPECT_TRUE(told);
  EXPECT_EQ(DECRYPT(RETORNA_GT_ARQUIVO_TXT(c.t.ctx)), "00000000007.00");
}

}  // namespace
}  // namespace zelto::store
