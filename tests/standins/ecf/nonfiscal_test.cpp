// Documents besides the fiscal receipt: the card slip linked to a payment of
// the last receipt, the management report, withdrawals and supplies, reset.

#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

void paid_by_card(PrinterFolder& f, Cents card, Cents cash) {
  f.must([](Printer& p) { return p.open_receipt(""); });
  f.must([&](Printer& p) { return p.sell(item("1", "1800", card + cash)); });
  f.must([](Printer& p) { return p.subtotal(Adjustment{}); });
  f.must([&](Printer& p) { return p.pay("Cartao", card); });
  if (cash > 0) f.must([&](Printer& p) { return p.pay("Dinheiro", cash); });
  f.must([](Printer& p) { return p.close_receipt(""); });
}

TEST(LinkedReceipt, BelongsToAPaymentOfTheLastReceiptAndNoMore) {
  PrinterFolder f;
  paid_by_card(f, 3000, 1000);
  const int receipt_coo = f.memory().last->coo;
  struct Case {
    const char* what;
    std::string form;
    Cents amount;
    std::optional<int> coo;
    Refusal refusal;
  };
  const Case refused[] = {
      {"a form the printer lacks", "Vale", 1000, std::nullopt, Refusal::FormNotProgrammed},
      {"a form that takes no slips", "Dinheiro", 1000, std::nullopt, Refusal::Refused},
      {"a form the receipt was not paid with", "TecBan", 1000, std::nullopt, Refusal::Refused},
      {"more than the payment", "Cartao", 3001, std::nullopt, Refusal::Refused},
      {"another receipt", "Cartao", 1000, receipt_coo - 1, Refusal::Refused},
  };
  for (const auto& c : refused)
    EXPECT_EQ(f.run([&](Printer& p) { return p.open_linked(c.form, c.amount, c.coo); }).refusal, c.refusal) << c.what;

  f.must([&](Printer& p) { return p.open_linked("cartao", 2000, receipt_coo); });
  EXPECT_EQ(f.run([](Printer& p) { return p.open_receipt(""); }).refusal, Refusal::Refused);
  f.must([](Printer& p) { return p.linked_text(std::string(48, 'A') + "VIA DO CLIENTE\r\n"); });
  f.must([](Printer& p) { return p.close_linked(); });
  EXPECT_TRUE(f.roll_has(std::string(48, 'A')));
  EXPECT_TRUE(f.roll_has("VIA DO CLIENTE"));
  EXPECT_TRUE(f.roll_has(left_right("COO do documento vinculado:", digits(receipt_coo, 6), 48)));
  // 10.00 of the card payment is left for a second slip, and no more.
  EXPECT_EQ(f.run([](Printer& p) { return p.open_linked("Cartao", 1001, std::nullopt); }).refusal, Refusal::Refused);
  f.must([](Printer& p) { return p.open_linked("Cartao", 1000, std::nullopt); });
  // Closing the management report closes a slip too: the program's fallback relies on it.
  f.must([](Printer& p) { return p.close_report(); });
  EXPECT_EQ(f.memory().doc.kind, OpenDoc::None);
  // Slips do not stop the receipt from being cancelled.
  f.must([](Printer& p) { return p.cancel_receipt(); });
}

TEST(ManagementReport, OpensWithItsFirstTextAndPrintsAt48Columns) {
  PrinterFolder f;
  const std::string text = "MEIOS DE PAGAMENTO" + std::string(30, ' ') + "==================";
  f.must([&](Printer& p) { return p.report_text(text); });
  f.must([](Printer& p) { return p.report_text("segunda parte"); });
  FiscalMemory m = f.memory();
  EXPECT_EQ(m.doc.kind, OpenDoc::Report);
  EXPECT_EQ(m.grg, 1);
  f.must([](Printer& p) { return p.close_report(); });
  auto roll = f.roll();
  auto it = std::find(roll.begin(), roll.end(), "MEIOS DE PAGAMENTO");
  ASSERT_NE(it, roll.end());
  EXPECT_EQ(*(it + 1), "==================");
  EXPECT_EQ(*(it + 2), "segunda parte");
  EXPECT_EQ(f.run([](Printer& p) { return p.close_report(); }).refusal, Refusal::Refused);
}

TEST(CashDocuments, WithdrawalAndSupplyReachTheDayAndTheirFormIsChecked) {
  PrinterFolder f;
  f.must([](Printer& p) { return p.supply(15000, "Dinheiro"); });
  f.must([](Printer& p) { return p.withdrawal(4025); });
  EXPECT_EQ(f.run([](Printer& p) { return p.supply(100, "Bitcoin"); }).refusal, Refusal::FormNotProgrammed);
  EXPECT_EQ(f.run([](Printer& p) { return p.withdrawal(0); }).refusal, Refusal::BadParameter);
  FiscalMemory m = f.memory();
  EXPECT_EQ(m.day.totals.supplies, 15000);
  EXPECT_EQ(m.day.totals.withdrawals, 4025);
  EXPECT_TRUE(f.roll_has(left_right("SUPRIMENTO R$", "150,00", 48)));
  EXPECT_TRUE(f.roll_has(left_right("SANGRIA R$", "40,25", 48)));
  f.must([](Printer& p) { return p.z_reduction(); });
  std::string z = answers::z_data(f.memory().zs.back());
  EXPECT_EQ(z.substr(384, 14), "00000000004025");
  EXPECT_EQ(z.substr(399, 14), "00000000015000");
}

TEST(Reset, ClosesALeftOverReportButNotAFiscalReceipt) {
  PrinterFolder f;
  f.must([](Printer& p) { return p.report_text("x"); });
  f.must([](Printer& p) { return p.reset(); });
  EXPECT_EQ(f.memory().doc.kind, OpenDoc::None);
  f.must([](Printer& p) { return p.open_receipt(""); });
  f.must([](Printer& p) { return p.reset(); });
  EXPECT_TRUE(f.memory().receipt);
}

}  // namespace
}  // namespace zelto::ecfsim::testing
