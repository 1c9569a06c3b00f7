// One sale and the day's Z through IMP_FISCAL on each make, the emulated
// printer's libraries loaded with dlopen from the data folder: open, two
// items (one refused for a rate the printer does not have), subtotal with a
// 10 % discount, payment, close; the counters, the grand total and the paper
// roll agree; the Z's data reads back through the reduction queries.

#include "ecf/impresso.hpp"
#include "ecf/library_call.hpp"
#include "ecf/z_data.hpp"
#include "platform/runtime/number_text.hpp"
#include "printer_ctx.hpp"

namespace zelto::ecf::testing {
namespace {

using runtime::Decimal;

class Road : public ::testing::TestWithParam<const char*> {};

std::string digits(long long n, int width) { return runtime::strzero(n, width); }

TEST_P(Road, SaleCountersAndTheZAgreeWithThePrinter) {
  const std::string make = GetParam();
  const bool epson = make == "EP", bematech = make == "BE", classic = !epson;
  PrinterCtx t(make);
  core::Globals& g = t.g;
  auto run = [&](const char* name) { return IMP_FISCAL(t.ctx, name); };

  load_printer_library(t.ctx);
  ASSERT_TRUE(run("ABRE_PORTA_SERIAL").ok);
  ASSERT_TRUE(run("ABERTURA_ECF").ok);
  ASSERT_TRUE(run("STATUS1").ok);
  EXPECT_TRUE(g.VRETORIMPRE);
  ASSERT_TRUE(run("CARREGA_ALIQUOTAS").ok);
  // The ISS rate is listed by the classic makes' table, not by Epson's.
  EXPECT_EQ(g.VALIQUOTAS, epson ? "+NN+II+FF+A01-18.00+A02-12.00+A03-07.00+"
                                : "+NN+II+FF+A01-18.00+A02-12.00+A03-07.00+A04-05.00+");
  EXPECT_EQ(g.WALIQUOTAS, epson ? "180012000700" : "1800120007000500");
  const sim::FiscalMemory before = t.memory();

  EXPECT_FALSE(TEM_CUPOM_ABERTO(t.ctx));
  ASSERT_TRUE(run("ABRIR_CUPOM").ok);
  EXPECT_TRUE(TEM_CUPOM_ABERTO(t.ctx));
  const sim::FiscalMemory opened = t.memory();
  Answer coo = run("NRO_CUPOM");
  ASSERT_TRUE(coo.ok);
  EXPECT_EQ(coo.number, Decimal(opened.receipt->coo));
  Answer ccf = run("NRO_CCF_CUPOM");
  ASSERT_TRUE(ccf.ok);
  // Read as the next CCF: the sale takes one off for the open receipt's.
  EXPECT_EQ(ccf.text, digits(opened.receipt->ccf + 1, 6));

  auto sell = [&](const char* code, const char* rate, const char* price, const char* quantity) {
    g.WCOD_ITEM_BARRA = Decimal::of(code);
    g.WDESCR = std::string("ITEM ") + code;
    g.WSITUA = rate;
    g.WVALOR = Decimal::of(price);
    g.WQUANTPRODU = Decimal::of(quantity);
    return run("VEN_ITEM").ok;
  };
  ASSERT_TRUE(sell("7891234567895", "1800", "2.99", "1.5"));
  t.script().ok("Aliquota NAO Programada/Cadastrada no ECF").ok("Não Conseguiu Vender o Item");
  EXPECT_FALSE(sell("7891234567896", "2500", "10.00", "2"));
  ASSERT_TRUE(sell("7891234567896", "1200", "10.00", "2"));

  g.WTIDESCACRES = "D";
  g.WTIPODESCAC = "%";
  g.NDESC = 10;
  ASSERT_TRUE(run("INIC_FECHAMENTO").ok);
  g.NPAGOD = 50;
  ASSERT_TRUE(run("PAGO_DINHEIRO").ok);
  EXPECT_EQ(g.WDESCFORMA, g.V_DPRESTD);
  g.WVALDESC = "000010.0000";
  g.WTOTALVALOR = Decimal::of("22.04");
  g.WMES = "VOLTE SEMPRE";
  g.WLIN1 = "VOLTE SEMPRE";
  ASSERT_TRUE(run("IMP_RODAPE").ok);
  EXPECT_FALSE(TEM_CUPOM_ABERTO(t.ctx));

  // 2,99 x 1,5 = 4,49 and 10,00 x 2 = 20,00; 10 % off 24,49 is 2,45.
  const sim::FiscalMemory sold = t.memory();
  ASSERT_TRUE(sold.last.has_value());
  EXPECT_EQ(sold.last->items.size(), 2u);
  EXPECT_EQ(sold.last->total(), 2204);
  EXPECT_EQ(sold.gt, before.gt + 2449);
  EXPECT_TRUE(t.roll_has({"TOTAL R$", "22,04"}));
  EXPECT_TRUE(t.roll_has({"TROCO R$", "27,96"}));
  EXPECT_TRUE(t.roll_has({"DESCONTO", "2,45"}));
  EXPECT_TRUE(t.roll_has({"VOLTE SEMPRE"}));
  EXPECT_EQ(run("NRO_CUPOM").number, Decimal(sold.coo));
  if (!bematech) {
    EXPECT_EQ(run("GRANDE_TOTAL").number, Decimal::from_units(sold.gt, 2));
    EXPECT_EQ(run("VENDA_DIARIA_ACUMULADA").number, Decimal::of("24.49"));
  }

  g.WDATA = t.clock.now().date;
  ASSERT_TRUE(run("REDUCAO_Z").ok);
  EXPECT_TRUE(g.VRETORIMPRE);
  const sim::FiscalMemory closed = t.memory();
  ASSERT_EQ(closed.zs.size(), 2u);

  Answer data = run("DADOS_ULTIMA_REDUCAO_Z");
  ASSERT_TRUE(data.ok);
  ASSERT_EQ(data.text.size(), epson ? kEpsonZDataWidth : kZDataWidth);
  const std::string z = z_data_631(make_of(g), data.text);
  ASSERT_EQ(z.size(), kZDataWidth);
  EXPECT_EQ(z.substr(0, 2), "00") << "commanded";
  EXPECT_EQ(z.substr(7, 14), digits(sold.gt, 14));
  EXPECT_EQ(z.substr(37, 14), digits(245, 14));
  EXPECT_EQ(z.substr(578, 6), digits(closed.coo, 6));
  EXPECT_EQ(z.substr(592, 2), "04");
  EXPECT_EQ(z.substr(595, 6), "111226");
  if (epson) {
    EXPECT_EQ(data.text.substr(1159, 8), "11122026");
  }

  EXPECT_EQ(run("NUMERO_REDUCOES_Z").text, "0002");
  EXPECT_EQ(run("DATA_ULTIMA_REDUCAO_Z").text, "111226103000");
  if (classic) {
    EXPECT_EQ(run("DATA_MOVIM_REDUCAO_Z").text, "111226");
  }
  if (make == "DA" || make == "SW") {
    const Answer start = run("GT_INICIAL_ULT_REDUCAO_Z"), end = run("GT_FINAL_ULT_REDUCAO_Z");
    ASSERT_TRUE(start.ok && end.ok);
    EXPECT_EQ(end.number, Decimal::from_units(sold.gt, 2));
    EXPECT_EQ(end.number - start.number, Decimal::of("24.49"));
  }
  if (classic) t.script().ok("Ja foi Efetuada a Reducao Z neste Movimento.");
  const Answer done = run("JA_REDUCAO_Z");
  EXPECT_TRUE(done.ok);
  EXPECT_EQ(done.yes, classic);

  t.screen.expect_done();
  EXPECT_FALSE(t.screen.input_blocked());
  EXPECT_FALSE(g.VTECLADO_TRAVADO);
}

INSTANTIATE_TEST_SUITE_P(Makes, Road, ::testing::Values("BE", "DA", "SW", "EP"));

}  // namespace
}  // namespace zelto::ecf::testing
