#pragma once
// A checkout ready to sell: every table of the catalogue open, a handful of
// items with their tax situations and the rates they lead to, the default
// client, today's daily record open, the emulated BE printer with its day
// opened and its library loaded, the fingerprint file agreeing with it, and
// the sales window started. Scripts drive the window as the operator does.

#include <string>

#include "app/main_frame.hpp"
#include "ecf/impresso.hpp"
#include "ecf/library_call.hpp"
#include "ecf/printer_ctx.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/screen/scripted/script.hpp"
#include "sales/sales_screen.hpp"
#include "store/catalogue.hpp"
#include "store/fingerprint_file.hpp"
#include "store/fingerprint_write.hpp"
#include "store/seal_scramble.hpp"
#include "store/lookup.hpp"
#include "store/open_catalogue.hpp"
#include "store/seal_record.hpp"

namespace zelto::sales::items_testing {

using runtime::Decimal;

// The barcode with its check digit: the twelve digits weighted 1, 3, 1 ...
inline std::string ean13(const std::string& twelve) {
  int sum = 0;
  for (std::size_t i = 0; i < 12; ++i) sum += (twelve[i] - '0') * (i % 2 ? 3 : 1);
  return twelve + static_cast<char>('0' + (10 - sum % 10) % 10);
}

// Scale labels on, with the positions of a label's parts the sales tests
// print their labels with.
inline void scale_labels_on(core::Globals& g) {
  g.W__CODBAR_BALANCA = "S";
  g.W_PRI_BALANCA = "2";
  g.W_CUL_BALANCA = "N";
  g.W_IPE_BALANCA = Decimal(8);
  g.W_FPE_BALANCA = Decimal(5);
  g.W_IQU_BALANCA = Decimal(2);
  g.W_FQU_BALANCA = Decimal(6);
  g.W_IPEQUANT = Decimal(1);
  g.W_FPEQUANT = Decimal(2);
  g.W_IP2QUANT = Decimal(3);
  g.W_FP2QUANT = Decimal(3);
}

struct TestItem {
  const char* code;
  const char* description;
  const char* price;
  const char* unit;
  const char* situation;
  const char* state;
  std::string barcode;
  const char* anvisa = "N";
};

inline const std::string kRice = ean13("789100010010");
inline const std::string kBeans = ean13("789100010020");
inline const std::string kSoap = ean13("789100010040");
// A barcode whose check digit is wrong, on an item of its own.
inline std::string wrong_check_digit(const std::string& twelve) {
  std::string code = ean13(twelve);
  code.back() = static_cast<char>('0' + (code.back() - '0' + 1) % 10);
  return code;
}
inline const std::string kBadBarcode = wrong_check_digit("789100010120");

// Situations: T18, T12, T07 lead to the printer's rates; T25 to a rate it
// lacks; ISS to the service tax it lacks; FF to substitution.
inline std::vector<TestItem> test_items() {
  return {
      {"00000001", "ARROZ TIPO 1 5KG", "23.90", "UN", "T18", "A", kRice},
      {"00000002", "FEIJAO CARIOCA 1KG", "8.49", "UN", "T12", "A", kBeans},
      {"00001230", "QUEIJO MINAS FRESCAL KG", "39.90", "KG", "T07", "A", ""},
      {"00000004", "SABAO EM PO 1KG", "12.00", "UN", "T25", "A", kSoap},
      {"00000005", "BISCOITO FORA DE LINHA", "2.50", "UN", "T18", "I", ean13("789100010050")},
      {"00000006", "REFRIGERANTE 2L", "3.00", "UN", "FF", "A", ean13("789100010060")},
      {"00000007", "CHICLETE CAIXINHA", "1.25", "UN", "T18", "A", "12345678"},
      {"12345678", "ITEM DE CODIGO 12345678", "5.00", "UN", "T18", "A", ""},
      {"00000009", "CORTE DE CABELO", "30.00", "UN", "ISS", "A", ""},
      {"00000010", "BRINDE SEM PRECO", "0", "UN", "T18", "A", ean13("789100010100")},
      {"00000011", "ANTIBIOTICO 500MG", "19.90", "CX", "T18", "A", ean13("789100010110"), "S"},
      {"00000012", "PAO DE FORMA", "6.50", "UN", "T18", "A", kBadBarcode},
  };
}

struct ItemsCtx : ecf::testing::PrinterCtx {
  explicit ItemsCtx(const std::function<void(core::Globals&)>& settings = {}) : PrinterCtx("BE") {
    db.close("IT");  // the one-field stand-in of the printer tests
    for (const auto& entry : store::front_end_catalogue()) db.create(entry.file(), store::field_defs(*entry.table));
    store::G_ABREAR(ctx);
    fill_tables();

    g.VUSU = "CX1";
    g.WCOD_EST = "01";
    g.WMAQUINA = "001";
    ecf::load_printer_library(ctx);
    if (!ecf::IMP_FISCAL(ctx, "ABRE_PORTA_SERIAL").ok || !ecf::IMP_FISCAL(ctx, "ABERTURA_ECF").ok)
      throw std::runtime_error("the emulated printer did not open its day");
    // The fingerprint file as the last run left it: the fresh printer's
    // grand total of zero and its serial.
    g.VNUMSERIEIMPRESSORA = memory().serial;
    g.VMD5_ARQUIVOS = "0123456789ABCDEF0123456789ABCDEF";
    store::write_fingerprint(dir.path(), {store::ENCRYPT(g.VMD5_ARQUIVOS), store::ENCRYPT(store::grand_total_text({})),
                                          store::ENCRYPT(g.VNUMSERIEIMPRESSORA)});

    screen.open_window(screen::WindowSpec{app::kSalesWindow, "Vendas", {0, 0, 1000, 700}});
    if (settings) settings(g);
    OLD_TELA_DE_VENDA(ctx, SalesHost{});
    if (settings) settings(g);  // over what the configuration record says
    g.WABERTCAIXA = "2026121108:00";
    g.WCAIXACODIG = "CX1   ";
  }

  void fill_tables() {
    xbase::Table& it = db.area("IT");
    for (const TestItem& i : test_items()) {
      it.append_blank();
      it.put("C012", i.code);
      it.put("C030", i.description);
      it.put("C031", Decimal::of(i.price));
      it.put("C408", i.unit);
      it.put("C100", i.situation);
      it.put("C163", i.state);
      it.put("C666", i.barcode);
      it.put("C841", i.anvisa);
      it.put("C851", "A");
      it.put("C852", "T");
      it.put("C431", "N");
      it.put("C432", "N");
      store::write_seal(it);
      it.unlock();
    }
    xbase::Table& ie = db.area("IE");
    xbase::Table& a1 = db.area("A1");
    const std::pair<const char*, const char*> rates[] = {{"T18", "1800"}, {"T12", "1200"}, {"T07", "0700"},
                                                         {"T25", "2500"}, {"FF", "FF"},    {"ISS", "ISS"}};
    for (const auto& [code, rate] : rates) {
      ie.append_blank();
      ie.put("C100", code);
      ie.put("C107", "V");
      ie.put("C478", "ICMS");
      ie.put("C674", code);
      ie.unlock();
      a1.append_blank();
      a1.put("C674", code);
      a1.put("C678", rate);
      a1.unlock();
    }
    xbase::Table& cl = db.area("CL");
    cl.append_blank();
    cl.put("C036", "000001");
    cl.put("C114", "CONSUMIDOR");
    cl.unlock();
    xbase::Table& pd = db.area("PD");
    pd.append_blank();
    pd.put("DATA", clock.now().date);
    pd.put("PDV", "001");
    pd.put("SITUACAO", "A");
    store::write_seal(pd);
    pd.unlock();
    xbase::Table& co = db.area("CO");
    co.append_blank();
    co.put("IMPRESSORA", "MP-4000 TH FI");
    co.put("C037", "01");
    co.put("C123", "001");
    co.put("C124", 48);
    co.put("C893", "BE");
    co.put("CLIENTEPAD", "000001");
    co.put("IMP_CLIENT", "N");
    co.put("ARREDONDAM", "A");
    co.unlock();
    xbase::Table& re = db.area("RE");  // the cashier's open cash period
    re.append_blank();
    re.put("C083", "CX1");
    re.put("C096", clock.now().date);
    re.put("C104", "08:00");
    re.put("C099", "A");
    re.unlock();
    xbase::Table& cg = db.area("CG");
    cg.append_blank();
    cg.put("C313", "001");
    cg.unlock();
    db.area("NV").append_blank();
    db.area("NV").unlock();
    db.commit_all();
  }

  // Plays the script text on the sales window, as zeltoecf-script plays it.
  void play(const std::string& text) {
    screen.script() = screen::scripted::Script::parse(text);
    screen.play();
    screen.expect_done();
  }

  int count(const char* alias) {
    xbase::Table& t = db.area(alias);
    int n = 0;
    for (t.go_top(); !t.eof(); t.skip()) ++n;
    return n;
  }
  // The records of a table in natural order, one field each.
  std::vector<std::string> column(const char* alias, const char* field) {
    xbase::Table& t = db.area(alias);
    t.set_order(0);
    std::vector<std::string> out;
    for (t.go_top(); !t.eof(); t.skip()) out.push_back(t.text(field));
    return out;
  }
  int printed_receipts() const { return memory().receipt ? 1 : 0; }
};

}  // namespace zelto::sales::items_testing
