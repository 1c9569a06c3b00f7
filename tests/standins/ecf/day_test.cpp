// The fiscal day: what each document does to the counters, the Z reduction
// that closes the day and blocks it, the automatic one of the next day, the
// explicit opening of Epson, and settings that wait for a closed day.

#include "printer_folder.hpp"

namespace zelto::ecfsim::testing {
namespace {

Outcome open(Printer& p) { return p.open_receipt(""); }
Outcome sell(Printer& p) { return p.sell(item("1", "1800", 1000)); }
Outcome z(Printer& p) { return p.z_reduction(); }

TEST(Day, EachDocumentStepsItsCounters) {
  struct Case {
    const char* what;
    std::vector<Operation> steps;
    int coo, ccf, gnf, grg, cdc, crz;
  };
  auto receipt = std::vector<Operation>{open, sell, [](Printer& p) { return p.subtotal(Adjustment{}); },
                                        [](Printer& p) { return p.pay("Cartao", 1000); },
                                        [](Printer& p) { return p.close_receipt(""); }};
  auto with_slip = receipt;
  with_slip.push_back([](Printer& p) { return p.open_linked("Cartao", 1000, std::nullopt); });
  with_slip.push_back([](Printer& p) { return p.linked_text("VIA CLIENTE"); });
  with_slip.push_back([](Printer& p) { return p.close_linked(); });
  const Case cases[] = {
      {"fiscal receipt", receipt, 1, 1, 0, 0, 0, 0},
      {"receipt and its card slip", with_slip, 2, 1, 1, 0, 1, 0},
      {"management report", {[](Printer& p) { return p.report_text("linha"); }, [](Printer& p) { return p.close_report(); }},
       1, 0, 1, 1, 0, 0},
      {"withdrawal", {[](Printer& p) { return p.withdrawal(5000); }}, 1, 0, 1, 0, 0, 0},
      {"supply", {[](Printer& p) { return p.supply(5000, "Dinheiro"); }}, 1, 0, 1, 0, 0, 0},
      {"X reading", {[](Printer& p) { return p.x_reading(); }}, 1, 0, 0, 0, 0, 0},
      {"Z reduction", {z}, 1, 0, 0, 0, 0, 1},
      {"receipt cancelled while open", {open, sell, [](Printer& p) { return p.cancel_receipt(); }}, 1, 1, 0, 0, 0, 0},
      {"printed fiscal-memory reading",
       {[](Printer& p) {
         Range r;
         r.from_date = Date{2026, 1, 1};
         r.to_date = Date{2026, 12, 31};
         return p.memory_reading(r, false, true);
       }},
       1, 0, 0, 0, 0, 0},
      {"drawer", {[](Printer& p) { return p.open_drawer(); }}, 0, 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    PrinterFolder f;
    const FiscalMemory b = f.memory();
    for (const auto& step : c.steps) f.must(step);
    const FiscalMemory m = f.memory();
    EXPECT_EQ(m.coo - b.coo, c.coo) << c.what;
    EXPECT_EQ(m.ccf - b.ccf, c.ccf) << c.what;
    EXPECT_EQ(m.gnf - b.gnf, c.gnf) << c.what;
    EXPECT_EQ(m.grg - b.grg, c.grg) << c.what;
    EXPECT_EQ(m.cdc - b.cdc, c.cdc) << c.what;
    EXPECT_EQ(m.crz - b.crz, c.crz) << c.what;
  }
}

TEST(Day, TheZReductionStoresTheDayAndBlocksItUntilMidnight) {
  PrinterFolder f;
  f.must(open);
  f.must(sell);
  f.must([](Printer& p) { return p.subtotal(Adjustment{true, false, 100}); });
  f.must([](Printer& p) { return p.pay("Dinheiro", 900); });
  f.must([](Printer& p) { return p.close_receipt(""); });
  f.must([](Printer& p) { return p.withdrawal(300); });
  f.set_clock(at(2026, 12, 11, 22, 30));
  f.must(z);

  FiscalMemory m = f.memory();
  ASSERT_EQ(m.zs.size(), 2u);
  const ZRecord& last = m.zs.back();
  EXPECT_EQ(last.crz, 2);
  EXPECT_EQ(last.coo, m.coo);
  EXPECT_EQ(last.movement, (Date{2026, 12, 11}));
  EXPECT_EQ(last.made, at(2026, 12, 11, 22, 30));
  EXPECT_FALSE(last.automatic);
  EXPECT_EQ(last.gt_end - last.gt_start, 1000);
  EXPECT_EQ(last.totals.discounts, 100);
  EXPECT_EQ(last.totals.withdrawals, 300);
  EXPECT_FALSE(m.day.open);
  EXPECT_EQ(answers::fiscal_flags(m, at(2026, 12, 11, 22, 31)) & 8, 8);

  for (const Operation& blocked : std::vector<Operation>{open, z, [](Printer& p) { return p.x_reading(); },
                                                           [](Printer& p) { return p.report_text("x"); }})
    EXPECT_EQ(f.run(blocked).refusal, Refusal::Refused);

  f.set_clock(at(2026, 12, 12, 0, 1));
  EXPECT_EQ(answers::fiscal_flags(f.memory(), at(2026, 12, 12, 0, 1)) & 8, 0);
  f.must(open);
  EXPECT_EQ(f.memory().day.movement, (Date{2026, 12, 12}));
  EXPECT_EQ(f.memory().day.totals, Totals{}) << "the new day starts from zero";
}

TEST(Day, AMovementLeftOpenIsClosedByTheMachineAtTwoTheNextMorning) {
  PrinterFolder f(Make::BE, at(2026, 12, 11, 23, 0));
  f.must(open);
  f.must(sell);
  f.set_clock(at(2026, 12, 12, 1, 30));
  // Past midnight, the receipt and the movement go on.
  f.must(sell);
  f.must([](Printer& p) { return p.subtotal(Adjustment{}); });
  f.must([](Printer& p) { return p.pay("Dinheiro", 2000); });
  f.must([](Printer& p) { return p.close_receipt(""); });
  EXPECT_EQ(f.memory().day.movement, (Date{2026, 12, 11}));
  const int crz = f.memory().crz;

  f.set_clock(at(2026, 12, 12, 2, 0));
  // Any command wakes the printer up to it, a query as well.
  f.must([](Printer&) { return Outcome::done(); });
  FiscalMemory m = f.memory();
  ASSERT_EQ(m.crz, crz + 1);
  EXPECT_TRUE(m.zs.back().automatic);
  EXPECT_EQ(m.zs.back().movement, (Date{2026, 12, 11}));
  EXPECT_EQ(m.zs.back().totals.gross, 2000);
  EXPECT_EQ(answers::z_data(m.zs.back()).substr(0, 2), "01");
  EXPECT_FALSE(m.day.open);
  f.must(open);
  EXPECT_EQ(f.memory().day.movement, (Date{2026, 12, 12}));
}

TEST(Day, EpsonSellsOnlyInADayOpenedOnPurpose) {
  PrinterFolder f(Make::EP);
  EXPECT_EQ(f.run(open).refusal, Refusal::Refused);
  f.must([](Printer& p) { return p.x_reading(); });
  EXPECT_FALSE(f.memory().day.open) << "an X reading opens no Epson day";
  f.must([](Printer& p) { return p.open_day(); });
  EXPECT_EQ(f.run([](Printer& p) { return p.open_day(); }).refusal, Refusal::Refused);
  f.must(open);

  PrinterFolder classic(Make::DA);
  classic.must(open);
  EXPECT_TRUE(classic.memory().day.open) << "the classic makes open the day with the first document";
}

TEST(Day, SettingsWaitForADayWithoutMovement) {
  PrinterFolder f;
  f.must([](Printer& p) { return p.program_rate(2500, false); });
  f.must([](Printer& p) { return p.set_truncation(true); });
  f.must([](Printer& p) { return p.x_reading(); });  // the day is open now
  for (const Operation& setting : std::vector<Operation>{
           [](Printer& p) { return p.program_rate(400, false); }, [](Printer& p) { return p.set_truncation(false); },
           [](Printer& p) { return p.toggle_summer_time(); }, [](Printer& p) { return p.set_currency("US"); }})
    EXPECT_EQ(f.run(setting).refusal, Refusal::Refused);
  // Payment forms may be programmed again and again: nothing changes.
  f.must([](Printer& p) { return p.program_form(" dinheiro ", true); });
  EXPECT_FALSE(f.memory().form("Dinheiro")->linked);
  f.must(z);
  f.must([](Printer& p) { return p.program_rate(400, false); });
  FiscalMemory m = f.memory();
  EXPECT_EQ(m.rates.size(), 6u);
  EXPECT_TRUE(m.truncate);
  EXPECT_EQ(answers::rate_table(m).substr(0, 30), "1800,1200,0700,0500,2500,0400,");

  while (f.memory().rates.size() < kRateSlots) f.must([](Printer& p) { return p.program_rate(100, true); });
  Outcome full = f.run([](Printer& p) { return p.program_rate(200, false); });
  EXPECT_EQ(full.st2, st2::kRatesFull);
}

TEST(Day, SummerTimeMovesThePrintersClockAnHour) {
  PrinterFolder f;
  f.must([](Printer& p) { return p.toggle_summer_time(); });
  FiscalMemory m = f.memory();
  EXPECT_TRUE(m.summer_time);
  EXPECT_EQ(m.clock.frozen, at(2026, 12, 11, 11, 0));
  EXPECT_EQ(answers::fiscal_flags(m, m.clock.frozen) & 4, 4);
  f.must([](Printer& p) { return p.toggle_summer_time(); });
  EXPECT_EQ(f.memory().clock.frozen, at(2026, 12, 11, 10, 0));
}

}  // namespace
}  // namespace zelto::ecfsim::testing
