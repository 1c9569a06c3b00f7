// The recording of a closed receipt: the receipt record closed and sealed,
// the stock lowered, the payment, the card document, the cash movements or
// the instalments, and the work tables emptied; the tables agreeing with
// the printer.

#include <gtest/gtest.h>

#include "recording_fixture.hpp"

namespace zelto::sales::recording_testing {
namespace {

void close_and_record(ReceiptCtx& t, char letter) {
  ASSERT_TRUE(IMP_LAYOUT(t.ctx));
  GR_CUPOM(t.ctx, letter);
}

TEST(ReceiptRecording, CashWithChange) {
  ReceiptCtx t;
  t.paid_in_cash(d("40.88"), d("50.00"));
  close_and_record(t, 'D');

  xbase::Table& ro = t.first("RO");
  EXPECT_EQ(ro.text("C127"), "F");
  EXPECT_EQ(ro.number("C130"), d("40.88"));
  EXPECT_EQ(ro.number("TROCO"), d("9.12"));
  EXPECT_EQ(ro.text("C_001"), "D");
  EXPECT_EQ(ro.number("C131"), Decimal(0));
  EXPECT_EQ(ro.number("C132"), Decimal(0));
  EXPECT_TRUE(store::seal_holds(ro));
  EXPECT_FALSE(ro.holds_lock(ro.recno())) << "released once sealed";
  EXPECT_EQ(t.first("NV").text("C778"), "F");

  EXPECT_EQ(t.stock("00000001"), Decimal(-1));
  EXPECT_EQ(t.stock("00000002"), Decimal(-2));
  EXPECT_TRUE(t.item_sealed("00000002"));

  ASSERT_EQ(t.count("Y2"), 1);
  xbase::Table& y2 = t.first("Y2");
  EXPECT_EQ(y2.text("C125"), runtime::strzero(t.coo, 8));
  EXPECT_EQ(y2.text("C254"), "D   ");
  EXPECT_EQ(trim(y2.text("C255")), "Dinheiro");
  EXPECT_EQ(y2.number("C361"), d("40.88"));
  EXPECT_EQ(y2.number("TROCO"), d("9.12"));
  EXPECT_TRUE(store::seal_holds(y2));
  EXPECT_EQ(t.count("Y4"), 0);

  ASSERT_EQ(t.count("MV"), 1);
  xbase::Table& mv = t.first("MV");
  EXPECT_EQ(mv.text("C130"), "DI");
  EXPECT_EQ(mv.number("C076"), d("50.00")) << "the amount tendered";
  EXPECT_EQ(trim(mv.text("C091")), "VENDA 11/12/2026 CUPOM " + runtime::strzero(t.coo, 8));
  EXPECT_EQ(mv.text("C077"), "000001");
  EXPECT_EQ(mv.text("C125"), "6");
  EXPECT_EQ(t.first("NV").number("C780"), Decimal(1));
  EXPECT_EQ(t.count("CR"), 0);

  for (const char* work : {"IO", "P2", "Y3"}) EXPECT_EQ(t.count(work), 0) << work;
  EXPECT_FALSE(t.memory().receipt);
}

TEST(ReceiptRecording, ChequeAndTicketEachMakeAMovementInOrder) {
  ReceiptCtx t;
  t.paid_in_cash(d("40.88"), d("0"));
  t.g.NPAGOD = d("10.00");
  t.g.NPAGOC = d("20.00");
  t.g.NPAGOT = d("10.88");
  t.g.WTROCO = Decimal(0);
  close_and_record(t, 'D');
  EXPECT_EQ(t.column("MV", "C130"), (std::vector<std::string>{"DI", "CH", "TI"}));
  EXPECT_EQ(t.column("MV", "C077"), (std::vector<std::string>{"000001", "000002", "000003"}));
}

TEST(ReceiptRecording, AdjustmentsAreRecordedAsMoney) {
  struct Case {
    const char* name;
    const char* mode;  // WVALORPERCENTUAL
    const char* kind;  // NTIDES
    const char* ndesc;
    const char* total;
    const char* discount;
    const char* surcharge;
  } cases[] = {
      {"fixed discount", "V", "D", "5.00", "35.88", "5.00", "0"},
      {"fixed surcharge", "V", "A", "5.00", "45.88", "0", "5.00"},
      {"10 % discount", "P", "D", "10", "36.79", "4.09", "0"},
      {"10 % surcharge", "P", "A", "10", "44.97", "0", "4.09"},
  };
  for (const Case& c : cases) {
    ReceiptCtx t;
    t.paid_in_cash(d(c.total), d(c.total));
    t.g.WVALORPERCENTUAL = c.mode;
    t.g.NTIDES = c.kind;
    t.g.NDESC = d(c.ndesc);
    GR_CUPOM(t.ctx, 'D');  // the printer's side is the payment screen's
    xbase::Table& ro = t.first("RO");
    EXPECT_EQ(ro.number("C130"), d(c.total)) << c.name;
    EXPECT_EQ(ro.number("C131"), d(c.discount)) << c.name;
    EXPECT_EQ(ro.number("C132"), d(c.surcharge)) << c.name;
    EXPECT_EQ(ro.text("C131D"), "V") << c.name;
    EXPECT_TRUE(store::seal_holds(ro)) << c.name;
    xbase::Table& y2 = t.first("Y2");
    EXPECT_EQ(y2.number("C361"), d(c.total)) << c.name << ": what was paid";
    EXPECT_EQ(y2.number("C261"), d(c.discount)) << c.name;
  }
}

TEST(ReceiptRecording, APlainSaleIsCashACreditSaleItsInstalments) {
  {
    ReceiptCtx t;
    t.paid_in_cash(d("40.88"), d("40.88"));
    t.g.W_VISTA = " ";  // nothing asked about credit
    GR_CUPOM(t.ctx, 'D');
    EXPECT_EQ(t.count("MV"), 1);
    EXPECT_EQ(t.count("CR"), 0);
  }
  ReceiptCtx t;
  t.paid_in_cash(d("100.00"), d("0"));
  t.g.NPAGOD = Decimal(0);
  t.g.W_VISTA = "P";
  xbase::Table& p2 = t.db.area("P2");
  const char* amounts[] = {"33.34", "33.33", "33.33"};
  for (int i = 0; i < 3; ++i) {
    p2.append_blank();
    p2.put("C451", runtime::strzero(Decimal(i + 1), 2));
    p2.put("C130", "DP");
    p2.put("C452", "000001-" + std::to_string(i + 1));
    p2.put("C453", *runtime::Date::ymd(2027, 1 + i, 10));
    p2.put("C454", d(amounts[i]));
  }
  GR_CUPOM(t.ctx, 'D');
  EXPECT_EQ(t.count("MV"), 0);
  ASSERT_EQ(t.count("CR"), 3);
  EXPECT_EQ(t.column("CR", "C451"), (std::vector<std::string>{"01", "02", "03"}));
  xbase::Table& cr = t.first("CR");
  Decimal sum;
  for (; !cr.eof(); cr.skip()) {
    EXPECT_EQ(cr.text("C125"), runtime::strzero(t.coo, 8));
    EXPECT_EQ(trim(cr.text("NUMERSERIE")), t.g.VNUMSERIEIMPRESSORA);
    sum += cr.number("C454");
  }
  EXPECT_EQ(sum, d("100.00"));
  EXPECT_EQ(t.count("P2"), 0);
}

TEST(ReceiptRecording, ACreditSaleWithoutInstalmentsStillOwesItsTotal) {
  ReceiptCtx t;
  t.paid_in_cash(d("100.00"), d("0"));
  t.g.NPAGOD = Decimal(0);
  t.g.W_VISTA = "P";
  GR_CUPOM(t.ctx, 'D');
  EXPECT_EQ(t.count("MV"), 0);
  ASSERT_EQ(t.count("CR"), 1);
  xbase::Table& cr = t.first("CR");
  EXPECT_EQ(cr.text("C451"), "01");
  EXPECT_EQ(cr.number("C700"), d("100.00"));
  EXPECT_EQ(cr.date("C453"), t.clock.now().date);
  EXPECT_EQ(cr.text("C125"), runtime::strzero(t.coo, 8));
}

TEST(ReceiptRecording, ACardPaymentWritesItsDocument) {
  ReceiptCtx t;
  t.paid_in_cash(d("40.88"), d("0"));
  t.g.NPAGOD = Decimal(0);
  t.g.WDESCFORMA = "Cartao";
  ASSERT_TRUE(IMP_LAYOUT(t.ctx));
  GR_CUPOM(t.ctx, 'A');
  ASSERT_EQ(t.count("Y4"), 1);
  xbase::Table& y4 = t.first("Y4");
  EXPECT_EQ(y4.text("SIMBOLO"), "CC");
  EXPECT_EQ(y4.text("NROCOO"), runtime::strzero(Decimal(t.coo + 1), 6));
  EXPECT_EQ(y4.text("NROGRG"), "000000");
  EXPECT_TRUE(store::seal_holds(y4));
  EXPECT_EQ(t.first("Y2").text("C254"), "A   ");
}

TEST(ReceiptRecording, CancelledLinesKeepTheStockABrokenSealStaysBroken) {
  ReceiptCtx t;
  // The rice line cancelled; the beans' item altered outside the program.
  xbase::Table& pc = t.first("PC");
  pc.rlock();
  pc.put("C138", "C");
  store::write_seal(pc);
  pc.unlock();
  pc.flush();
  xbase::Table& it = t.db.area("IT");
  it.set_order(1);
  it.seek("00000002");
  it.rlock();
  it.put("C031", d("1.00"));
  it.unlock();
  it.flush();
  t.paid_in_cash(d("16.98"), d("16.98"));
  GR_CUPOM(t.ctx, 'D');
  EXPECT_EQ(t.stock("00000001"), Decimal(0));
  EXPECT_EQ(t.stock("00000002"), Decimal(-2));
  EXPECT_FALSE(t.item_sealed("00000002"));
  EXPECT_TRUE(t.item_sealed("00000001"));
}

TEST(ReceiptRecording, TheDrawerOpensWhenSet) {
  ReceiptCtx t;
  t.paid_in_cash(d("40.88"), d("40.88"));
  t.g.WGAVETA = "S";
  const auto before = t.memory().drawer_openings;
  close_and_record(t, 'D');
  EXPECT_EQ(t.memory().drawer_openings, before + 1);
}

}  // namespace
}  // namespace zelto::sales::recording_testing
