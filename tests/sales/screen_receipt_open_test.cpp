// Opening a receipt: each check refusing with its message and leaving the
// printer without a receipt, the opening itself, and a receipt whose
// numbers the printer does not give.

#include <functional>

#include "app/startup_hooks.hpp"
#include "ecf/core/session.hpp"
#include "ecf/impresso.hpp"
#include "sales/receipt_open.hpp"
#include "sales/receipt_start.hpp"
#include "sales/sales_screen.hpp"
#include "sales/sales_window.hpp"
#include "screen_fixture.hpp"

namespace zelto::sales {
namespace {

using testing::CheckoutCtx;

struct Opening : CheckoutCtx {
  Opening() { OLD_TELA_DE_VENDA(ctx, {}); }
  bool printer_receipt_open() { return ecf::TEM_CUPOM_ABERTO(ctx); }
};

struct Refusal {
  const char* name;
  std::function<void(Opening&)> arrange;
  std::vector<std::string> boxes;  // what the operator is told, in order
};

std::vector<Refusal> refusals() {
  const std::string gt = "GT esta Diferentem, Nao Pode Continuar !!!!\n\n00000000000.00  --  00000000123.45";
  return {
      {"no cash period", [](Opening& fx) { fx.g.WABERTCAIXA.clear(); },
       {"Nao Existe nenhum caixa de usuario aberto"}},
      {"the cash period ended before now",
       [](Opening& fx) {
         xbase::Table& re = fx.db.area("RE");
         re.go_top();
         re.rlock();
         re.put("C105", *runtime::Date::ymd(2026, 12, 11));
         re.put("C106", "09:00");
         re.unlock();
       },
       {"A hora atual esta fora do caixa de 11/12/2026-06:00 ate 11/12/2026-09:00"}},
      {"the day's Z already made",
       [](Opening& fx) {
         ecfsim::run_command(fx.dir.path(), ecfsim::Make::BE, ecfsim::CallKind::Command,
                             [](ecfsim::Printer& p) { return p.z_reduction(); });
       },
       {"Ja foi Efetuada a Reducao Z neste Movimento."}},
      {"no daily record for today",
       [](Opening& fx) {
         xbase::Table& pd = fx.db.area("PD");
         pd.go_top();
         pd.rlock();
         pd.put("DATA", *runtime::Date::ymd(2026, 12, 10));
         pd.unlock();
       },
       {" -- A T E N C A O    O ECF Esta Fechado   Faca a Sua Abertura."}},
      {"the day closed",
       [](Opening& fx) {
         xbase::Table& pd = fx.db.area("PD");
         pd.go_top();
         pd.rlock();
         pd.put("SITUACAO", "F");
         pd.unlock();
       },
       {" -- A T E N C A O    O ECF Esta Fechado   Faca a Sua Abertura."}},
      {"client not registered", [](Opening& fx) { fx.g.WCLIENTEPAD = core::Decimal(77); },
       {"Cliente nao encontrado !!! \"000077\""}},
      {"another printer's fingerprint", [](Opening& fx) { fx.g.VNUMSERIEIMPRESSORA = "DA0001"; },
       {std::string("Numero de Serie Diferente.: ") + testing::kSerial + "\nDA0001"}},
      {"grand total differs, no Z to recompose by",
       [](Opening& fx) {
         store::write_fingerprint(fx.dir.path(),
                                  {store::ENCRYPT(testing::kFileListDigest), store::ENCRYPT("00000000123.45"),
                                   store::ENCRYPT(testing::kSerial)});
       },
       {gt, gt}},
  };
}

TEST(ReceiptOpening, EachCheckRefusesWithItsMessageAndOpensNothing) {
  for (const Refusal& r : refusals()) {
    SCOPED_TRACE(r.name);
    Opening fx;
    r.arrange(fx);
    for (const std::string& b : r.boxes) fx.script().ok(b);
    EXPECT_FALSE(ABRE_CUPOM(fx.ctx));
    EXPECT_EQ(fx.boxes(), r.boxes);
    EXPECT_TRUE(fx.script().empty());
    EXPECT_FALSE(fx.printer_receipt_open());
    EXPECT_FALSE(fx.g.WCUPOM_SEM_NUMERO);
    EXPECT_FALSE(fx.run.end_requested);
    EXPECT_EQ(fx.window().text(names::kBanner), " C A I X A    L I V R E ");
  }
}

// The fresh printer's last Z (CRZ 1, CRO 1, movement 10/12/2026, no sales)
// against the daily record of that movement.
void add_day_of_last_z(Opening& fx, int credz) {
  xbase::Table& pd = fx.db.area("PD");
  pd.append_blank();
  pd.put("DATA", *runtime::Date::ymd(2026, 12, 10));
  pd.put("PDV", "001");
  pd.put("SITUACAO", "F");
  pd.put("CREDZ", core::Decimal(credz));
  pd.put("CRO", "000001");
  pd.put("VENDABRUTA", core::Decimal(0));
  pd.unlock();
}

void store_other_grand_total(Opening& fx) {
  store::write_fingerprint(fx.dir.path(), {store::ENCRYPT(testing::kFileListDigest), store::ENCRYPT("00000000123.45"),
                                           store::ENCRYPT(testing::kSerial)});
}

TEST(ReceiptOpening, AGrandTotalTheLastZExplainsIsRecomposedAndTheRunEnds) {
  Opening fx;
  app::read_fingerprint_serial(fx.ctx);  // the fingerprint files ask the printer from here on
  add_day_of_last_z(fx, 1);
  store_other_grand_total(fx);
  fx.script().ok("GT esta Diferentem, Nao Pode Continuar !!!!\n\n00000000000.00  --  00000000123.45");
  fx.script().ok("Conseguiu Recompor o G.T.\nAcesse Novamente o Sistema !!!!");
  EXPECT_FALSE(ABRE_CUPOM(fx.ctx));
  EXPECT_TRUE(fx.script().empty());
  EXPECT_TRUE(fx.run.end_requested);
  EXPECT_FALSE(fx.printer_receipt_open());
  EXPECT_EQ(store::DECRYPT(store::RETORNA_GT_ARQUIVO_TXT(fx.ctx)), "00000000000.00");
}

TEST(ReceiptOpening, AGrandTotalTheLastZDoesNotExplainIsRefused) {
  Opening fx;
  app::read_fingerprint_serial(fx.ctx);
  add_day_of_last_z(fx, 7);
  store_other_grand_total(fx);
  const std::string gt = "GT esta Diferentem, Nao Pode Continuar !!!!\n\n00000000000.00  --  00000000123.45";
  fx.script().ok(gt).ok("Nao Conseguiu Recompor").ok(gt);
  EXPECT_FALSE(ABRE_CUPOM(fx.ctx));
  EXPECT_TRUE(fx.script().empty());
  EXPECT_FALSE(fx.run.end_requested);
  EXPECT_EQ(store::DECRYPT(store::RETORNA_GT_ARQUIVO_TXT(fx.ctx)), "00000000123.45");
}

TEST(ReceiptOpening, AStoredSerialThatGoesOnStillPasses) {
  Opening fx;
  fx.g.VNUMSERIEIMPRESSORA = "BE0910101000";
  EXPECT_TRUE(ABRE_CUPOM(fx.ctx));
  EXPECT_TRUE(fx.printer_receipt_open());
}

TEST(ReceiptOpening, OpensTheReceiptAndItsStartGoesOnRecord) {
  Opening fx;
  const int coo_before = fx.memory().coo;
  ASSERT_TRUE(ABRE_CUPOM(fx.ctx));
  EXPECT_TRUE(fx.printer_receipt_open());
  // Nothing goes into the receipt before its numbers are read.
  EXPECT_TRUE(fx.g.WCUPOM_SEM_NUMERO);
  EXPECT_TRUE(fx.boxes().empty());

  ASSERT_TRUE(start_receipt_record(fx.ctx));
  EXPECT_FALSE(fx.g.WCUPOM_SEM_NUMERO);
  EXPECT_EQ(fx.g.WAUXNUM, core::Decimal(coo_before + 1));
  xbase::Table& ro = fx.db.area("RO");
  ro.go_top();
  ASSERT_FALSE(ro.eof());
  EXPECT_EQ(ro.text("C125"), runtime::strzero(fx.g.WAUXNUM, 8));
  EXPECT_EQ(ro.text("C127"), "A");
  EXPECT_EQ(ro.text("C036"), "000001");
  EXPECT_EQ(ro.text("NUMERSERIE").substr(0, 20), testing::kSerial);
  xbase::Table& nv = fx.db.area("NV");
  nv.go_top();
  EXPECT_EQ(nv.text("C777"), runtime::strzero(fx.g.WAUXNUM, 8));
  EXPECT_EQ(nv.text("C778"), "A");
  // The work table is still empty: the line is sold after this.
  fx.db.area("IO").go_top();
  EXPECT_TRUE(fx.db.area("IO").eof());
}

TEST(ReceiptOpening, AReceiptWhoseNumberCannotBeReadTakesNoLineUntilItIs) {
  Opening fx;
  ASSERT_TRUE(ABRE_CUPOM(fx.ctx));
  // The printer refuses the next command: the receipt number query.
  ecfsim::Faults f;
  f.fail = 1;
  f.fail_code = 1;
  fx.faults(f);
  fx.script().ok(
      "O Cupom foi aberto na impressora, mas nao foi possivel ler o seu numero (COO/CCF). Nenhum item sera "
      "registrado ate que o numero seja lido ou o Cupom seja cancelado.");
  EXPECT_FALSE(start_receipt_record(fx.ctx));
  EXPECT_TRUE(fx.g.WCUPOM_SEM_NUMERO);
  xbase::Table& ro = fx.db.area("RO");
  ro.go_top();
  EXPECT_TRUE(ro.eof());
  // The receipt is still open on the printer; its number is read on the
  // next try and the receipt goes on record.
  EXPECT_TRUE(fx.printer_receipt_open());
  EXPECT_TRUE(settle_receipt_without_number(fx.ctx));
  EXPECT_FALSE(fx.g.WCUPOM_SEM_NUMERO);
  ro.go_top();
  EXPECT_FALSE(ro.eof());
}

}  // namespace
}  // namespace zelto::sales
