// The fiscal receipt through the printer's commands: totals to the cent,
// phases the printer enforces, closing without charging twice, and the
// cancellations a real printer allows.

#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

Outcome open(Printer& p) { return p.open_receipt(""); }

// Two items, 22.90 at 18 % and 2 x 7.99 tax-substituted; 10 % off; paid
// 20.00 by card and 20.00 in cash.
void sell_the_usual(PrinterFolder& f) {
  f.must(open);
  f.must([](Printer& p) { return p.sell(item("7891000100103", "1800", 2290)); });
  f.must([](Printer& p) { return p.sell(item("7891000200200", "FF", 799, 2000)); });
  f.must([](Printer& p) { return p.subtotal(Adjustment{true, true, 1000}); });
  f.must([](Printer& p) { return p.pay("cartao", 2000); });
  f.must([](Printer& p) { return p.pay("Dinheiro", 2000); });
  f.must([](Printer& p) { return p.close_receipt("Obrigado pela preferencia"); });
}

TEST(Receipt, TotalsCountersAndPaperAgreeToTheCent) {
  PrinterFolder f;
  const FiscalMemory before = f.memory();
  sell_the_usual(f);
  FiscalMemory m = f.memory();

  // 22.90 + 15.98 = 38.88; 10 % is 3.888, rounded to 3.89; total 34.99.
  EXPECT_EQ(m.gt, before.gt + 3888);
  EXPECT_EQ(m.coo, before.coo + 1);
  EXPECT_EQ(m.ccf, before.ccf + 1);
  const Totals& t = m.day.totals;
  EXPECT_EQ(t.gross, 3888);
  EXPECT_EQ(t.discounts, 389);
  // The discount is shared in proportion: 22.90 - 2.29 and 15.98 - 1.60.
  EXPECT_EQ(t.by_totaliser.at("01"), 2061);
  EXPECT_EQ(t.by_totaliser.at("FF"), 1438);
  // The change (5.01) comes out of the cash, the last form paid.
  EXPECT_EQ(t.by_form.at("Cartao"), 2000);
  EXPECT_EQ(t.by_form.at("Dinheiro"), 1499);
  ASSERT_TRUE(m.last);
  EXPECT_EQ(m.last->total(), 3499);
  EXPECT_FALSE(m.receipt);

  EXPECT_TRUE(f.roll_has(document_line(at(2026, 12, 11, 10, 0), m.coo, m.ccf)));
  EXPECT_TRUE(f.roll_has("001 7891000100103 ITEM 7891000100103"));
  EXPECT_TRUE(f.roll_has(left_right("    1,000 UN x 22,90  T18,00%", "22,90", 48)));
  EXPECT_TRUE(f.roll_has(left_right("    2,000 UN x 7,99  F1", "15,98", 48)));
  EXPECT_TRUE(f.roll_has(left_right("DESCONTO 10,00%", "-3,89", 48)));
  EXPECT_TRUE(f.roll_has(left_right("TOTAL R$", "34,99", 48)));
  EXPECT_TRUE(f.roll_has(left_right("TROCO R$", "5,01", 48)));
  EXPECT_TRUE(f.roll_has("Obrigado pela preferencia"));
}

TEST(Receipt, AnUnprogrammedRateIsRefusedAndLeavesNoTrace) {
  PrinterFolder f;
  f.must(open);
  f.must([](Printer& p) { return p.sell(item("1", "1800", 1000)); });
  const FiscalMemory before = f.memory();
  const auto paper = f.roll().size();
  Outcome o = f.run([](Printer& p) { return p.sell(item("2", "2500", 500)); });
  EXPECT_EQ(o.refusal, Refusal::RateNotProgrammed);
  EXPECT_EQ(o.st2, st2::kRateNotProgrammed);
  FiscalMemory after = f.memory();
  EXPECT_EQ(after.receipt, before.receipt);
  EXPECT_EQ(after.gt, before.gt);
  EXPECT_EQ(f.roll().size(), paper);
  // The ISS rate of 5 % is found by its value, and "T0500" asks for ICMS only.
  f.must([](Printer& p) { return p.sell(item("3", "0500", 100)); });
  EXPECT_EQ(f.run([](Printer& p) { return p.sell(item("4", "T0500", 100)); }).refusal, Refusal::RateNotProgrammed);
  EXPECT_EQ(f.memory().receipt->items.back().totaliser, "04");
}

TEST(Receipt, CommandsOutOfPhaseAreRefused) {
  struct Case {
    const char* what;
    std::vector<Operation> before;
    Operation command;
    Refusal refusal;
  };
  auto sell = [](Printer& p) { return p.sell(item("1", "1800", 1000)); };
  auto total = [](Printer& p) { return p.subtotal(Adjustment{}); };
  auto pay_all = [](Printer& p) { return p.pay("Dinheiro", 1000); };
  const Case cases[] = {
      {"item without a receipt", {}, sell, Refusal::Refused},
      {"second receipt", {open}, open, Refusal::Refused},
      {"subtotal without items", {open}, total, Refusal::Refused},
      {"payment before the subtotal", {open, sell}, pay_all, Refusal::Refused},
      {"item after the subtotal", {open, sell, total}, sell, Refusal::Refused},
      {"second subtotal", {open, sell, total}, total, Refusal::Refused},
      {"item cancelled after the subtotal", {open, sell, total}, [](Printer& p) { return p.cancel_item(1); },
       Refusal::Refused},
      {"unknown payment form", {open, sell, total}, [](Printer& p) { return p.pay("Vale Presente", 1000); },
       Refusal::FormNotProgrammed},
      {"payment after the total is reached", {open, sell, total, pay_all}, pay_all, Refusal::Refused},
      {"close before the payments reach the total", {open, sell, total,
                                                      [](Printer& p) { return p.pay("Dinheiro", 999); }},
       [](Printer& p) { return p.close_receipt(""); }, Refusal::PaymentNotFinished},
      {"discount of the whole subtotal", {open, sell}, [](Printer& p) { return p.subtotal(Adjustment{true, false, 1000}); },
       Refusal::BadParameter},
      {"management report over a receipt", {open}, [](Printer& p) { return p.report_text("x"); }, Refusal::Refused},
      {"Z reduction over a receipt", {open}, [](Printer& p) { return p.z_reduction(); }, Refusal::Refused},
      {"item cancelled twice", {open, sell, [](Printer& p) { return p.cancel_item(1); }},
       [](Printer& p) { return p.cancel_last_item(); }, Refusal::Refused},
      {"item that does not exist", {open, sell}, [](Printer& p) { return p.cancel_item(2); }, Refusal::BadParameter},
  };
  for (const auto& c : cases) {
    PrinterFolder f;
    for (const auto& step : c.before) f.must(step);
    const std::string memory_before = memory_to_text(f.memory());
    Outcome o = f.run(c.command);
    EXPECT_EQ(o.refusal, c.refusal) << c.what << ": " << o.why;
    FiscalMemory after = f.memory();
    after.last_command = {};
    EXPECT_EQ(memory_to_text(after), memory_before) << c.what << " changed the memory";
  }
}

TEST(Receipt, ClosingNeverChargesAgain) {
  PrinterFolder f;
  f.must(open);
  f.must([](Printer& p) { return p.sell(item("1", "1200", 1000)); });
  f.must([](Printer& p) { return p.subtotal(Adjustment{}); });
  f.must([](Printer& p) { return p.pay("Cheque", 1000); });
  // The classic close carries its own form and amount; once paid, they go unused.
  f.must([](Printer& p) { return p.close_receipt("", Closing{Adjustment{true, false, 500}, "Dinheiro", 9999}); });
  FiscalMemory m = f.memory();
  ASSERT_EQ(m.last->payments.size(), 1u);
  EXPECT_EQ(m.last->total(), 1000);
  EXPECT_EQ(m.day.totals.by_form.count("Dinheiro"), 0u);
  EXPECT_EQ(m.day.totals.discounts, 0);
}

TEST(Receipt, TheClassicCloseTotalsAndPaysAReceiptStillInItsItems) {
  PrinterFolder f;
  f.must(open);
  f.must([](Printer& p) { return p.sell(item("1", "1800", 2000)); });
  Outcome short_paid =
      f.run([](Printer& p) { return p.close_receipt("", Closing{Adjustment{true, false, 500}, "Dinheiro", 1000}); });
  EXPECT_EQ(short_paid.refusal, Refusal::PaymentNotFinished);
  EXPECT_EQ(f.memory().receipt->phase, Phase::Items) << "a refused close changes nothing";
  f.must([](Printer& p) { return p.close_receipt("", Closing{Adjustment{true, false, 500}, "Dinheiro", 2000}); });
  FiscalMemory m = f.memory();
  EXPECT_EQ(m.last->total(), 1500);
  EXPECT_EQ(m.day.totals.by_form.at("Dinheiro"), 1500);
}

TEST(Receipt, RoundingOrTruncationOfItemsAndPercentages) {
  struct Case {
    bool truncate;
    Cents item, discount;
  };
  // 1.99 x 0.335 = 0.66665; 10.5 % of it.
  for (const Case c : {Case{false, 67, 7}, Case{true, 66, 6}}) {
    PrinterFolder f;
    f.change([&](FiscalMemory& m) { m.truncate = c.truncate; });
    f.must(open);
    f.must([](Printer& p) { return p.sell(item("1", "1800", 199, 335)); });
    f.must([](Printer& p) { return p.subtotal(Adjustment{true, true, 1050}); });
    FiscalMemory m = f.memory();
    EXPECT_EQ(m.receipt->items[0].amount, c.item) << (c.truncate ? "truncation" : "rounding");
    EXPECT_EQ(-m.receipt->adjustment, c.discount) << (c.truncate ? "truncation" : "rounding");
  }
}

TEST(Receipt, CancellingTheOpenReceiptTakesNoNewNumber) {
  PrinterFolder f;
  f.must(open);
  f.must([](Printer& p) { return p.sell(item("1", "1800", 1000)); });
  f.must([](Printer& p) { return p.sell(item("2", "1800", 500)); });
  f.must([](Printer& p) { return p.cancel_last_item(); });
  const int coo = f.memory().coo;
  f.must([](Printer& p) { return p.cancel_receipt(); });
  FiscalMemory m = f.memory();
  EXPECT_EQ(m.coo, coo);
  EXPECT_FALSE(m.receipt);
  EXPECT_EQ(m.last->phase, Phase::Cancelled);
  // 5.00 for the item, then 10.00 for the rest of the receipt; nothing reached the totalisers.
  EXPECT_EQ(m.day.totals.cancellations, 1500);
  EXPECT_EQ(m.day.totals.gross, 1500);
  EXPECT_TRUE(m.day.totals.by_totaliser.empty());
  EXPECT_EQ(f.run([](Printer& p) { return p.cancel_receipt(); }).refusal, Refusal::Refused);
}

TEST(Receipt, TheLastReceiptMayBeCancelledAfterItsCloseUntilAnotherDocument) {
  PrinterFolder f;
  sell_the_usual(f);
  const FiscalMemory closed = f.memory();
  EXPECT_EQ(answers::fiscal_flags(closed, f.memory().clock.frozen) & 32, 32);
  f.must([](Printer& p) { return p.cancel_receipt(); });
  FiscalMemory m = f.memory();
  EXPECT_EQ(m.coo, closed.coo + 1) << "the cancellation is a document of its own";
  EXPECT_EQ(m.ccf, closed.ccf);
  EXPECT_EQ(m.gt, closed.gt) << "the grand total never goes back";
  EXPECT_EQ(m.day.totals.cancellations, 3499);
  EXPECT_EQ(m.day.totals.by_totaliser.at("01") + m.day.totals.by_totaliser.at("FF"), 0);
  EXPECT_EQ(m.day.totals.by_form.at("Dinheiro") + m.day.totals.by_form.at("Cartao"), 0);
  EXPECT_TRUE(f.roll_has(left_right("COO do cupom cancelado:", digits(closed.coo, 6), 48)));
  EXPECT_EQ(f.run([](Printer& p) { return p.cancel_receipt(); }).st2, st2::kCancelNotAllowed);

  PrinterFolder g;
  sell_the_usual(g);
  g.must([](Printer& p) { return p.x_reading(); });
  EXPECT_EQ(answers::fiscal_flags(g.memory(), g.memory().clock.frozen) & 32, 0);
  EXPECT_EQ(g.run([](Printer& p) { return p.cancel_receipt(); }).refusal, Refusal::Refused);
}

}  // namespace
}  // namespace zelto::ecfsim::testing
