// A sale and a Z reduction through each maker's library, loaded by its file
// name with dlopen and freed after every call, with each make's argument
// forms and answers: the counters, the grand total and the paper roll agree
// to the cent, and the reduction's data read back is the day's.

#include "library.hpp"
#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

const char* c(const std::string& s) { return s.c_str(); }

// The generic commands as each make's entries take them.
struct Driver {
  Make make;
  virtual ~Driver() = default;
  virtual void open_day(Library&) {}
  virtual int open_receipt(Library&) = 0;
  // Price in cents, quantity in thousandths.
  virtual int sell(Library&, const std::string& code, const std::string& tax, Cents price, Milli qty) = 0;
  virtual void expect_rate_refused(Library&, int ret) = 0;
  virtual int ten_percent_off(Library&) = 0;
  virtual int pay(Library&, const std::string& form, Cents amount) = 0;
  virtual int close(Library&, const std::string& message) = 0;
  virtual int coo(Library&) = 0;
  virtual int z(Library&) = 0;
  virtual std::string last_z(Library&) = 0;
  virtual void expect_last_z(const std::string& data, Cents gt, Cents discounts, const Date& movement) = 0;
};

struct Classic : Driver {
  std::string p;  // entry prefix
  Classic(Make m, std::string prefix) : p(std::move(prefix)) { make = m; }
  std::string e(const char* name) {
    // Sweda names a few entries with "ECF_FI_".
    if (make == Make::SW && std::string(name) == "IdentificaConsumidor") return "ECF_FI_" + std::string(name);
    return p + name;
  }
  int open_receipt(Library& l) override { return l.call(c(e("AbreCupom")), ""); }
  int sell(Library& l, const std::string& code, const std::string& tax, Cents price, Milli qty) override {
    std::string description = "ITEM " + code;
    return l.call(c(e("VendeItemDepartamento")), c(pad_left(code, make == Make::DA ? 13 : 14)), c(description),
                  c(tax), c(digits(price * 10, 9)), c(digits(qty, 7)), "0000000000", "0000000000", "01", "UN");
  }
  void expect_rate_refused(Library& l, int ret) override {
    EXPECT_EQ(ret, -3);
    Buffer ack(3), st1(3), st2(3);
    ASSERT_EQ(l.call(c(e("VerificaEstadoImpressora")), ack.data(), st1.data(), st2.data()), 1);
    EXPECT_EQ(ack.text()[0], 6);
    EXPECT_EQ(static_cast<unsigned char>(st1.text()[0]), 2) << "a receipt is open";
    EXPECT_EQ(static_cast<unsigned char>(st2.text()[0]), 16) << "rate not programmed";
  }
  int ten_percent_off(Library& l) override { return l.call(c(e("IniciaFechamentoCupom")), "D", "%", "000000001000"); }
  int pay(Library& l, const std::string& form, Cents amount) override {
    return l.call(c(e("EfetuaFormaPagamento")), c(form), c(digits(amount, 14)));
  }
  int close(Library& l, const std::string& message) override {
    return l.call(c(e("FechaCupom")), "Dinheiro", "D", "%", "000010.0000", "00000000003499", c(message));
  }
  int coo(Library& l) override {
    Buffer b(6);
    EXPECT_EQ(l.call(c(e("NumeroCupom")), b.data()), 1);
    return static_cast<int>(parse_digits(b.text()).value_or(-1));
  }
  int z(Library& l) override { return l.call(c(e("ReducaoZ")), "", "22:30:00"); }
  std::string last_z(Library& l) override {
    Buffer b(631), movement("000000"), date("000000"), time("000000");
    EXPECT_EQ(l.call(c(e("DadosUltimaReducao")), b.data()), 1);
    // The other "last reduction" queries agree with its data.
    EXPECT_EQ(l.call(c(e("DataMovimento")), movement.data()), 1);
    EXPECT_EQ(movement.text(), b.text().substr(595, 6));
    EXPECT_EQ(l.call(c(e("DataHoraReducao")), date.data(), time.data()), 1);
    EXPECT_EQ(date.text() + time.text(), "111226223000");
    return b.text();
  }
  void expect_last_z(const std::string& d, Cents gt, Cents discounts, const Date& movement) override {
    EXPECT_EQ(d.substr(7, 14), digits(gt, 14));
    EXPECT_EQ(d.substr(37, 14), digits(discounts, 14));
    EXPECT_EQ(d.substr(595, 6), format_date(movement, DateForm::DDMMYY));
  }
};

struct Epson : Driver {
  Epson() { make = Make::EP; }
  void open_day(Library& l) override { EXPECT_EQ(l.call("EPSON_RelatorioFiscal_Abrir_Jornada"), 0); }
  int open_receipt(Library& l) override { return l.call("EPSON_Fiscal_Abrir_Cupom", "", "", "", "", ""); }
  int sell(Library& l, const std::string& code, const std::string& tax, Cents price, Milli qty) override {
    std::string description = "ITEM " + code;
    return l.call("EPSON_Fiscal_Vender_Item", c(pad_left(code, 14)), c(description), c(std::to_string(qty)), 3, "UN",
                  c(std::to_string(price)), 2, c(tax), 1);
  }
  void expect_rate_refused(Library& l, int ret) override {
    EXPECT_NE(ret, 0);
    Buffer printer(17), fiscal(17), code(5), message(101);
    EXPECT_EQ(l.call("EPSON_Obter_Estado_ImpressoraEX", printer.data(), fiscal.data(), code.data(), message.data()), 1);
    EXPECT_EQ(printer.text().substr(0, 16), std::string(16, '0'));
    EXPECT_EQ(fiscal.text()[1], '1') << "a receipt is open";
    EXPECT_EQ(fiscal.text()[15], '1') << "the last command was refused";
    EXPECT_EQ(code.text().substr(0, 4), "0203");
    EXPECT_NE(message.text().find("aliquota"), std::string::npos);
  }
  int ten_percent_off(Library& l) override {
    return l.call("EPSON_Fiscal_Desconto_Acrescimo_Subtotal", "1000", 2, 1, 1);
  }
  int pay(Library& l, const std::string& form, Cents amount) override {
    return l.call("EPSON_Fiscal_Pagamento", c(form), c(std::to_string(amount)), 2, "", "");
  }
  int close(Library& l, const std::string& message) override {
    EXPECT_EQ(l.call("EPSON_Fiscal_Imprimir_Mensagem", c(message), "", "", "", "", "", "", ""), 0);
    return l.call("EPSON_Fiscal_Fechar_Cupom", 1, 0);
  }
  int coo(Library& l) override {
    Buffer b(84);
    EXPECT_EQ(l.call("EPSON_Obter_Contadores", b.data()), 0);
    return static_cast<int>(parse_digits(b.text().substr(0, 6)).value_or(-1));
  }
  int z(Library& l) override {
    Buffer crz(4);
    return l.call("EPSON_RelatorioFiscal_RZ", "11122026", "223000", "", crz.data());
  }
  std::string last_z(Library& l) override {
    Buffer b(1167);
    EXPECT_EQ(l.call("EPSON_Obter_Dados_Ultima_RZ", b.data()), 0);
    return b.text();
  }
  void expect_last_z(const std::string& d, Cents gt, Cents discounts, const Date& movement) override {
    EXPECT_EQ(d.substr(632, 18), digits(gt, 18));
    EXPECT_EQ(d.substr(37, 14), digits(discounts, 14));
    EXPECT_EQ(d.substr(1159, 8), format_date(movement, DateForm::DDMMYYYY));
  }
};

std::unique_ptr<Driver> driver(Make m) {
  switch (m) {
    case Make::BE: return std::make_unique<Classic>(m, "Bematech_FI_");
    case Make::DA: return std::make_unique<Classic>(m, "Daruma_FI_");
    case Make::SW: return std::make_unique<Classic>(m, "ECF_");
    case Make::EP: return std::make_unique<Epson>();
  }
  return nullptr;
}

int done(Make m) { return m == Make::EP ? 0 : 1; }

class Road : public ::testing::TestWithParam<Make> {};

TEST_P(Road, SaleAndReductionAgreeToTheCent) {
  const Make make = GetParam();
  PrinterFolder f(make, at(2026, 12, 11, 10, 0));
  InFolder here(f.path());
  auto d = driver(make);
  Library lib(make, /*per_call=*/true);
  const FiscalMemory fresh = f.memory();

  d->open_day(lib);
  ASSERT_EQ(d->open_receipt(lib), done(make));
  ASSERT_EQ(d->sell(lib, "7891000100103", "1800", 2290, 1000), done(make));
  d->expect_rate_refused(lib, d->sell(lib, "7891000999999", "2500", 1000, 1000));
  ASSERT_EQ(d->sell(lib, "7891000200200", "0700", 799, 2000), done(make));
  ASSERT_EQ(d->ten_percent_off(lib), done(make));
  ASSERT_EQ(d->pay(lib, "Dinheiro", 5000), done(make));
  ASSERT_EQ(d->close(lib, "Volte sempre"), done(make));

  EXPECT_EQ(d->coo(lib), fresh.coo + 1);
  FiscalMemory m = f.memory();
  EXPECT_EQ(m.gt, fresh.gt + 3888);
  EXPECT_EQ(m.ccf, fresh.ccf + 1);
  EXPECT_EQ(m.last->total(), 3499);
  EXPECT_EQ(m.last->items.size(), 2u);
  EXPECT_TRUE(f.roll_has(left_right("    1,000 UN x 22,90  T18,00%", "22,90", 48)));
  EXPECT_TRUE(f.roll_has(left_right("    2,000 UN x 7,99  T7,00%", "15,98", 48)));
  EXPECT_TRUE(f.roll_has(left_right("DESCONTO 10,00%", "-3,89", 48)));
  EXPECT_TRUE(f.roll_has(left_right("TOTAL R$", "34,99", 48)));
  EXPECT_TRUE(f.roll_has(left_right("TROCO R$", "15,01", 48)));
  EXPECT_TRUE(f.roll_has("Volte sempre"));

  f.set_clock(at(2026, 12, 11, 22, 30));
  ASSERT_EQ(d->z(lib), done(make));
  std::string data = d->last_z(lib);
  d->expect_last_z(data, fresh.gt + 3888, 389, Date{2026, 12, 11});
  const FiscalMemory after = f.memory();
  const ZRecord& z = after.zs.back();
  EXPECT_EQ(data, make == Make::EP ? answers::epson_z_data(z) : answers::z_data(z));
  EXPECT_EQ(f.memory().crz, fresh.crz + 1);
  EXPECT_EQ(d->open_receipt(lib), make == Make::EP ? 227 : -27) << "no sale after the day's reduction";
}

TEST_P(Road, TheLibraryKeepsNothingOfItsOwn) {
  const Make make = GetParam();
  PrinterFolder f(make);
  InFolder here(f.path());
  auto d = driver(make);
  Library held(make, /*per_call=*/false);
  EXPECT_EQ(d->coo(held), 1);
  // Another process moves the printer on; the library loaded all along sees it.
  f.change([](FiscalMemory& m) { m.coo = 500; });
  EXPECT_EQ(d->coo(held), 500);
}

TEST_P(Road, ALibraryOfAnotherMakeFindsNoPrinter) {
  const Make make = GetParam();
  PrinterFolder f(make == Make::BE ? Make::DA : Make::BE);
  InFolder here(f.path());
  auto d = driver(make);
  Library lib(make, true);
  EXPECT_EQ(d->open_receipt(lib), make == Make::EP ? 500 : 0);
  EXPECT_FALSE(f.memory().receipt);
}

INSTANTIATE_TEST_SUITE_P(Makes, Road, ::testing::Values(Make::BE, Make::DA, Make::SW, Make::EP),
                         [](const auto& info) { return make_code(info.param); });

}  // namespace
}  // namespace zelto::ecfsim::testing
