// Every answer of every make lands inside the caller's blank-filled buffer:
// written from its start, never past its stated size (guard bytes behind
// each buffer stay untouched), and shorter buffers get the answer's head.

#include "library.hpp"
#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

using Call = std::function<int(Library&, std::vector<Buffer>&)>;

struct Row {
  const char* entry;
  std::vector<std::size_t> sizes;
  Call call;
  std::vector<std::string> presets = {};
};

Call out1(std::string entry) {
  return [entry](Library& l, std::vector<Buffer>& b) { return l.call(entry.c_str(), b[0].data()); };
}
Call out2(std::string entry) {
  return [entry](Library& l, std::vector<Buffer>& b) { return l.call(entry.c_str(), b[0].data(), b[1].data()); };
}
Call out3(std::string entry) {
  return [entry](Library& l, std::vector<Buffer>& b) {
    return l.call(entry.c_str(), b[0].data(), b[1].data(), b[2].data());
  };
}
Call indexed(std::string entry, const char* index) {
  return [entry, index](Library& l, std::vector<Buffer>& b) { return l.call(entry.c_str(), index, b[0].data()); };
}

std::vector<Row> classic_rows(const std::string& p, Make m) {
  // Entries a make names differently, or lacks.
  auto n = [&](const std::string& s) { return p + s; };
  std::string fi = m == Make::SW ? "ECF_FI_" : p;
  std::string mfd = m == Make::BE ? "Bematech_FIMFD_" : m == Make::DA ? "Daruma_FIMFD_" : "ECF_FIMFD_";
  auto named = [](const std::string& s) { return s; };
  std::vector<Row> rows = {
      {"status", {3, 3, 3}, out3(n("VerificaEstadoImpressora"))},
      {"flags", {3}, out1(n("FlagsFiscais"))},
      {"rates", {79}, out1(n("RetornoAliquotas"))},
      {"clock", {6, 6}, out2(n("DataHoraImpressora"))},
      {"serial", {15}, out1(n("NumeroSerie"))},
      {"coo", {6}, out1(n("NumeroCupom"))},
      {"reductions", {4}, out1(n("NumeroReducoes"))},
      {"last Z data", {631}, out1(n("DadosUltimaReducao"))},
      {"last Z time", {6, 6}, out2(n("DataHoraReducao")), {"000000", "000000"}},
      {"movement", {6}, out1(n("DataMovimento")), {"000000"}},
      {"truncation", {1}, out1(n("VerificaTruncamento"))},
      {"currency", {2}, out1(n("SimboloMoeda"))},
      {"GNF", {6}, indexed(named(mfd + "RetornaInformacao"), "28")},
      {"CCF", {6}, indexed(named(mfd + "RetornaInformacao"), "30")},
      {"GRG", {6}, indexed(named(mfd + "RetornaInformacao"), "33")},
      {"CDC", {4}, indexed(named(mfd + "RetornaInformacao"), "45")},
      {"footer time", {14}, indexed(named(mfd + "RetornaInformacao"), "74")},
      {"user", {2}, indexed(named(mfd + "RetornaInformacao"), "94")},
      {"CRO", {6}, indexed(named(mfd + "RetornaInformacao"), "23")},
      {"last Z totals", {1164}, indexed(named(mfd + "RetornaInformacao"), "140")},
  };
  if (m != Make::SW) rows.push_back({"interventions", {4}, out1(n("NumeroIntervencoes"))});
  if (m != Make::BE) {
    rows.push_back({"grand total", {18}, out1(named(fi + "GrandeTotal"))});
    rows.push_back({"gross sales", {18}, out1(named(fi + "VendaBruta"))});
  }
  return rows;
}

std::vector<Row> epson_rows() {
  return {
      {"state", {17, 17, 5, 101}, [](Library& l, std::vector<Buffer>& b) {
         return l.call("EPSON_Obter_Estado_ImpressoraEX", b[0].data(), b[1].data(), b[2].data(), b[3].data());
       }},
      {"receipt state", {56}, out1("EPSON_Obter_Estado_Cupom")},
      {"rates", {553}, out1("EPSON_Obter_Tabela_Aliquotas")},
      {"clock", {14}, out1("EPSON_Obter_Hora_Relogio")},
      {"printer data", {108}, out1("EPSON_Obter_Dados_Impressora")},
      {"grand total", {18}, out1("EPSON_Obter_GT")},
      {"gross sales", {15, 15}, out2("EPSON_Obter_Venda_Bruta")},
      {"counters", {84}, out1("EPSON_Obter_Contadores")},
      {"user", {2}, out1("EPSON_Obter_Numero_Usuario")},
      {"last Z data", {1167}, out1("EPSON_Obter_Dados_Ultima_RZ")},
      {"day data", {67}, out1("EPSON_Obter_Dados_Jornada")},
      {"rounding", {1, 1}, out2("EPSON_Obter_Arredonda_Trunca_Fabricacao")},
      {"currency", {2}, out1("EPSON_Obter_Simbolo_Moeda")},
  };
}

class Buffers : public ::testing::TestWithParam<Make> {};

TEST_P(Buffers, AnswersStayInsideTheBuffersTheCallerFilled) {
  const Make make = GetParam();
  PrinterFolder f(make);
  InFolder here(f.path());
  f.must([](Printer& p) { return p.open_day(); });
  f.must([](Printer& p) { return p.open_receipt(""); });
  f.must([](Printer& p) { return p.sell(item("1", "1800", 1234)); });
  Library lib(make, false);
  std::vector<Row> rows = make == Make::BE   ? classic_rows("Bematech_FI_", make)
                          : make == Make::DA ? classic_rows("Daruma_FI_", make)
                          : make == Make::SW ? classic_rows("ECF_", make)
                                             : epson_rows();
  for (auto& row : rows) {
    // The stated size: every position written, nothing after it.
    std::vector<Buffer> full;
    for (std::size_t i = 0; i < row.sizes.size(); ++i)
      full.emplace_back(i < row.presets.size() ? Buffer(row.presets[i]) : Buffer(row.sizes[i]));
    int ret = row.call(lib, full);
    EXPECT_EQ(ret, make == Make::EP ? 0 : 1) << row.entry;
    for (const auto& b : full) {
      EXPECT_TRUE(b.guard_intact()) << row.entry;
      EXPECT_EQ(b.text().find('\0', 1), std::string::npos) << row.entry << " wrote a NUL inside the answer";
    }
    // Half the stated size: the answer's head, and still nothing beyond.
    std::vector<Buffer> half;
    for (std::size_t s : row.sizes) half.emplace_back(std::max<std::size_t>(1, s / 2));
    row.call(lib, half);
    for (std::size_t i = 0; i < half.size(); ++i) {
      EXPECT_TRUE(half[i].guard_intact()) << row.entry << " past a short buffer";
      if (row.sizes[i] > 3) {
        EXPECT_EQ(half[i].text(), full[i].text().substr(0, half[i].size())) << row.entry;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Makes, Buffers, ::testing::Values(Make::BE, Make::DA, Make::SW, Make::EP),
                         [](const auto& info) { return make_code(info.param); });

}  // namespace
}  // namespace zelto::ecfsim::testing
