// Lines sold through the sales window's entry row, played by the same
// script text zeltoecf-script plays, against the emulated printer: the
// three layouts, barcodes, codes and scale labels, the refusals, and the
// records each sold line leaves (IO, PC, RO, NV) agreeing with the paper.

#include <gtest/gtest.h>

#include "items_fixture.hpp"
#include "platform/runtime/text.hpp"
#include "sales/receipt_start.hpp"
#include "sales/sales_window.hpp"

namespace zelto::sales::items_testing {
namespace {

using runtime::trim;

std::string q(const std::string& text) { return text + " ?     "; }

constexpr const char* kNumberUnread =
    "O Cupom foi aberto na impressora, mas nao foi possivel ler o seu numero (COO/CCF). Nenhum item sera "
    "registrado ate que o numero seja lido ou o Cupom seja cancelado.";

TEST(ItemSale, BarcodeCodeQuantityAndScaleLabelAgreeWithThePaperAndTheRecords) {
  ItemsCtx t(scale_labels_on);
  t.play("type \"" + kRice + "\"\npress Enter\n"  // a scan sells one at once
         "type \"2\"\npress Enter\n"              // by its code
         "press Up\ntype \"3\"\npress Enter\ntype \"2\"\npress Enter\n"  // three more
         "type \"2001230012509\"\npress Enter\n"  // 1,250 kg of item 1230
         "focus \"WCODIGITEM\"\n");

  ASSERT_TRUE(t.memory().receipt) << "the receipt stays open for more lines";
  const long coo = t.memory().receipt->coo;
  EXPECT_EQ(t.column("IO", "C012"), (std::vector<std::string>{"00000001", "00000002", "00000002", "00001230"}));
  EXPECT_EQ(t.column("IO", "C400"), (std::vector<std::string>{"0001", "0002", "0003", "0004"}));

  xbase::Table& pc = t.db.area("PC");
  pc.set_order(0);
  std::vector<std::string> lines;
  for (pc.go_top(); !pc.eof(); pc.skip()) {
    EXPECT_TRUE(store::seal_holds(pc)) << pc.text("C012");
    EXPECT_EQ(pc.text("C125"), runtime::strzero(coo, 8));
    EXPECT_EQ(pc.text("C138"), "A");
    EXPECT_EQ(trim(pc.text("NUMERSERIE")), t.g.VNUMSERIEIMPRESSORA);
    lines.push_back(pc.text("C012") + " " + trim(runtime::str(pc.number("C133"), 12, 3)) + " " +
                    trim(runtime::str(pc.number("C134"), 12, 2)) + " " + trim(pc.text("C139")) + " " +
                    trim(runtime::str(pc.number("C136"), 8)));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"00000001 1.000 23.90 1800 1", "00000002 1.000 8.49 1200 2",
                                             "00000002 3.000 25.47 1200 3", "00001230 1.250 49.88 0700 4"}));

  xbase::Table& ro = t.db.area("RO");
  ASSERT_EQ(t.count("RO"), 1);
  ro.go_top();
  EXPECT_EQ(ro.text("C125"), runtime::strzero(coo, 8));
  EXPECT_EQ(ro.text("C127"), "A");
  EXPECT_EQ(ro.number("C130"), Decimal::of("57.86")) << "the subtotal before the last line";
  EXPECT_TRUE(store::seal_holds(ro));
  EXPECT_EQ(t.g.WTOTALVALOR, Decimal::of("107.74"));
  xbase::Table& nv = t.db.area("NV");
  nv.go_top();
  EXPECT_EQ(nv.text("C777"), runtime::strzero(coo, 8));
  EXPECT_EQ(nv.text("C778"), "A");

  EXPECT_TRUE(t.roll_has({"ARROZ TIPO 1 5KG"}));
  EXPECT_TRUE(t.roll_has({"FEIJAO CARIOCA 1KG"}));
  EXPECT_TRUE(t.roll_has({"QUEIJO MINAS FRESCAL"}));
  EXPECT_TRUE(t.roll_has({kRice}));
  EXPECT_EQ(t.g.WSEQUEITEM, Decimal(5));

  // The fingerprint file follows the printer's grand total line by line
  // (the emulated printer adds a receipt to it when the receipt closes).
  const ecf::Answer total = ecf::IMP_FISCAL(t.ctx, "GRANDE_TOTAL");
  ASSERT_TRUE(total.ok);
  EXPECT_EQ(store::DECRYPT(store::RETORNA_GT_ARQUIVO_TXT(t.ctx)), store::grand_total_text(total.number));
}

TEST(ItemSale, RefusalsLeaveNothingBehind) {
  ItemsCtx t;
  t.play("type \"5\"\npress Enter\n"
         "ok \"Este Item esta desativado e nao pode ser vendido.\"\n"
         "type \"" + kSoap + "\"\npress Enter\n"
         "ok \"O Tipo de Aliquota/Configuracao \\\"2500\\\" nao esta nas aliquotas ou Configurado\"\n"
         "type \"9\"\npress Enter\n"  // service tax: the printer has no 00.00
         "ok \"O Tipo de Aliquota/Configuracao \\\"IS\\\" nao esta nas aliquotas ou Configurado\"\n"
         "type \"99999\"\npress Enter\n"
         "expect \"Nao achou o Produto.\"\n"
         "answer \"" + q("Codigo Incorreto, Digite \\\"S\\\" para Retornar") + "\" no\n"
         "answer \"" + q("Codigo Incorreto, Digite \\\"S\\\" para Retornar") + "\" yes\n"
         "type \"10\"\npress Enter\n"
         "expect \"Nao pode vender este produto, nao possui preco de venda\"\n"
         "answer \"" + q("Codigo Incorreto, Digite \\\"S\\\" para Retornar") + "\" yes\n"
         "press Up\ntype \"1000.001\"\npress Enter\ntype \"1\"\npress Enter\n"
         "answer \"" + q("A Quantidade vendida nao pode ser maior que 1000.000 Digite S para Continar") + "\" no\n"
         "answer \"" + q("A Quantidade vendida nao pode ser maior que 1000.000 Digite S para Continar") + "\" yes\n"
         "press Up\ntype \"1000\"\npress Enter\ntype \"1\"\npress Enter\n"
         "focus \"WCODIGITEM\"\n");
  EXPECT_EQ(t.count("PC"), 1) << "only the quantity at the limit was sold";
  EXPECT_EQ(t.count("IO"), 1);
  xbase::Table& pc = t.db.area("PC");
  pc.go_top();
  EXPECT_EQ(pc.number("C133"), Decimal(1000));
  EXPECT_EQ(pc.number("C134"), Decimal::of("23900.00"));
}

TEST(ItemSale, BarcodeCheckModes) {
  const struct {
    const char* mode;
    std::string code;
    std::string steps;  // what the check asks
    int sold;
  } cases[] = {
      {" ", kBadBarcode, "", 1},
      {"N", kBadBarcode, "", 1},
      {"S", kBadBarcode, "expect \"Este Codigo de Barra e Errado ...\"\n", 0},
      {"P", kBadBarcode, "answer \"" + q("Este Codigo de Barra e Errado, Confirma assim mesmo") + "\" no\n", 0},
      {"P", kBadBarcode, "answer \"" + q("Este Codigo de Barra e Errado, Confirma assim mesmo") + "\" yes\n", 1},
      {"S", kRice, "", 1},
      {"S", "12", "", 1},  // a code of up to 8 digits is not a barcode to judge
  };
  for (const auto& c : cases) {
    ItemsCtx t([&](core::Globals& g) { g.W_CBARVEN = c.mode; });
    t.play("type \"" + c.code + "\"\npress Enter\n" + c.steps);
    EXPECT_EQ(t.count("PC"), c.sold) << "mode \"" << c.mode << "\" code " << c.code;
    if (c.steps.find("Errado") != std::string::npos) {
      EXPECT_EQ(t.screen.window(app::kSalesWindow)->text(names::kItemDescription), "PAO DE FORMA")
          << "the item the wrong barcode leads to is shown";
    }
  }
}

TEST(ItemSale, ItemFirstAndValueLayouts) {
  {
    ItemsCtx t([](core::Globals& g) { g.WLER_ITEM_PRIMEIRO = false; });
    t.play("type \"2\"\npress Enter\nfocus \"WQUANTPRODU\"\ntype \"2.5\"\npress Enter\nfocus \"WCODIGITEM\"\n");
    ASSERT_EQ(t.count("PC"), 1);
    t.db.area("PC").go_top();
    EXPECT_EQ(t.db.area("PC").number("C133"), Decimal::of("2.5"));
    EXPECT_EQ(t.db.area("PC").number("C134"), Decimal::of("21.23"));  // 21.225 rounded
  }
  for (const char* rounding : {"A", "T"}) {
    ItemsCtx t([&](core::Globals& g) {
      g.WLE_VALOR_TOTAL = true;
      g.W_ARREDON = rounding;
    });
    // Up from the value goes back to the item code without selling.
    t.play("type \"6\"\npress Enter\nfocus \"WVALORPRODU\"\npress Up\nfocus \"WCODIGITEM\"\n");
    EXPECT_EQ(t.count("PC"), 0);
    t.play("press Enter\nfocus \"WVALORPRODU\"\ntype \"10.00\"\npress Enter\nfocus \"WCODIGITEM\"\n");
    ASSERT_EQ(t.count("PC"), 1) << rounding;
    xbase::Table& pc = t.db.area("PC");
    pc.go_top();
    EXPECT_EQ(pc.number("C133"), Decimal::of("3.333")) << rounding;
    EXPECT_EQ(pc.number("C134"), Decimal::of(std::string(rounding) == "A" ? "10.00" : "9.99")) << rounding;
    EXPECT_EQ(trim(pc.text("C139")), "FF");
  }
}

TEST(ItemSale, AReceiptLeftOpenByAnEarlierRunIsRefusedAtTheFirstLine) {
  ItemsCtx t;
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "ABRIR_CUPOM").ok);
  t.play("type \"1\"\npress Enter\nok \"Existe Cupom em Aberto, Providenciar o Cancelamento\"\n");
  EXPECT_EQ(t.count("PC"), 0);
  EXPECT_EQ(t.count("RO"), 0);
  // Once it is cancelled the same line opens a receipt of its own.
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "CANCELA_CUPOM").ok);
  t.play("type \"1\"\npress Enter\n");
  EXPECT_EQ(t.count("PC"), 1);
  EXPECT_EQ(t.count("RO"), 1);
}

TEST(ItemSale, APrintingThatFailsRecordsNothingAndTheNextLineGoesIntoTheOpenReceipt) {
  // The rates on record say 25 %, the printer has no such rate: it refuses
  // the line after the receipt was opened for it.
  ItemsCtx t([](core::Globals& g) { g.VALIQUOTAS = "+NN+II+FF+A01-18.00+A02-12.00+A03-07.00+A04-05.00+A05-25.00+"; });
  const std::string refused =
      "ok \"Aliquota NAO Programada/Cadastrada no ECF\"\nok \"Não Conseguiu Vender o Item\"\n";
  t.play("type \"" + kSoap + "\"\npress Enter\n" + refused + "answer \"" +
         q("Impressora Nao Responde, Tentar Novamente") + "\" yes\n" + refused + "answer \"" +
         q("Impressora Nao Responde, Tentar Novamente") + "\" no\n");
  ASSERT_TRUE(t.memory().receipt);
  const long coo = t.memory().receipt->coo;
  EXPECT_EQ(t.count("PC"), 0);
  EXPECT_EQ(t.count("IO"), 0);
  EXPECT_EQ(t.count("RO"), 1) << "the receipt opened for the line keeps its record";

  t.play("type \"1\"\npress Enter\n");
  ASSERT_TRUE(t.memory().receipt);
  EXPECT_EQ(t.memory().receipt->coo, coo) << "no second opening";
  EXPECT_EQ(t.count("RO"), 1);
  ASSERT_EQ(t.count("PC"), 1);
  xbase::Table& pc = t.db.area("PC");
  pc.go_top();
  EXPECT_EQ(pc.text("C125"), runtime::strzero(coo, 8));
  EXPECT_EQ(pc.number("C136"), Decimal(1));
}

TEST(ItemSale, NoLineGoesIntoAReceiptWhoseNumberCouldNotBeRead) {
  ItemsCtx t;
  t.g.WWPRI_ACESSO = false;
  // The printer holds a receipt the program could not number.
  ASSERT_TRUE(ecf::IMP_FISCAL(t.ctx, "ABRIR_CUPOM").ok);
  t.g.WCUPOM_SEM_NUMERO = true;
  t.g.WAUXNUM = Decimal(0);
  // Still unreadable at the next line (the printer answers the receipt is
  // open, then its answers come back blank): refused, nothing written.
  t.faults(ecf::testing::fault([](ecfsim::Faults& f) {
    f.after = 1;
    f.lose = 50;
  }));
  t.play("type \"1\"\npress Enter\nok \"" + std::string(kNumberUnread) + "\"\n");
  EXPECT_TRUE(t.g.WCUPOM_SEM_NUMERO);
  EXPECT_EQ(t.count("RO"), 0);
  EXPECT_EQ(t.count("PC"), 0);
  EXPECT_EQ(t.count("IO"), 0);
  t.faults({});
  // Asked again at the next line, the number is read: the receipt gets its
  // records and the line goes in.
  t.play("type \"1\"\npress Enter\n");
  EXPECT_FALSE(t.g.WCUPOM_SEM_NUMERO);
  ASSERT_EQ(t.count("RO"), 1);
  ASSERT_EQ(t.count("PC"), 1);
  t.db.area("RO").go_top();
  EXPECT_EQ(t.db.area("RO").text("C125"), runtime::strzero(t.memory().receipt->coo, 8));
}

}  // namespace
}  // namespace zelto::sales::items_testing
