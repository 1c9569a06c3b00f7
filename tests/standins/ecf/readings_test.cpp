// Fiscal-memory and MFD readings through the makers' entries, with the date
// and counter forms each make receives, written where the program's fiscal
// menu copies them from.

#include "library.hpp"
#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

// Three reductions (CRZ 1 of the fresh printer on 10/12, 2 and 3 on the
// 11th and 12th) and a receipt in the movement of the 12th.
void three_days(PrinterFolder& f) {
  f.set_clock(at(2026, 12, 11, 22, 0));
  f.must([](Printer& p) { return p.z_reduction(); });
  f.set_clock(at(2026, 12, 12, 9, 0));
  f.must([](Printer& p) { return p.open_day(); });
  f.must([](Printer& p) { return p.open_receipt(""); });
  f.must([](Printer& p) { return p.sell(item("1", "1800", 4321)); });
  f.must([](Printer& p) { return p.subtotal(Adjustment{}); });
  f.must([](Printer& p) { return p.pay("Dinheiro", 4321); });
  f.must([](Printer& p) { return p.close_receipt(""); });
  f.set_clock(at(2026, 12, 12, 22, 0));
  f.must([](Printer& p) { return p.z_reduction(); });
}

std::string file(const PrinterFolder& f, const std::string& name) {
  auto text = read_text_file(f.path() / name);
  return text ? *text : std::string("(no file " + name + ")");
}

TEST(Readings, FilesLandWhereTheFiscalMenuCopiesThem) {
  struct Case {
    Make make;
    const char* what;
    std::function<int(Library&)> call;
    const char* file;
    std::vector<std::string> has, lacks;
  };
  const Case cases[] = {
      {Make::BE, "complete reading by date to a file",
       [](Library& l) {
         EXPECT_EQ(l.call("Bematech_Registry_MFD_LeituraMFCompleta", "1"), 1);
         return l.call("Bematech_FI_LeituraMemoriaFiscalSerialData", "111226", "121226");
       },
       "retorno.txt", {"LEITURA DA MEMORIA FISCAL COMPLETA", "CRZ:0002", "CRZ:0003", "43,21"}, {"CRZ:0001"}},
      {Make::DA, "simplified reading by reduction to a file",
       [](Library& l) {
         EXPECT_EQ(l.call("Daruma_Registry_MFD_LeituraMFCompleta", "0"), 1);
         return l.call("Daruma_FI_LeituraMemoriaFiscalSerialReducao", "0001", "0002");
       },
       "retorno.txt", {"SIMPLIFICADA", "CRZ 0001 A 0002"}, {"CRZ:0001"}},
      {Make::BE, "MFD mirror by COO, also under the name given",
       [](Library& l) { return l.call("Bematech_FI_DownloadMFD", "DOWNLOAD.MFD", "2", "000003", "000003", "1"); },
       "DOWNLOAD.MFD", {"ESPELHO", "CUPOM FISCAL", "43,21"}, {"REDUCAO Z"}},
      {Make::DA, "MFD mirror by date", [](Library& l) { return l.call("Daruma_FIMFD_DownloadDaMFD", "10/12/26", "10/12/26"); },
       "retorno.txt", {"REDUCAO Z", "10/12/2026 22:00:00"}, {"CUPOM FISCAL"}},
      {Make::SW, "Ato COTEPE file by date, year first",
       [](Library& l) { return l.call("ECF_FIMFD_GerarAtoCotepePafData", "20261212", "20261212"); },
       "ECFDARUMA/ATOCOTEPE_DARUMA.TXT", {"E01SW0101ZE0000001", "E12SW0101ZE0000001     000003", "E16"}, {"000002000002"}},
      {Make::DA, "Ato COTEPE file by COO",
       [](Library& l) { return l.call("Daruma_FIMFD_GerarAtoCotepePafCOO", "0001", "0002"); },
       "ECFDARUMA/ATOCOTEPE_DARUMA.TXT", {"E12DA0101ZE0000001     000001000001"}, {"000003000004"}},
      {Make::BE, "Ato COTEPE file through ArquivoMFD",
       [](Library& l) {
         return l.call("Bematech_FI_ArquivoMFD", "", "11/12/2026", "12/12/2026", "D", "1", 0, "", "", 1);
       },
       "ECFDARUMA/ATOCOTEPE_DARUMA.TXT", {"E12BE0101ZE0000001     000002", "E12BE0101ZE0000001     000003"}, {}},
      {Make::DA, "fiscal-memory PAF file", [](Library& l) { return l.call("Daruma_FIMFD_GerarMFPAF_Data", "10122026", "12122026"); },
       "ECFDARUMA/mf.txt", {"E12DA0101ZE0000001     000001", "E13DA0101ZE0000001     00000301T1800"}, {"E16"}},
      {Make::EP, "Epson reading to a file", [](Library& l) { return l.call("EPSON_RelatorioFiscal_Leitura_MF", "121226", "121226", 0, "", "", 0, 0); },
       "retorno.txt", {"CRZ:0003"}, {"CRZ:0002"}},
      {Make::SW, "X reading to a file", [](Library& l) { return l.call("ECF_FI_LeituraXSerial"); },
       "retorno.txt", {"LEITURA X", "GRANDE TOTAL"}, {}},
  };
  for (const auto& c : cases) {
    PrinterFolder f(c.make, at(2026, 12, 11, 10, 0));
    three_days(f);
    InFolder here(f.path());
    Library lib(c.make, true);
    const int coo = f.memory().coo;
    EXPECT_EQ(c.call(lib), c.make == Make::EP ? 0 : 1) << c.what;
    const std::string text = file(f, c.file);
    for (const auto& s : c.has) EXPECT_NE(text.find(s), std::string::npos) << c.what << ": " << s << "\n" << text;
    for (const auto& s : c.lacks) EXPECT_EQ(text.find(s), std::string::npos) << c.what << ": " << s << "\n" << text;
    EXPECT_NE(text.find("\r\n"), std::string::npos) << c.what << ": Windows lines";
    EXPECT_EQ(f.memory().coo, coo) << c.what << ": a file is no document";
  }
}

TEST(Readings, PrintedReadingsAreDocumentsAndBadPeriodsAreRefused) {
  PrinterFolder f(Make::SW, at(2026, 12, 11, 10, 0));
  three_days(f);
  InFolder here(f.path());
  Library lib(Make::SW, true);
  const int coo = f.memory().coo;
  EXPECT_EQ(lib.call("ECF_LeituraMemoriaFiscalReducao", "0002", "0003"), 1);
  EXPECT_EQ(f.memory().coo, coo + 1);
  EXPECT_TRUE(f.roll_has(centred("LEITURA DA MEMORIA FISCAL", 48)));
  EXPECT_EQ(lib.call("ECF_LeituraMemoriaFiscalData", "121226", "111226"), -2) << "end before start";
  EXPECT_EQ(lib.call("ECF_LeituraMemoriaFiscalData", "", ""), -2) << "a date value arrives as an empty text";
}

}  // namespace
}  // namespace zelto::ecfsim::testing
